// The language dialog: the folder listing it relies on, the rows with their flags, the
// details, the current row, and what Select changes (state and settings file).
#include "controls/GridListbox.h"
#include "forms/main/frmMain.h"
#include "platform/Services.h"
#include "support/RecordedServices.h"
#include "modules/Session.h"
#include "controls/Hyperlink.h"
#include "modules/language/LanguageCatalogue.h"
#include "forms/lang/frmLang.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "support/TestInstall.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

QByteArray bmpOf(const QColor& colour)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The picture a row shows, as the list keeps it.
QImage rowImage(const GridListbox* list, int row)
{
    const QString key = list->automationState()["items"].toArray().at(row - 1).toObject()["picture"].toString();
    return list->Picture(key.mid(3).toInt()).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage listedImage(const QString& resource)
{
    GridListbox list;
    QPixmap picture(resource);
    list.AddItem("x", &picture, "x");
    return list.Picture(1).toImage().convertToFormat(QImage::Format_ARGB32);
}

QStringList rowTexts(const GridListbox* list)
{
    QStringList texts;
    for (int i = 1; i <= list->ListCount(); ++i)
        texts << list->List(i);
    return texts;
}

} // namespace

class TestLang : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<Services> m_services = RecordingServices();

private:
    TestInstall* m_install = nullptr;

    // A language folder entry: stem/stem.lng with the given [general] lines, and a flag.
    void writeLanguage(const QString& stem, const QString& general, const QColor& flag = QColor(),
                       const QString& more = QString())
    {
        m_install->writeText("LANG/" + stem + "/" + stem + ".lng", "[general]\n" + general + "\n" + more);
        if (flag.isValid())
            m_install->writeBytes("LANG/" + stem + "/" + stem + ".bmp", bmpOf(flag));
    }

    void setLanguage(const QString& name, const QString& stem)
    {
        LanguageState& s = m_session.language;
        s.LanguageName = name;
        s.LanguageStem = stem;
        s.LanguageFile = LOCAL::LanguageFileOf(m_session.language, stem);
    }

    QString storedLanguage() const
    {
        return IniOps::ReadIni(m_session.SettingsFile, "general", "language", "<none>");
    }

private slots:
    void init()
    {
        m_install = new TestInstall;
        m_session = Session();
        m_session.ProgramFolder = m_install->path();
        m_session.SettingsFile = m_install->file("karvenna.ini");
        m_session.language.LanguageFolder = m_install->path() + "/LANG/";
        m_session.language.LanguageFile = LOCAL::LanguageFileOf(m_session.language, QString());
    }
    void cleanup()
    {
        delete m_install;
        m_install = nullptr;
    }

    void enumFoldersEx()
    {
        const QString folder = m_install->path() + "/LANG/";
        QCOMPARE(LanguageCatalogue::EnumFoldersEx(folder, false), QStringList{QString()});

        writeLanguage("English", "language=English");
        m_install->writeText("LANG/notes.txt", "x");
        QStringList names = LanguageCatalogue::EnumFoldersEx(folder, false);
        QCOMPARE(names.size(), 5);
        QCOMPARE(names.mid(0, 2), (QStringList{".", ".."}));
        QCOMPARE(names.last(), QString());
        QVERIFY(names.contains("English") && names.contains("notes.txt"));

        names = LanguageCatalogue::EnumFoldersEx(folder, true);
        QCOMPARE(names.at(0), folder + ".");
        QVERIFY(names.contains(folder + "English"));
        QCOMPARE(names.last(), QString());
    }

    void missingFolderGivesOnlyGerman()
    {
        frmLang dialog(m_session, *m_services->shell);
        QCOMPARE(rowTexts(dialog.glbLang), QStringList{" Deutsch"});
        QCOMPARE(dialog.glbLang->Rows(1).Tag(), QStringLiteral("*"));
        QCOMPARE(dialog.glbLang->ListIndex(), 1);
        QCOMPARE(rowImage(dialog.glbLang, 1), listedImage(":/lang/german.png"));
    }

    // Every entry gets a row; the list is sorted by the names behind the blank.
    void rowsWithFlags()
    {
        writeLanguage("Zulu", "Language=  English  ", QColor(Qt::red));
        writeLanguage("Francais", "language=Français");
        writeLanguage("Broken", "version=1");
        m_install->writeText("LANG/readme.txt", "not a language");

        frmLang dialog(m_session, *m_services->shell);
        GridListbox* list = dialog.glbLang;
        QCOMPARE(rowTexts(list), (QStringList{" ?", " ?", " Deutsch", " English", " Français"}));
        const QString folder = m_install->path() + "/LANG/";
        QCOMPARE(list->Rows(4).Tag(), folder + "Zulu/Zulu.lng");
        QCOMPARE(rowImage(list, 4).pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(rowImage(list, 5), listedImage(":/lang/noflag.png"));

        QStringList unnamed{list->Rows(1).Tag(), list->Rows(2).Tag()};
        unnamed.sort();
        QCOMPARE(unnamed, (QStringList{folder + "Broken/Broken.lng", folder + "readme.txt/readme.txt.lng"}));
        QCOMPARE(rowImage(list, 1), listedImage(":/lang/noflag.png"));
        QCOMPARE(rowImage(list, 2), listedImage(":/lang/noflag.png"));
    }

    void detailsOfTheCurrentLanguage()
    {
        writeLanguage("English", "language=English\nversion=2.1\nauthor=Ann Example\n"
                                 "website=lang.example/en\nemail=en@lang.example",
                      QColor(Qt::blue),
                      "[frmLang]\ncaption=Pick a language\nauthor=Written by\nbuttonselect=\n");
        setLanguage("English", "English");
        frmLang dialog(m_session, *m_services->shell);
        QCOMPARE(dialog.lblCurrentLang->text(), QStringLiteral("English"));
        QCOMPARE(dialog.lblVersion->text(), QStringLiteral("2.1"));
        QCOMPARE(dialog.lblAuthor->text(), QStringLiteral("Ann Example"));
        QCOMPARE(dialog.lblEMail->target(), QStringLiteral("mailto:en@lang.example"));
        QCOMPARE(dialog.lblWebSite->target(), QStringLiteral("http://lang.example/en"));
        QCOMPARE(dialog.imgCurrentLang->property("picturePath").toString(),
                 m_install->path() + "/LANG/English/English.bmp");
        QCOMPARE(dialog.glbLang->Text(), QStringLiteral(" English"));

        // Texts of the language file, English where it has none.
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pick a language"));
        QCOMPARE(dialog.lblAuthorCaption->text(), QStringLiteral("Written by"));
        QCOMPARE(dialog.btnSelect->text(), QStringLiteral("Select"));
        QCOMPARE(dialog.btnAbort->text(), QStringLiteral("Cancel"));
        QCOMPARE(dialog.fraMetaData->title(), QStringLiteral("Current language"));
        QCOMPARE(dialog.glbLang->Caption(), QStringLiteral("Available languages"));
        QCOMPARE(dialog.lblEMailLabel->text(), QStringLiteral("eMail"));
        QCOMPARE(dialog.lblWebSiteLabel->text(), QStringLiteral("Website"));
        QCOMPARE(dialog.lblVersionCaption->text(), QStringLiteral("Version:"));
    }

    void germanShowsItsDesign()
    {
        frmLang dialog(m_session, *m_services->shell);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sprache auswählen"));
        QCOMPARE(dialog.glbLang->Caption(), QStringLiteral("Vorhandene Sprachen"));
        QVERIFY(!dialog.glbLang->NoHeader());
        QCOMPARE(dialog.btnSelect->text(), QStringLiteral("A&uswählen"));
        QCOMPARE(dialog.lblCurrentLang->text(), QStringLiteral("Deutsch"));
        QCOMPARE(dialog.lblVersion->text(), m_session.VersionText());
        QCOMPARE(dialog.imgCurrentLang->property("picturePath").toString(), QStringLiteral(":/lang/german.png"));
        QVERIFY(!dialog.lblEMail->text().isEmpty());
    }

    // The current row is found by the name shown, not by the folder.
    void currentRowByShownName_data()
    {
        QTest::addColumn<QString>("languageName");
        QTest::addColumn<QString>("selected");
        QTest::newRow("confirmed in this run") << "English" << " English";
        QTest::newRow("after a restart: the stem") << "Anglais" << "";
        QTest::newRow("a name two rows share") << "Twin" << " Twin";
    }

    void currentRowByShownName()
    {
        QFETCH(QString, languageName);
        QFETCH(QString, selected);
        writeLanguage("Anglais", "language=English");
        writeLanguage("TwinA", "language=Twin");
        writeLanguage("TwinB", "language=Twin");
        setLanguage(languageName, "Anglais");
        frmLang dialog(m_session, *m_services->shell);
        QCOMPARE(dialog.glbLang->Text(), selected);
    }

    void rowClickShowsThatLanguage()
    {
        writeLanguage("English", "language=English\nauthor=Ann", QColor(Qt::blue));
        writeLanguage("Plain", "language=Plain\nauthor=Bob");
        frmLang dialog(m_session, *m_services->shell);
        GridListbox* list = dialog.glbLang;
        list->resize(300, 300);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto click = [&](int row) {
            QTreeWidget* view = list->listView();
            const QPoint at = view->visualItemRect(view->topLevelItem(row - 1)).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        };
        click(3);   // " Plain"
        QCOMPARE(dialog.lblAuthor->text(), QStringLiteral("Bob"));
        QCOMPARE(dialog.imgCurrentLang->property("picturePath").toString(), QStringLiteral("fallback"));
        click(2);   // " English"
        QCOMPARE(dialog.lblAuthor->text(), QStringLiteral("Ann"));
        QCOMPARE(dialog.imgCurrentLang->property("picturePath").toString(),
                 m_install->path() + "/LANG/English/English.bmp");
        click(1);
        QCOMPARE(dialog.lblCurrentLang->text(), QStringLiteral("Deutsch"));
    }

    void selectingWritesTheChoice_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("german");
        QTest::newRow("German") << "Deutsch" << "Deutsch" << "*" << "Deutsch" << true;
        QTest::newRow("English") << "English" << "English" << "LANG/English/English.lng" << "English" << false;
        QTest::newRow("a file naming itself Deutsch") << "Alt" << "Deutsch" << "LANG/Alt/Alt.lng" << "Alt" << true;
        QTest::newRow("a file without a name") << "Nameless" << "" << "LANG/Nameless/Nameless.lng" << "Nameless" << false;
    }

    void selectingWritesTheChoice()
    {
        QFETCH(QString, stem);
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QString, stored);
        QFETCH(bool, german);
        writeLanguage("English", "language=English");
        writeLanguage("Alt", "language= Deutsch ");
        writeLanguage("Nameless", "author=Nobody");
        m_install->writeText("karvenna.ini", "[general]\nlanguage=Old\nSubstLang=English\n");

        frmLang dialog(m_session, *m_services->shell);
        QVERIFY(dialog.selectRowByStem(stem));
        dialog.btnSelect->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.chosen());
        const LanguageState& s = m_session.language;
        QCOMPARE(s.LanguageName, name);
        QCOMPARE(s.LanguageStem, stored);
        QCOMPARE(s.LanguageFile, file == "*" ? file : m_install->file(file));
        QCOMPARE(storedLanguage(), stored);
        QCOMPARE(LOCAL::IsGerman(m_session.language), german);
        // The rest of the settings file stays.
        QCOMPARE(IniOps::ReadIni(m_session.SettingsFile, "general", "SubstLang", ""), QStringLiteral("English"));
    }

    // A language that names itself "Deutsch" uses the built-in texts afterwards.
    void germanByNameUsesNoFile()
    {
        writeLanguage("Alt", "language=Deutsch", QColor(), "[frmLang]\ncaption=Alt caption\n");
        {
            frmLang dialog(m_session, *m_services->shell);
            QVERIFY(dialog.selectRowByStem("Alt"));
            dialog.btnSelect->click();
        }
        frmLang again(m_session, *m_services->shell);
        QCOMPARE(again.windowTitle(), QStringLiteral("Sprache auswählen"));
    }

    void selectWithoutRowOrCancelChangesNothing()
    {
        writeLanguage("English", "language=English");
        setLanguage("Klingon", "Klingon");
        frmLang dialog(m_session, *m_services->shell);
        QCOMPARE(dialog.glbLang->ListIndex(), 0);
        dialog.btnSelect->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(m_session.SettingsFile));
        QCOMPARE(m_session.language.LanguageName, QStringLiteral("Klingon"));

        QVERIFY(dialog.selectRowByStem("English"));
        dialog.btnAbort->click();
        QVERIFY(!dialog.chosen());
        QVERIFY(!QFile::exists(m_session.SettingsFile));
        QCOMPARE(m_session.language.LanguageName, QStringLiteral("Klingon"));
        QVERIFY(!dialog.selectRowByStem("Missing"));
    }

    // The window that opened the dialog puts up the chosen language's texts and starts its
    // map over; a cancelled dialog leaves it as it was.
    void menuChoiceRetranslatesTheWindow()
    {
        m_install->writeMinimalInstallation("[NPC]\nBauer=100,100\n");
        m_install->writeText("registry.ini",
                             "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        qputenv("KARVENNA_REGISTRY", m_install->file("registry.ini").toUtf8());
        writeLanguage("English", "language=English", QColor(),
                      "[menus]\nmiFind=Seek...\n[ui]\nInfoButtonToolTip=About it\n"
                      "[entities]\nBauer=Farmer\n");
        m_services = RecordingServices();
        frmMain main(m_session, *m_services);
        main.Create();
        QVERIFY(main.Load());
        const auto choose = [this, &main](const QString& stem, bool cancel = false) {
            m_services->dialogs->answerNext("frmLang", [stem, cancel](QDialog* d) {
                auto* dialog = qobject_cast<frmLang*>(d);
                QVERIFY(dialog && dialog->selectRowByStem(stem));
                (cancel ? dialog->btnAbort : dialog->btnSelect)->click();
            });
            main.action("mnuLanguage")->trigger();
        };

        main.action("miCaldoraNPCs")->trigger();
        QCOMPARE(main.display().CurrentMap, QStringLiteral("caldora"));
        choose("English");
        QCOMPARE(main.action("miFind")->text(), QStringLiteral("Seek..."));
        QCOMPARE(m_session.InfoButtonToolTip, QStringLiteral("About it"));
        QCOMPARE(m_session.language.EntityNames, QStringList{"Farmer"});
        QVERIFY(main.display().CurrentMap.isEmpty());
        QVERIFY(main.display().LastDisplay.dataFile.isEmpty());

        main.action("miCaldoraNPCs")->trigger();
        QCOMPARE(main.display().cboItems.items.value(1).trimmed(), QStringLiteral("Farmer"));
        choose("Deutsch", true);
        QCOMPARE(main.action("miFind")->text(), QStringLiteral("Seek..."));
        QCOMPARE(main.display().CurrentMap, QStringLiteral("caldora"));

        choose("Deutsch");
        QCOMPARE(main.action("miFind")->text(), QStringLiteral("&Suchen..."));
        QCOMPARE(m_session.InfoButtonToolTip,
                 QStringLiteral("Zeigt Informationen zur ausgewählten Entität an."));
        QVERIFY(main.display().CurrentMap.isEmpty());
    }
};

QTEST_MAIN(TestLang)
#include "test_lang.moc"
