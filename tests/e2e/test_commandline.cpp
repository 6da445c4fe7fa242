// The command line as a user types it: help and version, malformed lines, paths relative to
// the folder the program was started in, outputs that cannot be written, and the find
// dialog's option given before a cancel.
#include "support/TestInstall.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program in startDirectory, with a German system so that start-up asks nothing.
Run karvenna(const QStringList& arguments, const QString& startDirectory = QDir::tempPath(),
             const QString& registry = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KARVENNA_PRINTERS", "");
    // Keeps Qt's own start-up notices out of the error output the tests read.
    static const QTemporaryDir runtime;
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    if (!registry.isEmpty())
        env.insert("KARVENNA_REGISTRY", registry);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(startDirectory);
    process.start(QStringLiteral(KARVENNA_BIN), arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -3;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QStringList linesNaming(const QString& text, const QString& file)
{
    QStringList lines;
    for (const QString& line : text.split('\n'))
        if (line.contains(file))
            lines << line;
    return lines;
}

QJsonObject readJson(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    TestInstall m_install;   // a loadable installation, shared by the runs
    QString m_registry;

private slots:
    void initTestCase()
    {
        m_install.writeMinimalInstallation("[caves]\nHöhle am Fluss=100,100\n");
        m_install.writeText("registry.ini",
                            "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        m_registry = m_install.file("registry.ini");
    }

    void helpAndVersionPrintAndExit()
    {
        const Run help = karvenna({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.err.isEmpty());
        for (const char* option : {"--home", "--batch", "--dump", "--snapshot", "--pdf-file",
                                   "--find-mode", "--find-cancel", "--check", "--version"})
            QVERIFY2(help.out.contains(QLatin1String(option)), option);

        const Run version = karvenna({"--version"});
        QCOMPARE(version.exitCode, 0);
        QVERIFY2(QRegularExpression("^karvenna \\d+\\.\\d+\\.\\d+\\n$").match(version.out).hasMatch(),
                 qPrintable(version.out));
    }

    void malformedLineExitsWithUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{"--bogus"};
        QTest::newRow("bad size") << QStringList{"--batch", "--size", "wide"};
        QTest::newRow("missing value") << QStringList{"--batch", "--pick"};
        QTest::newRow("bare word") << QStringList{"--batch", "miQuit"};
        QTest::newRow("single dash") << QStringList{"-home", "x"};
        QTest::newRow("value for a switch") << QStringList{"--batch=yes"};
        QTest::newRow("bad find mode") << QStringList{"--batch", "--find-mode", "all"};
        QTest::newRow("bad right-click") << QStringList{"--batch", "--right-click", "1;2"};
        QTest::newRow("check with an action") << QStringList{"--check", "--about"};
    }

    void malformedLineExitsWithUsage()
    {
        QFETCH(QStringList, arguments);
        const Run run = karvenna(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains("Usage: karvenna") || run.err.contains("--check"), qPrintable(run.err));
    }

    // Every path is taken from where the program was started, never from --home.
    void relativePathsStartFromTheStartDirectory()
    {
        QTemporaryDir start;
        const QString home = QDir(start.path()).relativeFilePath(m_install.path());
        const Run run = karvenna({"--home", home, "--batch", "--open", "miCaldoraCaves",
                                  "--print", "PDF:portrait", "--pdf-file", "map.pdf",
                                  "--dump", "state.json", "--snapshot", "map.png"},
                                 start.path(), m_registry);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));

        for (const char* name : {"state.json", "map.png", "map.pdf"}) {
            QVERIFY2(QFileInfo(start.filePath(name)).size() > 0, name);
            QVERIFY2(!QFileInfo::exists(m_install.file(name)), name);
        }
        const QJsonObject dump = readJson(start.filePath("state.json"));
        QCOMPARE(dump["currentMap"].toString(), QString("caldora"));
        QCOMPARE(dump["printed"].toArray().first()["file"].toString(), start.filePath("map.pdf"));
    }

    // Tests run as root, who may write anywhere: a missing folder and a file standing where a
    // folder should be are what cannot be written.
    void unwritableOutputExitsOne_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("file");   // relative to the start directory
        QTest::addColumn<QString>("other");  // the other output, which is still written
        QTest::newRow("dump in a missing folder") << "--dump" << "missing/state.json" << "--snapshot";
        QTest::newRow("snapshot in a missing folder") << "--snapshot" << "missing/map.png" << "--dump";
        QTest::newRow("dump below a file") << "--dump" << "plain/state.json" << "--snapshot";
    }

    void unwritableOutputExitsOne()
    {
        QFETCH(QString, option);
        QFETCH(QString, file);
        QFETCH(QString, other);
        QTemporaryDir start;
        QFile plain(start.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();

        const Run run = karvenna({"--home", m_install.path(), "--batch", option, file, other, "other.out"},
                                 start.path(), m_registry);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(linesNaming(run.err, start.filePath(file)).size(), 1);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(QFileInfo(start.filePath("other.out")).size() > 0);
    }

    // The option is clicked at once, as a person's click is, even when the dialog is cancelled.
    void findModeBeforeCancelIsClicked_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("unchecked");
        QTest::newRow("descriptions") << QStringList{"--find-mode", "descriptions", "--find-cancel"}
                                      << "rbDescsOnly" << "rbNamesOnly";
        QTest::newRow("names after descriptions")
            << QStringList{"--find-mode", "descriptions", "--find-cancel", "--find-mode", "names",
                           "--find-cancel"}
            << "rbNamesOnly" << "rbDescsOnly";
    }

    void findModeBeforeCancelIsClicked()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, checked);
        QFETCH(QString, unchecked);
        QTemporaryDir start;
        const Run run = karvenna(QStringList{"--home", m_install.path(), "--batch"} + actions
                                     + QStringList{"--dump", "state.json"},
                                 start.path(), m_registry);
        QCOMPARE(run.exitCode, 0);
        const QJsonObject dump = readJson(start.filePath("state.json"));
        QVERIFY(dump["errors"].toArray().isEmpty());
        const QJsonObject closed = dump["dialogs"].toArray().last()["closed"].toObject();
        QCOMPARE(closed["result"].toInt(), 0);
        QCOMPARE(closed["controls"][checked]["value"].toBool(), true);
        QCOMPARE(closed["controls"][unchecked]["value"].toBool(), false);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
