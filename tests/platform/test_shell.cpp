// The shell service: command-line splitting, what the recording shell records instead of
// opening, and the desktop shell's hand-off to its viewers.
#include "platform/Shell.h"
#include "support/TestInstall.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

class TestShell : public QObject
{
    Q_OBJECT

private:
    QStringList m_helpOpened, m_htmlOpened;
    BatchRecord m_record;
    RecordingShell m_recording{m_record};

    // A desktop shell whose viewers note what they were given.
    DesktopShell desktop(bool helpSucceeds = true)
    {
        return DesktopShell(
            [this, helpSucceeds](const QString& path) {
                m_helpOpened.append(path);
                return helpSucceeds;
            },
            [this](const QString& path) {
                m_htmlOpened.append(path);
                return true;
            });
    }

private slots:
    void init()
    {
        m_record = BatchRecord();
        m_helpOpened.clear();
        m_htmlOpened.clear();
    }

    void parsesCommandLine_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("program only") << "notepad.exe" << QStringList{"notepad.exe"};
        QTest::newRow("blanks separate") << "  a   b\tc " << QStringList{"a", "b", "c"};
        QTest::newRow("quoted path with blanks")
            << "mshta.exe \"/home/x/My Games/readme.html\""
            << QStringList{"mshta.exe", "/home/x/My Games/readme.html"};
        QTest::newRow("quoted program") << "\"/opt/a b/run\" -x"
                                        << QStringList{"/opt/a b/run", "-x"};
        QTest::newRow("quotes inside a word join") << "a\"b c\"d e"
                                                   << QStringList{"ab cd", "e"};
        QTest::newRow("empty quotes are an argument") << "prog \"\" x"
                                                      << QStringList{"prog", "", "x"};
        QTest::newRow("shell characters stay literal")
            << "mshta.exe \"/tmp/$(rm -rf x);`id`|&.html\""
            << QStringList{"mshta.exe", "/tmp/$(rm -rf x);`id`|&.html"};
        QTest::newRow("quote in a quoted part ends it")
            << "mshta.exe \"/tmp/a\"b/faq.html\""
            << QStringList{"mshta.exe", "/tmp/ab/faq.html"};
        QTest::newRow("unclosed quote runs to the end") << "p \"a b"
                                                        << QStringList{"p", "a b"};
        QTest::newRow("backslashes are literal") << "p C:\\x\\ \"y\\\""
                                                 << QStringList{"p", "C:\\x\\", "y\\"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("blanks only") << "   " << QStringList{};
    }

    void parsesCommandLine()
    {
        QFETCH(QString, commandLine);
        QFETCH(QStringList, expected);
        QCOMPARE(Shell::ParseCommandLine(commandLine), expected);
    }

    void batchOpenRecordsAndReportsTheRealResult_data()
    {
        QTest::addColumn<QString>("relativeTarget");   // "%1" is the installation
        QTest::addColumn<bool>("expectOpened");
        QTest::newRow("web address") << "http://www.thornvale-game.example/" << true;
        QTest::newRow("mail address") << "mailto:someone@karvenna.example" << true;
        QTest::newRow("existing help file") << "\"%1/LANG/English/karvenna.chm\"" << true;
        QTest::newRow("existing path unquoted") << "%1/EXTRAS/faq.html" << true;
        QTest::newRow("missing help file") << "\"%1/LANG/Klingon/karvenna.chm\"" << false;
        QTest::newRow("empty file") << "\"%1/EXTRAS/empty.chm\"" << false;
        QTest::newRow("quoted address is a path") << "\"http://x.example/\"" << false;
        QTest::newRow("empty target") << "" << false;
    }

    void batchOpenRecordsAndReportsTheRealResult()
    {
        QFETCH(QString, relativeTarget);
        QFETCH(bool, expectOpened);
        TestInstall install;
        install.writeText("LANG/English/karvenna.chm", "ITSF");
        install.writeText("EXTRAS/faq.html", "<html></html>");
        install.writeBytes("EXTRAS/empty.chm", QByteArray());

        const QString target = relativeTarget.contains("%1") ? relativeTarget.arg(install.path())
                                                             : relativeTarget;
        const int result = m_recording.open(target, "open", install.path());

        if (expectOpened)
            QVERIFY2(result > 32, qPrintable(QString::number(result)));
        else
            QCOMPARE(result, 2);
        const QJsonArray shell = m_record.shell();
        QCOMPARE(shell.size(), 1);
        const QJsonObject open = shell.first().toObject();
        QCOMPARE(open["kind"].toString(), QString("open"));
        QCOMPARE(open["target"].toString(), target);
        QCOMPARE(open["verb"].toString(), QString("open"));
        QCOMPARE(open["directory"].toString(), install.path());
        QVERIFY(m_helpOpened.isEmpty());
    }

    void relativeTargetIsFoundInTheWorkingFolder()
    {
        TestInstall install;
        install.writeText("readme.html", "<p>x</p>");
        QVERIFY(m_recording.open("\"readme.html\"", "open", install.path()) > 32);
        QCOMPARE(m_recording.open("\"other.html\"", "open", install.path()), 2);
    }

    void batchStartRecordsAndStartsNothing()
    {
        TestInstall install;
        const QString marker = install.file("started");
        const QString commandLine = "touch \"" + marker + "\"";
        QVERIFY(m_recording.start(commandLine));
        QVERIFY(m_recording.start("mshta.exe \"" + install.file("readme.html") + "\""));

        QTest::qWait(300);
        QVERIFY(!QFileInfo::exists(marker));
        QVERIFY(m_htmlOpened.isEmpty());
        const QJsonArray shell = m_record.shell();
        QCOMPARE(shell.size(), 2);
        QCOMPARE(shell[0].toObject()["kind"].toString(), QString("run"));
        QCOMPARE(shell[0].toObject()["commandLine"].toString(), commandLine);
        QCOMPARE(shell[1].toObject()["commandLine"].toString(),
                 "mshta.exe \"" + install.file("readme.html") + "\"");
    }

    void compiledHelpGoesToTheHelpViewer()
    {
        TestInstall install;
        install.writeText("karvenna.chm", "ITSF");
        QVERIFY(desktop().open("\"" + install.file("karvenna.chm") + "\"") > 32);
        QCOMPARE(m_helpOpened, QStringList{install.file("karvenna.chm")});
    }

    void missingHelpFileNeverReachesTheViewer()
    {
        TestInstall install;
        QCOMPARE(desktop().open("\"" + install.file("karvenna.chm") + "\""), 2);
        QVERIFY(m_helpOpened.isEmpty());
    }

    void unreadableHelpFileIsAFailedOpen()
    {
        TestInstall install;
        install.writeText("broken.chm", "not a help file");
        QVERIFY(desktop(false).open("\"" + install.file("broken.chm") + "\"") <= 32);
    }

    void noHelpViewerIsAFailedOpen()
    {
        TestInstall install;
        install.writeText("karvenna.chm", "ITSF");
        QVERIFY(DesktopShell({}, {}).open("\"" + install.file("karvenna.chm") + "\"") <= 32);
    }

    void htmlHostGoesToTheHtmlViewer_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("lower case") << "mshta.exe";
        QTest::newRow("any case") << "MSHTA.EXE";
        QTest::newRow("with a folder") << "C:\\Windows\\System32\\mshta.exe";
    }

    void htmlHostGoesToTheHtmlViewer()
    {
        QFETCH(QString, program);
        TestInstall install;
        const QString page = install.file("my pages/$(id);x.html");
        QVERIFY(desktop().start(program + " \"" + page + "\""));
        QCOMPARE(m_htmlOpened, QStringList{page});
    }

    void startsAProgramWithItsArgumentsAsGiven()
    {
        TestInstall install;
        const QString made = install.file("a b;$(echo c)");
        QVERIFY(desktop().start("touch \"" + made + "\""));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(made), 5000);
    }

    void programThatCannotStartReportsFalse()
    {
        QVERIFY(!desktop().start("\"/nonexistent/karvenna-missing-program\" x"));
        QVERIFY(!desktop().start(""));
        QVERIFY(!DesktopShell({}, {}).start("mshta.exe \"/tmp/readme.html\""));
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "test_shell.moc"
