// The installation as start-up reads it: where its files are, which one is missing first, and
// the settings with their defaults and normalisations.
#include "modules/installation/Installation.h"
#include "support/TestInstall.h"

#include <QtTest>

class TestInstallation : public QObject
{
    Q_OBJECT

private slots:
    void pathsFollowTheFolderAsGiven()
    {
        const Installation in(QStringLiteral("/opt/karvenna/./x"));
        QCOMPARE(in.settingsFile(), QStringLiteral("/opt/karvenna/./x/karvenna.ini"));
        QCOMPARE(in.infoFile(), QStringLiteral("/opt/karvenna/./x/info.data"));
        QStringList ids;
        for (const MapFiles& map : in.maps()) {
            ids << map.id;
            QCOMPARE(map.picture, in.folder() + '/' + map.id + ".jpg");
            QCOMPARE(map.dataFile, in.folder() + '/' + map.id + ".data");
        }
        QCOMPARE(ids, QStringList({"caldora", "frostmere", "qasira", "urkesh", "ancestors"}));
        QCOMPARE(in.mapById(u"qasira"), &in.maps()[2]);
        QVERIFY(!in.mapById(u"Qasira"));
        QVERIFY(!in.mapById(u""));
    }

    void firstMissingFile_data()
    {
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("missing");
        QTest::newRow("complete") << QStringList() << QStringList() << QString();
        QTest::newRow("data files before pictures")
            << QStringList{"qasira.jpg", "urkesh.data"} << QStringList() << "urkesh.data";
        QTest::newRow("maps in order") << QStringList{"ancestors.data", "frostmere.data"} << QStringList()
                                       << "frostmere.data";
        QTest::newRow("an empty picture counts as missing")
            << QStringList() << QStringList{"caldora.jpg"} << "caldora.jpg";
        QTest::newRow("no description file is fine") << QStringList{"info.data"} << QStringList() << QString();
    }
    void firstMissingFile()
    {
        QFETCH(QStringList, removed);
        QFETCH(QStringList, emptied);
        QFETCH(QString, missing);
        TestInstall install;
        install.writeMinimalInstallation();
        install.writeText("info.data", "[Info]\n");
        for (const QString& name : removed)
            QVERIFY(QFile::remove(install.file(name)));
        for (const QString& name : emptied)
            install.writeBytes(name, {});
        const Installation in(install.path());
        QCOMPARE(in.firstMissingFile(), missing.isEmpty() ? QString() : install.file(missing));
    }

    void settings_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QStringList>("expected"); // folders, stem, substitute, flags, localized
        QTest::newRow("no settings file")
            << QString() << QStringList{"EXTRAS", "PICS", "LANG", "", "English", "--", ""};
        QTest::newRow("values trimmed, flags any case")
            << "[folders]\nextras=Mehr\npics=Bilder\nlang=Sprachen\n[general]\nlanguage=  English \n"
               "SubstLang= Polski \n[special]\nNoExtras=Yes \nNoLang=YES\nLocalizedString= PL \n"
            << QStringList{"Mehr", "Bilder", "Sprachen", "English", "Polski", "EL", "PL"};
        QTest::newRow("German never substitutes")
            << "[general]\nSubstLang=deutsch\n[special]\nNoExtras=no\nNoLang=ja\n"
            << QStringList{"EXTRAS", "PICS", "LANG", "", "English", "--", ""};
        QTest::newRow("empty values take the defaults")
            << "[folders]\npics=\n[general]\nSubstLang=\n"
            << QStringList{"EXTRAS", "PICS", "LANG", "", "English", "--", ""};
    }
    void settings()
    {
        QFETCH(QString, ini);
        QFETCH(QStringList, expected);
        TestInstall install;
        if (!ini.isNull())
            install.writeText("karvenna.ini", ini);
        const StartupSettings s = Installation(install.path()).readSettings();
        const QString flags = QString(s.noExtras ? 'E' : '-') + (s.noLang ? 'L' : '-');
        QCOMPARE((QStringList{s.extrasFolder, s.picsFolder, s.langFolder, s.languageStem,
                              s.substituteLanguage, flags, s.localizedString}),
                 expected);
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "test_installation.moc"
