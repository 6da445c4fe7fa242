// The installation as start-up reads it: where its files are (in any case of their names),
// which one is missing first, the settings with their defaults and normalisations, where the
// language choice is kept, and which installation the program opens.
#include "modules/IniOps.h"
#include "modules/installation/Installation.h"
#include "modules/UserFiles.h"
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

    void mapFilesAreFoundInAnyCase()
    {
        TestInstall install;
        install.writeMinimalInstallation();
        QVERIFY(QFile::rename(install.file("caldora.data"), install.file("Caldora.data")));
        QVERIFY(QFile::rename(install.file("urkesh.jpg"), install.file("UrKesh.JPG")));
        const Installation in(install.path());
        QCOMPARE(in.maps()[0].dataFile, install.file("Caldora.data"));
        QCOMPARE(in.maps()[3].picture, install.file("UrKesh.JPG"));
        QCOMPARE(in.maps()[1].picture, install.file("frostmere.jpg"));
        QCOMPARE(in.firstMissingFile(), QString());
        QVERIFY(QFile::remove(install.file("UrKesh.JPG")));
        // The message names the file as the program calls it.
        QCOMPARE(Installation(install.path()).firstMissingFile(), install.file("urkesh.jpg"));
    }

    // A writable settings file gets the choice as it always did; a read-only one leaves it
    // unchanged and the user's configuration keeps the choice for that installation only.
    void languageChoiceGoesWhereItCanBeKept_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable installation") << false;
        QTest::newRow("read-only installation") << true;
    }
    void languageChoiceGoesWhereItCanBeKept()
    {
        QFETCH(bool, readOnly);
        TestInstall install;
        install.writeText("a/karvenna.ini", "[general]\nlanguage=Francais\n");
        install.writeText("b/karvenna.ini", "[general]\nlanguage=\n");
        const auto ro = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        if (readOnly)
            QVERIFY(QFile::setPermissions(install.file("a/karvenna.ini"), ro));
        UserConfig user(install.file("config/karvenna.conf"));
        const Installation a(install.file("a"));
        LanguageChoice choice(a.folder(), a.settingsFile(), user);
        QCOMPARE(choice.file(), readOnly ? user.file() : a.settingsFile());
        choice.store("English");

        QCOMPARE(IniOps::ReadIni(a.settingsFile(), "general", "language", ""),
                 readOnly ? QString("Francais") : QString("English"));
        QCOMPARE(LanguageChoice::Kept(a.folder(), user), readOnly ? std::optional<QString>("English") : std::nullopt);
        // What the next start reads, from a fresh look at the user's file.
        const UserConfig nextStart(install.file("config/karvenna.conf"));
        QCOMPARE(a.readSettings(&nextStart).languageStem, QString("English"));
        QCOMPARE(a.readSettings().languageStem, readOnly ? QString("Francais") : QString("English"));
        // Another installation, or the same path written another way, is its own or the same.
        QCOMPARE(Installation(install.file("b")).readSettings(&nextStart).languageStem, QString());
        QCOMPARE(LanguageChoice::Kept(install.file("b/../a/"), nextStart), LanguageChoice::Kept(a.folder(), nextStart));

        // Made writable again, the settings file is what counts.
        QFile::setPermissions(install.file("a/karvenna.ini"), ro | QFile::WriteOwner);
        QCOMPARE(a.readSettings(&nextStart).languageStem, readOnly ? QString("Francais") : QString("English"));
    }

    void choosesTheInstallationToOpen()
    {
        TestInstall install;
        UserConfig user(install.file("config/karvenna.conf"));
        QVERIFY(QDir().mkpath(install.file("prefix/bin")));
        QVERIFY(QDir().mkpath(install.file("prefix/share/karvenna/sample")));
        QVERIFY(QDir().mkpath(install.file("build/sample")));
        const QString installedSample = install.file("prefix/share/karvenna/sample");
        // Installed: the sample beside bin/; a build folder: the staged sample beside the program.
        QCOMPARE(ChooseInstallation({}, user, install.file("prefix/bin")), installedSample);
        QCOMPARE(ChooseInstallation({}, user, install.file("build")), install.file("build/sample"));
        QCOMPARE(ChooseInstallation("/given", user, install.file("prefix/bin")), QString("/given"));

        TestInstall other;
        other.writeMinimalInstallation();
        RememberInstallation(other.path() + "/.", user);
        QCOMPARE(ChooseInstallation({}, user, install.file("prefix/bin")), other.path());
        QCOMPARE(ChooseInstallation("/given", user, install.file("prefix/bin")), QString("/given"));
        // One that lost a file since is no dead end: the sample opens instead.
        QVERIFY(QFile::remove(other.file("qasira.jpg")));
        QCOMPARE(ChooseInstallation({}, user, install.file("prefix/bin")), installedSample);
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "test_installation.moc"
