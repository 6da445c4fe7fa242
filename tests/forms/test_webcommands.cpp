// The help, read-me, download and web-site commands: which document or address each hands
// to the desktop, with the language and settings fallbacks.
#include "forms/main/DesktopCommands.h"
#include "modules/Session.h"
#include "modules/LOCAL.h"
#include "support/RecordedServices.h"
#include "platform/Shell.h"
#include "support/TestInstall.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>
#include <QUrl>

namespace {

QStringList recordedTargets(const BatchRecord& record)
{
    QStringList targets;
    for (const QJsonValue& entry : record.shell()) {
        const QJsonObject o = entry.toObject();
        targets << (o["kind"].toString() == "open" ? o["target"].toString()
                                                    : o["commandLine"].toString());
    }
    return targets;
}

} // namespace

class TestWebCommands : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<Services> m_services = RecordingServices();

private:
    TestInstall* m_install = nullptr;
    QString m_cwd;

    // Relative paths of the installation made absolute and quoted, "%1" being its folder.
    QStringList expand(const QStringList& relative) const
    {
        QStringList result;
        for (const QString& r : relative)
            result << QString(r).replace("%1", m_install->path());
        return result;
    }

    void chooseLanguage(const QString& stem)
    {
        LanguageState& language = m_session.language;
        language.LanguageStem = stem;
        language.LanguageName = stem.isEmpty() ? "Deutsch" : stem;
        language.LanguageFolder = m_install->path() + "/LANG/";
        language.SubstituteLanguage = "English";
    }

private slots:
    void init()
    {
        m_cwd = QDir::currentPath();
        m_install = new TestInstall;
        m_services = RecordingServices();
        m_session = Session();
        m_session.ProgramFolder = m_install->path();
        m_session.SettingsFile = m_install->file("karvenna.ini");
    }

    void cleanup()
    {
        m_services = RecordingServices();
        delete m_install;
    }

    void helpFallsBackOnceToTheSubstituteLanguage_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("expected");
        const QString own = "\"%1/LANG/Francais/karvenna.chm\"";
        const QString substitute = "\"%1/LANG/English/karvenna.chm\"";
        const QString german = "\"%1/karvenna.chm\"";
        QTest::newRow("own help file")
            << "Francais" << QStringList{"LANG/Francais/karvenna.chm", "LANG/English/karvenna.chm"}
            << QStringList{own};
        QTest::newRow("own missing: substitute")
            << "Francais" << QStringList{"LANG/English/karvenna.chm"} << QStringList{own, substitute};
        QTest::newRow("both missing: nothing more")
            << "Francais" << QStringList{} << QStringList{own, substitute};
        QTest::newRow("German stem: program folder only")
            << "Deutsch" << QStringList{"LANG/Deutsch/karvenna.chm", "LANG/English/karvenna.chm"}
            << QStringList{german};
        QTest::newRow("German stem, file missing: no retry")
            << "Deutsch" << QStringList{} << QStringList{german};
        QTest::newRow("empty stem looks into the language folder")
            << "" << QStringList{"karvenna.chm", "LANG/English/karvenna.chm"}
            << QStringList{"\"%1/LANG//karvenna.chm\"", substitute};
    }

    void helpFallsBackOnceToTheSubstituteLanguage()
    {
        QFETCH(QString, stem);
        QFETCH(QStringList, files);
        QFETCH(QStringList, expected);
        for (const QString& file : files)
            m_install->writeText(file, "ITSF");
        chooseLanguage(stem);
        DesktopCommands::OpenHelp(m_session, [this](const QString& target) {
            return m_services->shell->open(target, "open", m_install->path());
        });
        QCOMPARE(recordedTargets(m_services->record), expand(expected));
    }

    void readMeFallsBackWhenMissingOrEmpty_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("ownPage");   // "" none, "empty" 0 bytes, else content
        QTest::addColumn<QString>("expected");
        const QString own = "mshta.exe \"%1/LANG/Francais/readme.html\"";
        const QString substitute = "mshta.exe \"%1/LANG/English/readme.html\"";
        QTest::newRow("own page") << "Francais" << "<p>x</p>" << own;
        QTest::newRow("missing page") << "Francais" << "" << substitute;
        QTest::newRow("empty page") << "Francais" << "empty" << substitute;
        QTest::newRow("German stem") << "Deutsch" << "<p>x</p>"
                                     << "mshta.exe \"%1/readme.html\"";
        QTest::newRow("empty stem") << "" << "<p>x</p>" << substitute;
    }

    void readMeFallsBackWhenMissingOrEmpty()
    {
        QFETCH(QString, stem);
        QFETCH(QString, ownPage);
        QFETCH(QString, expected);
        if (ownPage == "empty")
            m_install->writeBytes("LANG/Francais/readme.html", QByteArray());
        else if (!ownPage.isEmpty())
            m_install->writeText("LANG/Francais/readme.html", ownPage);
        chooseLanguage(stem);
        DesktopCommands::OpenReadMe(m_session, *m_services->shell);
        QCOMPARE(recordedTargets(m_services->record), expand({expected}));
        // The page is named in full: the program's current folder stays where it was started.
        QCOMPARE(QDir::currentPath(), m_cwd);
    }

    void readMePageIsOneArgument()
    {
        TestInstall odd;
        m_session.language.LanguageStem = "Francais";
        m_session.language.LanguageFolder = odd.path() + "/my lang;$(id)/";
        odd.writeText("my lang;$(id)/Francais/readme.html", "<p>x</p>");
        DesktopCommands::OpenReadMe(m_session, *m_services->shell);
        const QStringList commandLine =
            Shell::ParseCommandLine(recordedTargets(m_services->record).value(0));
        QCOMPARE(commandLine,
                 QStringList({"mshta.exe", odd.path() + "/my lang;$(id)/Francais/readme.html"}));
    }

    void downloadAddressReadsTheSettingsEachTime_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("expected");
        const QString archive = "http://www.karvenna.example/download/karvenna.rar";
        QTest::newRow("configured, trimmed")
            << "Download" << "[urls]\nDownload=  http://mirror.example/k.rar  \n"
            << "http://mirror.example/k.rar";
        QTest::newRow("blank value") << "Download" << "[urls]\nDownload=   \n" << archive;
        QTest::newRow("no settings file") << "Download" << "" << archive;
        QTest::newRow("game patch default") << "thornvalepatch" << "[urls]\n"
                                            << "http://patches.thornvale-game.example/";
        QTest::newRow("translator kit configured")
            << "tranlatorsdk" << "[urls]\ntranlatorsdk=http://sdk.example/kit.zip\n"
            << "http://sdk.example/kit.zip";
        QTest::newRow("key spelled otherwise is not read")
            << "tranlatorsdk" << "[urls]\ntranslatorsdk=http://sdk.example/kit.zip\n" << archive;
    }

    void downloadAddressReadsTheSettingsEachTime()
    {
        QFETCH(QString, key);
        QFETCH(QString, settings);
        QFETCH(QString, expected);
        if (!settings.isEmpty())
            m_install->writeText("karvenna.ini", settings);
        QCOMPARE(DesktopCommands::DownloadAddress(m_session.SettingsFile, key), expected);

        m_install->writeText("karvenna.ini", "[urls]\n" + key + "=http://changed.example/\n");
        QCOMPARE(DesktopCommands::DownloadAddress(m_session.SettingsFile, key), QString("http://changed.example/"));
    }

    void webSitesAreFullHttpAddresses_data()
    {
        QTest::addColumn<QString>("menuName");
        for (const char* name : {"miThornvaleHomeSite", "miHalvarkForum", "miLH",
                                 "miSiteThornvaleNet", "miSiteBastion"})
            QTest::newRow(name) << name;
    }

    void webSitesAreFullHttpAddresses()
    {
        QFETCH(QString, menuName);
        const QUrl url(DesktopCommands::WebSiteAddress(menuName));
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QString("http"));
        QVERIFY(!url.host().isEmpty());
        QVERIFY(m_services->shell->open(url.toString()) > 32);
    }

    void forumAddressNamesItsBoard()
    {
        const QUrl forum(DesktopCommands::WebSiteAddress("miHalvarkForum"));
        QCOMPARE(forum.path(), QString("/forumdisplay.php"));
        QCOMPARE(forum.query(), QString("f=252"));
    }

    void downloadKeysAreNotWebSites()
    {
        QVERIFY(DesktopCommands::WebSiteAddress("Download").isEmpty());
        QVERIFY(DesktopCommands::WebSiteAddress("miUnknown").isEmpty());
    }
};

QTEST_MAIN(TestWebCommands)
#include "test_webcommands.moc"
