// karvenna-ini as data authors use it: what it prints, what it writes, and its usage message.
#include "support/TestInstall.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run karvennaIni(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KARVENNA_INI_BIN), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class TestKarvennaIni : public QObject
{
    Q_OBJECT

private:
    TestInstall m_install;
    QString m_file;

private slots:
    void initTestCase();
    void prints_data();
    void prints();
    void setWritesThroughWriteIni();
    void badCommandLine_data();
    void badCommandLine();
};

void TestKarvennaIni::initTestCase()
{
    // Windows-1252 on disk; the tool prints UTF-8.
    m_install.writeBytes("caldora.data", "[Caves]\r\n"
                                         "H\xF6hle der W\xF6lfe=120,340\r\n"
                                         "; ausgeblendet\r\n"
                                         "\r\n"
                                         "Grotte = \" 5,6 \" \r\n"
                                         "[places]\r\n"
                                         "Leer=\r\n");
    m_file = m_install.file("caldora.data");
}

void TestKarvennaIni::prints_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("get") << QStringList{"get", m_file, "caves", "HÖHLE DER WÖLFE"}
                         << QByteArray("120,340\n");
    QTest::newRow("get unquoted") << QStringList{"get", m_file, "Caves", "Grotte"}
                                  << QByteArray(" 5,6 \n");
    QTest::newRow("get empty, default")
        << QStringList{"get", m_file, "places", "Leer", "nichts"} << QByteArray("nichts\n");
    QTest::newRow("get empty, no default")
        << QStringList{"get", m_file, "places", "Leer"} << QByteArray("\n");
    QTest::newRow("keys") << QStringList{"keys", m_file, "Caves"}
                          << QString("Höhle der Wölfe\n; ausgeblendet\nGrotte\n").toUtf8();
    QTest::newRow("keys, strict header") << QStringList{"keys", m_file, "caves"} << QByteArray();
    QTest::newRow("sections") << QStringList{"sections", m_file} << QByteArray("Caves\nplaces\n");
    QTest::newRow("missing file") << QStringList{"sections", m_install.file("absent")}
                                  << QByteArray();
}

void TestKarvennaIni::prints()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    const Run run = karvennaIni(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, output);
}

void TestKarvennaIni::setWritesThroughWriteIni()
{
    const QString file = m_install.file("karvenna.ini");
    QCOMPARE(karvennaIni({"set", file, "general", "language", "Français"}).exitCode, 0);
    QCOMPARE(karvennaIni({"set", file, "General", "LANGUAGE", "Español"}).exitCode, 0);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QString("[general]\r\nlanguage=Español\r\n").toUtf8());
    QCOMPARE(karvennaIni({"get", file, "general", "language"}).out, QString("Español\n").toUtf8());
}

void TestKarvennaIni::badCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"delete", "a.ini"};
    QTest::newRow("get without key") << QStringList{"get", "a.ini", "s"};
    QTest::newRow("get with too much") << QStringList{"get", "a.ini", "s", "k", "d", "x"};
    QTest::newRow("keys without section") << QStringList{"keys", "a.ini"};
    QTest::newRow("sections with more") << QStringList{"sections", "a.ini", "s"};
    QTest::newRow("set without value") << QStringList{"set", "a.ini", "s", "k"};
}

void TestKarvennaIni::badCommandLine()
{
    QFETCH(QStringList, arguments);
    const Run run = karvennaIni(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith("Usage: karvenna-ini"));
    QVERIFY(!QFile::exists("a.ini"));
}

QTEST_GUILESS_MAIN(TestKarvennaIni)
#include "test_karvennaini.moc"
