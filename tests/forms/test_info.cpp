#include "controls/ModalRunner.h"
#include "modules/Session.h"
#include "modules/info/EntityInfo.h"
#include "forms/info/frmInfo.h"
#include "modules/LOCAL.h"
#include "support/TestInstall.h"

#include <QDir>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <memory>

namespace {

const QString kGermanInfo = QStringLiteral(
    "[info]\n"
    "Wolf=Ein grauer Jäger.\\nGefährlich im Rudel.\n"
    "Welpe=#  Wolf  \n"
    "Fuchs=#Welpe\n"
    "Geist=#Niemand\n");

// Language file of a non-German interface; its entity names translate the German keys.
const QString kFrenchLanguage = QStringLiteral(
    "[entities]\n"
    "Jungbär=Ourson\n"
    "Bär=Ours\n"
    "[frmInfo]\n"
    "buttonclose=Fermer\n");

const QString kEnglishInfo = QStringLiteral(
    "[info]\n"
    "Bär=Big and brown.\\nSleeps in winter.\n"
    "Jungbär=# Ours \n");

} // namespace

class TestInfo : public QObject
{
    Q_OBJECT

    Session m_session;

private:
    std::unique_ptr<TestInstall> m_install;

    void useGerman()
    {
        LanguageState& language = m_session.language;
        language = LanguageState();
        language.LanguageFile = QStringLiteral("*");
        language.LanguageFolder = m_install->file("LANG/");
    }

    void useFrench(const QString& languageFile = kFrenchLanguage)
    {
        LanguageState& language = m_session.language;
        language = LanguageState();
        language.LanguageName = QStringLiteral("Français");
        language.LanguageStem = QStringLiteral("French");
        language.LanguageFolder = m_install->file("LANG/");
        language.LanguageFile = m_install->file("LANG/French/French.lng");
        language.SubstituteLanguage = QStringLiteral("English");
        m_install->writeText("LANG/French/French.lng", languageFile);
        LOCAL::CacheTranslationTable(m_session.language);
    }

    QString infoFile() const { return m_install->file("info.data"); }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        m_session.ProgramFolder = m_install->path();
        m_session.PicsFolder = QStringLiteral("PICS");
        m_install->writeText("info.data", kGermanInfo);
        useGerman();
    }

    void germanDescriptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("line break") << "Wolf" << "Ein grauer Jäger.\r\nGefährlich im Rudel.";
        QTest::newRow("reference with blanks") << "Welpe" << "Ein grauer Jäger.\r\nGefährlich im Rudel.";
        QTest::newRow("second reference stays text") << "Fuchs" << "#  Wolf";
        QTest::newRow("reference to nothing") << "Geist" << "";
        QTest::newRow("no entry") << "Drache" << "";
        QTest::newRow("name with blanks") << "  Wolf " << "Ein grauer Jäger.\r\nGefährlich im Rudel.";
    }
    void germanDescriptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(EntityInfo(m_session, name, infoFile()).description(), text);
    }

    void missingDescriptionFileGivesEmptyText()
    {
        QVERIFY(EntityInfo(m_session, "Wolf", m_install->file("nowhere/info.data")).description().isEmpty());
    }

    void twoLinesInTheTextBox()
    {
        frmInfo dialog(m_session, "Wolf", infoFile());
        auto* text = dialog.findChild<QPlainTextEdit*>("txtInfo");
        QVERIFY(text);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->document()->blockCount(), 2);
        QCOMPARE(text->document()->findBlockByNumber(1).text(), QString("Gefährlich im Rudel."));
    }

    void nameWithBlanks()
    {
        m_install->writeText("PICS/pic.ini", "[pics]\nWolf=wolf.jpg\n");
        m_install->writePicture("PICS/wolf.jpg", 120, 160);
        frmInfo dialog(m_session, "  Wolf ", infoFile());
        QCOMPARE(dialog.windowTitle(), QString("Wolf"));
        QCOMPARE(dialog.findChild<QLabel*>("lblName")->text(), QString("  Wolf "));
        QCOMPARE(dialog.findChild<QPlainTextEdit*>("txtInfo")->toPlainText(),
                 QString("Ein grauer Jäger.\nGefährlich im Rudel."));
        QCOMPARE(dialog.picturePath(), m_install->file("PICS/wolf.jpg"));
    }

    void substituteLanguage_data()
    {
        QTest::addColumn<QString>("ownInfo");   // "-": no file of the language's own
        QTest::addColumn<QString>("expectedFile");
        QTest::newRow("no own file") << "-" << "LANG/English/info.data";
        QTest::newRow("empty own file") << "" << "LANG/English/info.data";
        QTest::newRow("own file") << "[info]\nBär=Grand et brun.\n" << "LANG/French/info.data";
    }
    void substituteLanguage()
    {
        QFETCH(QString, ownInfo);
        QFETCH(QString, expectedFile);
        useFrench();
        m_install->writeText("LANG/English/info.data", kEnglishInfo);
        if (ownInfo != "-")
            m_install->writeText("LANG/French/info.data", ownInfo);

        const EntityInfo info(m_session, " Ours ", infoFile());
        QCOMPARE(info.descriptionFile(), m_install->file(expectedFile));
        QCOMPARE(info.caption(), QString("Ours"));
        QCOMPARE(info.description(), ownInfo == "-" || ownInfo.isEmpty()
                                         ? QString("Big and brown.\r\nSleeps in winter.")
                                         : QString("Grand et brun."));
    }

    void translatedReferenceAndPicture()
    {
        // The shown names are turned back into German keys, the reference's target too.
        useFrench();
        m_install->writeText("LANG/English/info.data", kEnglishInfo);
        m_install->writeText("PICS/pic.ini", "[pics]\nJungbär=baeren\\jung.jpg\n");
        m_install->writePicture("PICS/baeren/jung.jpg", 100, 100);
        const EntityInfo info(m_session, "Ourson", infoFile());
        QCOMPARE(info.description(), QString("Big and brown.\r\nSleeps in winter."));
        QCOMPARE(info.picturePath(), m_install->file("PICS/baeren/jung.jpg"));
        QCOMPARE(info.loadPicture(QSize(200, 200)).size(), QSize(100, 100));
    }

    void pictureNamesIgnoreCase()
    {
        m_install->writeText("PICS/pic.ini", "[pics]\nWolf=Tiere\\WOLF.JPG\n");
        m_install->writePicture("PICS/tiere/wolf.jpg", 50, 50);
        frmInfo dialog(m_session, "Wolf", infoFile());
        QCOMPARE(dialog.picturePath(), m_install->file("PICS/tiere/wolf.jpg"));
    }

    void fallbackPicture_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QByteArray>("file");  // written as PICS/wolf.jpg unless empty
        QTest::newRow("no index") << QString() << QByteArray();
        QTest::newRow("no entry") << "[pics]\nFuchs=wolf.jpg\n" << QByteArray("x");
        QTest::newRow("missing file") << "[pics]\nWolf=wolf.jpg\n" << QByteArray();
        QTest::newRow("broken JPEG") << "[pics]\nWolf=wolf.jpg\n"
                                     << QByteArray("\xFF\xD8\xFF\xE0 not really a picture");
        QTest::newRow("folder as entry") << "[pics]\nWolf=sub\n" << QByteArray();
    }
    void fallbackPicture()
    {
        QFETCH(QString, index);
        QFETCH(QByteArray, file);
        if (!index.isEmpty())
            m_install->writeText("PICS/pic.ini", index);
        if (!file.isEmpty())
            m_install->writeBytes("PICS/wolf.jpg", file);
        QDir().mkpath(m_install->file("PICS/sub"));

        frmInfo dialog(m_session, "Wolf", infoFile());
        QCOMPARE(dialog.picturePath(), QString("fallback"));
        const QPixmap shown = dialog.findChild<QLabel*>("picPortrait")->pixmap();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.toImage(), QImage(":/info/fallback.png").convertToFormat(shown.toImage().format()));
    }

    void largePictureIsScaledToFit_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide") << QSize(4000, 1000);
        QTest::newRow("tall") << QSize(900, 3000);
        QTest::newRow("big") << QSize(3000, 3000);
    }
    void largePictureIsScaledToFit()
    {
        QFETCH(QSize, size);
        m_install->writeText("PICS/pic.ini", "[pics]\nWolf=wolf.jpg\n");
        m_install->writePicture("PICS/wolf.jpg", size.width(), size.height());
        frmInfo dialog(m_session, "Wolf", infoFile());
        auto* picture = dialog.findChild<QLabel*>("picPortrait");
        const QSize box = picture->contentsRect().size();
        const QSize shown = picture->pixmap().size();
        QCOMPARE(dialog.picturePath(), m_install->file("PICS/wolf.jpg"));
        QVERIFY(shown.width() <= box.width() && shown.height() <= box.height());
        // One side fills the box, and the proportions stay.
        QVERIFY(shown.width() >= box.width() - 1 || shown.height() >= box.height() - 1);
        const double ratio = double(size.width()) / size.height();
        QVERIFY(qAbs(double(shown.width()) / shown.height() - ratio) < 0.02 * ratio + 0.01);
    }

    void smallPictureKeepsItsSize()
    {
        m_install->writeText("PICS/pic.ini", "[pics]\nWolf=wolf.jpg\n");
        m_install->writePicture("PICS/wolf.jpg", 60, 40);
        frmInfo dialog(m_session, "Wolf", infoFile());
        QCOMPARE(dialog.findChild<QLabel*>("picPortrait")->pixmap().size(), QSize(60, 40));
    }

    void closeCaption_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("languageFile");
        QTest::addColumn<QString>("caption");
        QTest::newRow("German") << true << QString() << "&Schließen";
        QTest::newRow("from the language file") << false << kFrenchLanguage << "Fermer";
        QTest::newRow("default") << false << QString("[entities]\n") << "Close";
    }
    void closeCaption()
    {
        QFETCH(bool, german);
        QFETCH(QString, languageFile);
        QFETCH(QString, caption);
        if (!german)
            useFrench(languageFile);
        frmInfo dialog(m_session, "Wolf", infoFile());
        QCOMPARE(dialog.findChild<QPushButton*>("btnClose")->text(), caption);
    }

    void closeButtonClosesTheModalWindow()
    {
        frmInfo dialog(m_session, "Wolf", infoFile());
        QCOMPARE(dialog.objectName(), QString("frmInfo"));
        QVERIFY(dialog.isModal());
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnClose"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void dumpShowsWhatAPersonSees()
    {
        const frmInfo dialog(m_session, " Welpe", infoFile());
        const QJsonObject dump = ModalRunner::DumpDialog(&dialog);
        QCOMPARE(dump.value("caption").toString(), QString("Welpe"));
        const QJsonObject controls = dump.value("controls").toObject();
        QCOMPARE(controls.value("lblName").toObject().value("caption").toString(), QString(" Welpe"));
        QCOMPARE(controls.value("txtInfo").toObject().value("text").toString(),
                 QString("Ein grauer Jäger.\r\nGefährlich im Rudel."));
        QCOMPARE(controls.value("picPortrait").toObject().value("picture").toString(),
                 QString("fallback"));
        QCOMPARE(controls.value("btnClose").toObject().value("caption").toString(),
                 QString("&Schließen"));
    }
};

QTEST_MAIN(TestInfo)
#include "test_info.moc"
