// The registry stand-in: values from the file named by KARVENNA_REGISTRY, or the system
// language from the locale when there is no such file.
#include "modules/Registry_Module.h"
#include "support/TestInstall.h"

#include <QTest>

using namespace Registry_Module;

namespace {

const char* const kVariables[] = {"KARVENNA_REGISTRY", "LC_ALL", "LC_MESSAGES", "LANG"};

QString systemLanguage()
{
    return RegReadPath("HKEY_CURRENT_USER\\Control Panel\\International\\", "sLanguage");
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private:
    TestInstall m_install;
    QList<QByteArray> m_saved;

private slots:
    void initTestCase()
    {
        for (const char* name : kVariables)
            m_saved.append(qgetenv(name));
        m_install.writeText("registry.ini", "[HKEY_CURRENT_USER\\Control Panel\\International]\n"
                                            "sLanguage=enu\n"
                                            "[HKEY_LOCAL_MACHINE\\Software\\Karvenna]\n"
                                            "Revision= 7 \n"
                                            "Empty=\n");
    }
    void init()
    {
        for (const char* name : kVariables)
            qunsetenv(name);
    }
    void cleanupTestCase()
    {
        for (int i = 0; i < m_saved.size(); ++i)
            qputenv(kVariables[i], m_saved[i]);
    }

    void fromFile_data();
    void fromFile();
    void missingFileHasNoValues();
    void localeLanguage_data();
    void localeLanguage();
    void withoutFileOtherValuesAbsent();
};

void TestRegistry::fromFile_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("revision") << "HKEY_LOCAL_MACHINE"
                              << "Software\\Karvenna"
                              << "Revision"
                              << "7";
    QTest::newRow("root in lower case") << "hkey_local_machine"
                                        << "Software\\Karvenna"
                                        << "Revision"
                                        << "7";
    QTest::newRow("names in any case") << "HKEY_LOCAL_MACHINE"
                                       << "SOFTWARE\\karvenna"
                                       << "REVISION"
                                       << "7";
    QTest::newRow("missing value") << "HKEY_LOCAL_MACHINE"
                                   << "Software\\Karvenna"
                                   << "Build"
                                   << "";
    QTest::newRow("empty value") << "HKEY_LOCAL_MACHINE"
                                 << "Software\\Karvenna"
                                 << "Empty"
                                 << "";
    QTest::newRow("missing key") << "HKEY_LOCAL_MACHINE"
                                 << "Software\\Other"
                                 << "Revision"
                                 << "";
    QTest::newRow("other root") << "HKEY_CURRENT_USER"
                                << "Software\\Karvenna"
                                << "Revision"
                                << "";
}

void TestRegistry::fromFile()
{
    QFETCH(QString, root);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    qputenv("KARVENNA_REGISTRY", QFile::encodeName(m_install.file("registry.ini")));
    qputenv("LC_ALL", "de_DE.UTF-8");
    QCOMPARE(RegReadValue(root, key, value), expected);
    // The file wins over the locale.
    QCOMPARE(systemLanguage(), QString("enu"));
    // Without the final "\" the path names another, missing value.
    QCOMPARE(RegReadPath("HKEY_CURRENT_USER\\Control Panel\\International", "sLanguage"),
             QString());
    QCOMPARE(RegReadPath("hkey_current_user\\control panel\\international\\", "SLANGUAGE"),
             QString("enu"));
}

void TestRegistry::missingFileHasNoValues()
{
    qputenv("KARVENNA_REGISTRY", QFile::encodeName(m_install.file("absent.ini")));
    qputenv("LANG", "de_DE.UTF-8");
    QCOMPARE(systemLanguage(), QString());
    QCOMPARE(RegReadValue("HKEY_LOCAL_MACHINE", "Software\\Karvenna", "Revision"), QString());
}

void TestRegistry::localeLanguage_data()
{
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German") << QByteArray("de_DE.UTF-8") << QByteArray() << QByteArray() << "deu";
    QTest::newRow("Austrian German")
        << QByteArray() << QByteArray() << QByteArray("de_AT") << "deu";
    QTest::newRow("bare de") << QByteArray() << QByteArray() << QByteArray("de") << "deu";
    QTest::newRow("English") << QByteArray() << QByteArray() << QByteArray("en_GB.UTF-8") << "enu";
    QTest::newRow("French") << QByteArray() << QByteArray("fr_FR.UTF-8") << QByteArray() << "fra";
    QTest::newRow("Spanish") << QByteArray("es_ES") << QByteArray() << QByteArray() << "esp";
    QTest::newRow("Polish") << QByteArray() << QByteArray() << QByteArray("pl_PL.UTF-8") << "plk";
    QTest::newRow("Russian") << QByteArray() << QByteArray() << QByteArray("ru_RU.KOI8-R") << "rus";
    QTest::newRow("LC_ALL wins") << QByteArray("de_DE") << QByteArray("fr_FR")
                                 << QByteArray("it_IT") << "deu";
    QTest::newRow("LC_MESSAGES before LANG")
        << QByteArray() << QByteArray("it_IT") << QByteArray("de_DE") << "ita";
    QTest::newRow("empty LC_ALL skipped")
        << QByteArray("") << QByteArray() << QByteArray("nl_NL") << "nld";
    QTest::newRow("C locale") << QByteArray("C.UTF-8") << QByteArray() << QByteArray() << "enu";
    QTest::newRow("POSIX") << QByteArray() << QByteArray() << QByteArray("POSIX") << "enu";
    QTest::newRow("unknown") << QByteArray() << QByteArray() << QByteArray("xx_YY") << "enu";
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << "enu";
}

void TestRegistry::localeLanguage()
{
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(QString, expected);
    if (!lcAll.isNull())
        qputenv("LC_ALL", lcAll);
    if (!lcMessages.isNull())
        qputenv("LC_MESSAGES", lcMessages);
    if (!lang.isNull())
        qputenv("LANG", lang);
    QCOMPARE(systemLanguage(), expected);
}

void TestRegistry::withoutFileOtherValuesAbsent()
{
    qputenv("LANG", "de_DE.UTF-8");
    QCOMPARE(RegReadValue("HKEY_LOCAL_MACHINE", "Software\\Karvenna", "Revision"), QString());
    QCOMPARE(RegReadValue("HKEY_CURRENT_USER", "Control Panel\\International", "sCountry"),
             QString());
    QCOMPARE(RegReadValue("hkey_current_user", "Control Panel\\International", "sLanguage"),
             QString("deu"));
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "test_registry.moc"
