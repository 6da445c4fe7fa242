// Program-wide settings: the version text with the registry's or the build's revision, and
// paths inside the installation.
#include "modules/Globals.h"

#include "Version.h"

#include <QTest>

class TestGlobals : public QObject
{
    Q_OBJECT

private slots:
    void versionText_data();
    void versionText();
    void productTexts();
    void inProgramFolder();
};

void TestGlobals::versionText_data()
{
    QTest::addColumn<QString>("revision");
    QTest::addColumn<QString>("expected");
    const QString majorMinor =
        QStringLiteral("%1.%2.").arg(KARVENNA_VERSION_MAJOR).arg(KARVENNA_VERSION_MINOR);
    QTest::newRow("registry revision") << "7" << majorMinor + "7 Final";
    QTest::newRow("build revision when empty")
        << "" << majorMinor + QString::number(KARVENNA_VERSION_REVISION) + " Final";
}

void TestGlobals::versionText()
{
    QFETCH(QString, revision);
    QFETCH(QString, expected);
    G().Revision = revision;
    QCOMPARE(G().VersionText(), expected);
}

void TestGlobals::productTexts()
{
    QCOMPARE(Globals::ProductTitle(), QString(KARVENNA_PRODUCT_TITLE));
    QCOMPARE(Globals::VersionMajor(), KARVENNA_VERSION_MAJOR);
    QCOMPARE(Globals::VersionMinor(), KARVENNA_VERSION_MINOR);
    QVERIFY(!Globals::LegalNotice().isEmpty());
    QVERIFY(!Globals::FileDescription().isEmpty());
}

void TestGlobals::inProgramFolder()
{
    G().ProgramFolder = "/opt/karvenna";
    QCOMPARE(G().InProgramFolder("caldora.jpg"), QString("/opt/karvenna/caldora.jpg"));
    QCOMPARE(G().InProgramFolder("LANG/English/English.lng"),
             QString("/opt/karvenna/LANG/English/English.lng"));
}

QTEST_GUILESS_MAIN(TestGlobals)
#include "test_globals.moc"
