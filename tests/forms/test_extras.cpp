// The extras dialog: its rows in either language, where each document is looked for and how
// each type is handed to the desktop, with the dialog staying open.
#include "controls/GridListbox.h"
#include "modules/Session.h"
#include "modules/extras/ExtrasTable.h"
#include "forms/extras/frmExtras.h"
#include "modules/LOCAL.h"
#include "support/RecordedServices.h"
#include "platform/Shell.h"
#include "support/TestInstall.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList recorded(const BatchRecord& record)
{
    QStringList entries;
    for (const QJsonValue& entry : record.shell()) {
        const QJsonObject o = entry.toObject();
        entries << (o["kind"].toString() == "open"
                        ? "open " + o["target"].toString() + " in " + o["directory"].toString()
                        : "run " + o["commandLine"].toString());
    }
    return entries;
}

QStringList rowTexts(const GridListbox* list)
{
    QStringList texts;
    for (int i = 1; i <= list->ListCount(); ++i)
        texts << list->List(i);
    return texts;
}

} // namespace

class TestExtras : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<Services> m_services = RecordingServices();

private:
    TestInstall* m_install = nullptr;

    void chooseLanguage(const QString& name, const QString& stem)
    {
        LanguageState& language = m_session.language;
        language.LanguageName = name;
        language.LanguageStem = stem;
        language.LanguageFolder = m_install->path() + "/LANG/";
        language.LanguageFile = LOCAL::LanguageFileOf(m_session.language, stem);
        language.SubstituteLanguage = "Francais";
    }

private slots:
    void init()
    {
        m_install = new TestInstall;
        m_services = RecordingServices();
        m_session = Session();
        m_session.ProgramFolder = m_install->path();
    }

    void cleanup()
    {
        m_services = RecordingServices();
        delete m_install;
    }

    void germanRowsAreSorted()
    {
        chooseLanguage("Deutsch", "Deutsch");
        frmExtras dialog(m_session, *m_services->shell);
        QCOMPARE(rowTexts(dialog.glbExtras),
                 QStringList({"Amulette", "Cheatliste", "FAQ - Häufig gestellte Fragen",
                              "Magischen Ringe", "Perk-Übersicht", "Pflanzen und Kräuter",
                              "Rufliste", "Rüstungsliste", "Schilder", "Teleportsteine",
                              "Zauberbuch"}));
        QCOMPARE(dialog.windowTitle(), QString("Extras"));
        QCOMPARE(dialog.btnSelect->text(), QString("A&uswählen"));
        QCOMPARE(dialog.btnAbort->text(), QString("&Abbrechen"));
        QCOMPARE(dialog.glbExtras->Caption(), QString("Vorhandene Extras"));
        QVERIFY(dialog.glbExtras->NoHeader());
        QCOMPARE(dialog.glbExtras->Rows(2).Tag(), QString("cheatlist.html"));
    }

    void languageFileTextsWithEnglishDefaults()
    {
        chooseLanguage("English", "English");
        m_install->writeText("LANG/English/English.lng",
                             "[frmExtras]\ncaption=Bonus material\nbtnSelect=Open\n"
                             "FAQ=Questions\nSpellbook=Book of spells\n");
        frmExtras dialog(m_session, *m_services->shell);
        QCOMPARE(dialog.windowTitle(), QString("Bonus material"));
        QCOMPARE(dialog.btnSelect->text(), QString("Open"));
        QCOMPARE(dialog.btnAbort->text(), QString("Cancel"));
        const QStringList texts = rowTexts(dialog.glbExtras);
        QCOMPARE(texts.size(), 11);
        QVERIFY(texts.contains("Cheat list"));
        QVERIFY(texts.contains("Questions"));
        QVERIFY(texts.contains("Book of spells"));
        QVERIFY(texts.contains("Magic Rings"));
        QVERIFY(!texts.contains("Cheatliste"));
        QCOMPARE(texts.first(), QString("Amulets"));
    }

    void documentLocation_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("present");   // file written (non-empty), "" none
        QTest::addColumn<QString>("empty");     // file written with 0 bytes, "" none
        QTest::addColumn<QString>("expected");
        QTest::newRow("German stem: extras folder")
            << "Deutsch" << "LANG/Deutsch/faq.html" << "" << "%1/EXTRAS/faq.html";
        QTest::newRow("language folder") << "English" << "LANG/English/faq.html" << ""
                                         << "%1/LANG/English/faq.html";
        QTest::newRow("missing: substitute") << "English" << "" << ""
                                             << "%1/LANG/Francais/faq.html";
        QTest::newRow("0 bytes: substitute") << "English" << "" << "LANG/English/faq.html"
                                             << "%1/LANG/Francais/faq.html";
        QTest::newRow("empty stem is not German")
            << "" << "EXTRAS/faq.html" << "" << "%1/LANG/Francais/faq.html";
        QTest::newRow("empty stem finds the language folder itself")
            << "" << "LANG/faq.html" << "" << "%1/LANG//faq.html";
    }

    void documentLocation()
    {
        QFETCH(QString, stem);
        QFETCH(QString, present);
        QFETCH(QString, empty);
        QFETCH(QString, expected);
        if (!present.isEmpty())
            m_install->writeText(present, "<p>x</p>");
        if (!empty.isEmpty())
            m_install->writeBytes(empty, QByteArray());
        chooseLanguage(stem.isEmpty() ? "Deutsch" : stem, stem);
        QCOMPARE(ExtrasTable::DocumentPath(m_session, "faq.html"), expected.arg(m_install->path()));
    }

    void opensByType_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("expected");
        QTest::newRow("page in the HTML host")
            << "cheatlist.html" << int(ExtrasTable::Opened::Page)
            << "run mshta.exe \"%1/EXTRAS/cheatlist.html\"";
        QTest::newRow("help file in the help viewer")
            << "perklist.chm" << int(ExtrasTable::Opened::Help)
            << "open \"%1/EXTRAS/perklist.chm\" in %1";
        QTest::newRow("program started") << "setup.exe" << int(ExtrasTable::Opened::Program)
                                         << "run \"%1/EXTRAS/setup.exe\"";
        QTest::newRow("type ignores case and blanks")
            << " FAQ.HTML " << int(ExtrasTable::Opened::Page)
            << "run mshta.exe \"%1/EXTRAS/faq.html\"";
        QTest::newRow("no dot") << "readme" << int(ExtrasTable::Opened::Nothing) << "";
        QTest::newRow("other ending") << "notes.txt" << int(ExtrasTable::Opened::Nothing) << "";
        QTest::newRow("type is what follows the first dot")
            << "armor.list.chm" << int(ExtrasTable::Opened::Nothing) << "";
        QTest::newRow("empty tag") << "" << int(ExtrasTable::Opened::Nothing) << "";
    }

    void opensByType()
    {
        QFETCH(QString, tag);
        QFETCH(int, opened);
        QFETCH(QString, expected);
        chooseLanguage("Deutsch", "Deutsch");
        QCOMPARE(int(ExtrasTable::Open(m_session, *m_services->shell, tag)), opened);
        QCOMPARE(recorded(m_services->record), expected.isEmpty() ? QStringList()
                                                : QStringList{expected.arg(m_install->path())});
    }

    void oddPathIsOneArgument_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("tag");
        QTest::newRow("semicolon and substitution") << "LANG;$(touch x)" << "faq.html";
        QTest::newRow("blanks and backquotes") << "my lang `id` & |" << "faq.html";
        QTest::newRow("tag with shell characters") << "LANG" << "odd;$(id)&x.html";
    }

    void oddPathIsOneArgument()
    {
        QFETCH(QString, folder);
        QFETCH(QString, tag);
        chooseLanguage("English", "English");
        m_session.language.LanguageFolder = m_install->path() + "/" + folder + "/";
        m_install->writeText(folder + "/English/" + tag, "<p>x</p>");
        ExtrasTable::Open(m_session, *m_services->shell, tag);
        const QStringList commandLine =
            Shell::ParseCommandLine(m_services->record.shell()[0].toObject()["commandLine"].toString());
        QCOMPARE(commandLine, QStringList({"mshta.exe", m_install->file(folder + "/English/" + tag)}));
    }

    void selectOpensAndTheDialogStaysOpen()
    {
        chooseLanguage("Deutsch", "Deutsch");
        frmExtras dialog(m_session, *m_services->shell);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.btnSelect->click();   // nothing selected yet
        QVERIFY(recorded(m_services->record).isEmpty());

        QVERIFY(dialog.SelectDocument("cheatlist.html"));
        QCOMPARE(dialog.glbExtras->Text(), QString("Cheatliste"));
        QCOMPARE(recorded(m_services->record), QStringList{"run mshta.exe \"" + m_install->file("EXTRAS/cheatlist.html") + "\""});
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.SelectDocument("missing.chm"));

        QTest::keyClick(dialog.glbExtras->listView(), Qt::Key_Return);   // default button
        QCOMPARE(recorded(m_services->record).size(), 2);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void doubleClickActsLikeSelect()
    {
        chooseLanguage("Deutsch", "Deutsch");
        frmExtras dialog(m_session, *m_services->shell);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTreeWidget* view = dialog.glbExtras->listView();
        QTreeWidgetItem* amulets = view->topLevelItem(0);
        const QPoint at = view->visualItemRect(amulets).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(recorded(m_services->record), QStringList{"open \"" + m_install->file("EXTRAS/amuletlist.chm")
                                         + "\" in " + m_install->path()});
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TestExtras)
#include "test_extras.moc"
