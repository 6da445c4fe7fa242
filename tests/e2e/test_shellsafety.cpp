// Names from the installation reach the desktop as one path or one address each: quotes,
// semicolons and "$(...)" in a folder name or a settings address are never split or run.
#include "platform/Shell.h"
#include "support/TestInstall.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

namespace {

const QString kHostile = QStringLiteral("a\"b; $(touch PWNED) 'c` & d|e");

QJsonArray shellEntries(const TestInstall& install, const QString& settings, const QStringList& actions)
{
    install.writeMinimalInstallation(QString(), settings);
    install.writeText("registry.ini", "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
    const BatchResult r = RunKarvenna(QStringList{"--home", install.path(), "--batch"} + actions,
                                      {"KARVENNA_REGISTRY=" + install.file("registry.ini")});
    if (r.exitCode != 0)
        qWarning() << r.stdErr;
    return r.dump().value("shell").toArray();
}

bool anythingNamedPwned(const QString& folder)
{
    QDirIterator it(folder, {"PWNED"}, QDir::AllEntries, QDirIterator::Subdirectories);
    return it.hasNext() || QFileInfo::exists(QDir::currentPath() + "/PWNED");
}

QString unquoted(const QString& target)
{
    return target.size() >= 2 && target.startsWith('"') && target.endsWith('"') ? target.mid(1, target.size() - 2)
                                                                               : target;
}

} // namespace

class TestShellSafety : public QObject
{
    Q_OBJECT

private slots:
    void documentOfAnExtrasFolderIsOneArgument()
    {
        TestInstall install;
        const QString folder = "X" + kHostile;
        install.writeText(folder + "/faq.html", "<html><body>FAQ</body></html>");
        const QJsonArray shell = shellEntries(
            install, "[folders]\nextras=" + folder + "\n[general]\nlanguage=Deutsch\n", {"--extras", "faq.html"});
        QCOMPARE(shell.size(), 1);
        const QString commandLine = shell[0].toObject().value("commandLine").toString();
        const QStringList parts = Shell::ParseCommandLine(commandLine);
        QCOMPARE(parts, QStringList({"mshta.exe", install.path() + "/" + folder + "/faq.html"}));
        QVERIFY(!anythingNamedPwned(install.path()));
    }

    void pagesOfALanguageFolderAreOnePath()
    {
        TestInstall install;
        const QString stem = "L" + kHostile;
        install.writeText("LANG/" + stem + "/" + stem + ".lng", "[general]\nlanguage=Hostile\n");
        install.writeText("LANG/" + stem + "/readme.html", "<html><body>Lies mich</body></html>");
        install.writeText("LANG/" + stem + "/karvenna.chm", "not really compiled help");
        const QJsonArray shell = shellEntries(install, QString(),
                                              {"--language", stem, "--open", "miReadMe", "--open", "miHelp"});
        QCOMPARE(shell.size(), 2);
        const QString folder = install.path() + "/LANG/" + stem;
        QCOMPARE(Shell::ParseCommandLine(shell[0].toObject().value("commandLine").toString()),
                 QStringList({"mshta.exe", folder + "/readme.html"}));
        QCOMPARE(shell[1].toObject().value("kind").toString(), QString("open"));
        QCOMPARE(unquoted(shell[1].toObject().value("target").toString()), folder + "/karvenna.chm");
        QVERIFY(!anythingNamedPwned(install.path()));
    }

    void settingsAddressIsOneTarget_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("quotes and $()") << "http://example.invalid/\"; $(touch PWNED); \"";
        QTest::newRow("semicolons and backticks") << "https://example.invalid/a;b`touch PWNED`&c=|d";
    }
    void settingsAddressIsOneTarget()
    {
        QFETCH(QString, address);
        TestInstall install;
        const QJsonArray shell =
            shellEntries(install, "[urls]\nDownload=" + address + "\n", {"--open", "miUpdateKarvenna"});
        QCOMPARE(shell.size(), 1);
        QCOMPARE(shell[0].toObject().value("target").toString(), address);
        QVERIFY(!anythingNamedPwned(install.path()));
    }

    // Quoting as the program quotes its documents keeps any path whole.
    void quotedPathsSplitBack_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("blanks") << "/home/p/My Maps/faq.html";
        QTest::newRow("semicolon and $()") << "/x/a; $(rm -rf ~)/faq.html";
        QTest::newRow("tabs") << "/x/a\tb/faq.html";
    }
    void quotedPathsSplitBack()
    {
        QFETCH(QString, path);
        QCOMPARE(Shell::ParseCommandLine("mshta.exe \"" + path + "\""), QStringList({"mshta.exe", path}));
    }
};

QTEST_GUILESS_MAIN(TestShellSafety)
#include "test_shellsafety.moc"
