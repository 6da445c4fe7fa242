// The session: the version text with the registry's or the build's revision, paths inside the
// installation, and two sessions that share nothing.
#include "modules/Globals.h"
#include "modules/Session.h"
#include "support/TestInstall.h"

#include "Version.h"

#include <QTest>

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void versionText_data();
    void versionText();
    void productTexts();
    void inProgramFolder();
    void sessionsAreIndependent();
};

void TestSession::versionText_data()
{
    QTest::addColumn<QString>("revision");
    QTest::addColumn<QString>("expected");
    const QString majorMinor =
        QStringLiteral("%1.%2.").arg(KARVENNA_VERSION_MAJOR).arg(KARVENNA_VERSION_MINOR);
    QTest::newRow("registry revision") << "7" << majorMinor + "7 Final";
    QTest::newRow("build revision when empty")
        << "" << majorMinor + QString::number(KARVENNA_VERSION_REVISION) + " Final";
}

void TestSession::versionText()
{
    QFETCH(QString, revision);
    QFETCH(QString, expected);
    Session session;
    session.Revision = revision;
    QCOMPARE(session.VersionText(), expected);
}

void TestSession::productTexts()
{
    QCOMPARE(Globals::ProductTitle(), QString(KARVENNA_PRODUCT_TITLE));
    QCOMPARE(Globals::VersionMajor(), KARVENNA_VERSION_MAJOR);
    QCOMPARE(Globals::VersionMinor(), KARVENNA_VERSION_MINOR);
    QCOMPARE(Globals::BuildRevision(), KARVENNA_VERSION_REVISION);
    QVERIFY(!Globals::LegalNotice().isEmpty());
    QVERIFY(!Globals::FileDescription().isEmpty());
}

void TestSession::inProgramFolder()
{
    Session session;
    session.ProgramFolder = "/opt/karvenna";
    QCOMPARE(session.InProgramFolder("caldora.jpg"), QString("/opt/karvenna/caldora.jpg"));
    QCOMPARE(session.InProgramFolder("LANG/English/English.lng"),
             QString("/opt/karvenna/LANG/English/English.lng"));
}

// Translating in one session, with its tables and indexes, leaves another one as it was.
void TestSession::sessionsAreIndependent()
{
    TestInstall install;
    install.writeText("LANG/English/English.lng",
                      "[general]\nlanguage=English\n[entities]\nHöhle=Cave\nCaldora=Kaldor\n");
    Session english;
    LanguageState& language = english.language;
    language.LanguageName = language.LanguageStem = "English";
    language.LanguageFolder = install.path() + "/LANG/";
    language.LanguageFile = LOCAL::LanguageFileOf(language, "English");
    LOCAL::CacheTranslationTable(language);
    english.search.SearchTerm = "Höhle";

    Session german;
    QCOMPARE(LOCAL::LocalizeName(english.language, "Höhle in Caldora"), QString("Cave in Kaldor"));
    QCOMPARE(LOCAL::DelocalizeName(english.language, "Cave in Kaldor"), QString("Höhle in Caldora"));
    QVERIFY(LOCAL::IsGerman(german.language));
    QVERIFY(german.language.EntityKeys.isEmpty() && german.language.RegionNames.isEmpty());
    QCOMPARE(LOCAL::DelocalizeName(german.language, "Cave in Kaldor"), QString("Cave in Kaldor"));
    QVERIFY(german.search.SearchTerm.isEmpty());
}

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
