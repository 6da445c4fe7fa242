// Found progress through the program in batch mode: marks survive a restart and hold across
// categories and languages, hiding found entities, profiles, the exchange file there and back,
// a damaged store and a store in a folder the player cannot write to.
#include "support/TestInstall.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <unistd.h>

namespace {

const QString kVeit = QStringLiteral("Jäger Veit"); // a hunter, and a quest giver by link
constexpr int kVeitHunter = 5;

QStringList names(const QJsonValue& found)
{
    QStringList list;
    for (const QJsonValue& v : found.toArray())
        list << v["map"].toString() + ":" + v["name"].toString();
    return list;
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_home; // a copy of the sample: choosing a language writes its settings
    int m_player = 0;
    QString m_data;

    // A new player: a fresh per-user data folder.
    void newPlayer() { m_data = m_dir.filePath(QStringLiteral("player%1").arg(++m_player)); }
    QString store() const { return m_data + "/karvenna/progress.sqlite"; }

    QJsonObject run(const QStringList& actions, int expectedExit = 0)
    {
        const BatchResult r = RunKarvenna(QStringList{"--home", m_home, "--batch"} + actions,
                                          {"XDG_DATA_HOME=" + m_data,
                                           "XDG_CONFIG_HOME=" + m_data + "-config",
                                           "KARVENNA_REGISTRY=" + m_dir.filePath("registry.ini")});
        [&] { QCOMPARE(r.exitCode, expectedExit); }();
        return r.dump();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile registry(m_dir.filePath("registry.ini"));
        QVERIFY(registry.open(QIODevice::WriteOnly));
        registry.write("[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        m_home = m_dir.filePath("home");
        QVERIFY(QProcess::execute("cp", {"-r", KARVENNA_SAMPLE_DIR, m_home}) == 0);
    }

    void marksHoldAcrossRestartsCategoriesAndLanguages()
    {
        newPlayer();
        QJsonValue d = run({"--open", "miCaldoraHunters"});
        // Nothing marked: the display is as it always was.
        QCOMPARE(d["progress"]["profile"].toString(), QString("Standard"));
        QVERIFY(d["progress"]["found"].toArray().isEmpty());
        QVERIFY(!d["controls"]["DOT"][kVeitHunter]["found"].toBool());
        const int hunters = d["progress"]["shown"]["total"].toInt();
        QVERIFY(hunters > 5);

        d = run({"--open", "miCaldoraHunters", "--mark", QString("DOT:%1").arg(kVeitHunter),
                 "--mark", "lblDOT:0", "--unmark", "lblDOT:0"});
        QCOMPARE(d["controls"]["DOT"][kVeitHunter]["desc"].toString(), kVeit);
        QVERIFY(d["controls"]["DOT"][kVeitHunter]["found"].toBool());
        QVERIFY(d["controls"]["lblDOT"][kVeitHunter]["found"].toBool());
        QVERIFY(!d["controls"]["DOT"][0]["found"].toBool());
        QCOMPARE(d["popupMenu"].toString(), QString("mxMarkerMenu"));
        QCOMPARE(names(d["progress"]["found"]), QStringList{"caldora:" + kVeit});
        QCOMPARE(d["progress"]["shown"]["found"].toInt(), 1);
        QCOMPARE(d["progress"]["store"].toString(), store());
        QVERIFY(QFile::exists(store()));

        // Another run, another category that reaches him by a link, in English.
        d = run({"--language", "English", "--open", "miCaldoraQuestNPCs", "--pick", "Veit the Hunter"});
        QCOMPARE(d["controls"]["ITEM"]["desc"].toString(), QString("Veit the Hunter"));
        // The progress menu speaks the language too (English by default).
        const QJsonArray bar = d["menus"].toArray();
        const auto progressMenu = std::find_if(bar.begin(), bar.end(), [](const QJsonValue& m) {
            return m["name"].toString() == "mxProgress";
        });
        QVERIFY(progressMenu != bar.end());
        const QJsonValue menu = *progressMenu;
        QCOMPARE(menu["caption"].toString(), QString("&Progress"));
        QCOMPARE(menu["children"][0]["caption"].toString(), QString("&Hide found"));
        QVERIFY(d["controls"]["ITEM"]["found"].toBool());
        QCOMPARE(d["progress"]["shown"]["found"].toInt(), 1);
        d = run({"--language", "English", "--open", "miCaldoraHunters", "--hide-found", "on"});
        QVERIFY(!d["controls"]["DOT"][kVeitHunter]["visible"].toBool());
        QVERIFY(!d["controls"]["lblDOT"][kVeitHunter]["visible"].toBool());
        QVERIFY(d["controls"]["DOT"][kVeitHunter - 1]["visible"].toBool());
        QVERIFY(d["progress"]["hideFound"].toBool());
        QCOMPARE(d["progress"]["shown"]["found"].toInt(), 1);
        QCOMPARE(d["progress"]["shown"]["total"].toInt(), hunters);
        // A hidden marker cannot be right-clicked.
        d = run({"--open", "miCaldoraHunters", "--hide-found", "on", "--unmark", QString("DOT:%1").arg(kVeitHunter),
                 "--hide-found", "off"});
        QCOMPARE(d["errors"].toArray().size(), 1);
        QVERIFY(d["controls"]["DOT"][kVeitHunter]["visible"].toBool());
        QVERIFY(d["controls"]["DOT"][kVeitHunter]["found"].toBool());
        // Found by name from anywhere; refused for what the map does not hold.
        d = run({"--unmark-name", "caldora:" + kVeit, "--mark-name", "frostmere:Nobody",
                 "--mark-name", "atlantis:" + kVeit, "--mark", "DOT:3"});
        QVERIFY(d["progress"]["found"].toArray().isEmpty());
        QCOMPARE(d["errors"].toArray().size(), 3);
    }

    void profilesAndTheExchangeFile()
    {
        newPlayer();
        const QString file = m_dir.filePath("aldric.json");
        QJsonValue d = run({"--profile", "Aldric", "--mark-name", "caldora:" + kVeit, "--mark-name",
                             "caldora:Jäger Lambert", "--export-progress", file});
        QCOMPARE(d["progress"]["profile"].toString(), QString("Aldric"));
        QCOMPARE(d["progress"]["profiles"].toArray().size(), 2);
        QVERIFY(QFile::exists(file));

        // The profile stays chosen; another one starts empty and takes the file in.
        d = run({"--profile", "Brynja", "--mark-name", "caldora:Jäger Notker"});
        QCOMPARE(names(d["progress"]["found"]), QStringList{"caldora:Jäger Notker"});
        d = run({"--import-progress", file});
        QCOMPARE(d["progress"]["profile"].toString(), QString("Brynja"));
        QCOMPARE(d["progress"]["found"].toArray().size(), 3);
        d = run({"--import-mode", "replace", "--import-progress", file, "--import-progress", file});
        QCOMPARE(names(d["progress"]["found"]),
                 (QStringList{"caldora:Jäger Lambert", "caldora:" + kVeit}));

        // A broken file: a message, an error, nothing changed.
        const QString bad = m_dir.filePath("bad.json");
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\"format\": \"something else\"}");
        f.close();
        d = run({"--import-mode", "replace", "--import-progress", bad, "--export-progress", "/nonexistent/x.json"});
        QCOMPARE(d["progress"]["found"].toArray().size(), 2);
        QCOMPARE(d["errors"].toArray().size(), 2);
        QCOMPARE(d["messages"].toArray().size(), 2);
        QVERIFY(d["messages"][0]["text"].toString().contains("karvenna-progress"));
        QCOMPARE(run({"--profile", " "})["errors"].toArray().size(), 1);
    }

    void damagedStoreIsKeptAsideAndANewOneStarts()
    {
        newPlayer();
        QDir().mkpath(m_data + "/karvenna");
        QFile f(store());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("not a database at all\n").repeated(200));
        f.close();
        QJsonValue d = run({"--open", "miCaldoraHunters", "--mark", "DOT:1"});
        QCOMPARE(d["messages"].toArray().size(), 1);
        QCOMPARE(d["messages"][0]["icon"].toString(), QString("critical"));
        QVERIFY(d["messages"][0]["text"].toString().contains(".damaged-"));
        const QStringList aside = QDir(m_data + "/karvenna").entryList({"*.damaged-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(QFileInfo(m_data + "/karvenna/" + aside.first()).size(), qint64(22 * 200));
        d = run({});
        QVERIFY(d["messages"].toArray().isEmpty());
        QCOMPARE(d["progress"]["found"].toArray().size(), 1);
    }

    void readOnlyFolderGivesAMessageAndLosesNothing()
    {
        newPlayer();
        // First the player's marks, written as usual.
        run({"--mark-name", "caldora:" + kVeit});
        const QByteArray before = [&] { QFile f(store()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QVERIFY(!before.isEmpty());
        // Then the folder is made read-only for a player who is not root (root ignores it).
        QFile::setPermissions(m_data + "/karvenna", QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                       | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        for (const QString& name : QDir(m_data + "/karvenna").entryList(QDir::Files))
            QFile::setPermissions(m_data + "/karvenna/" + name, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QString dumpDir = m_dir.filePath("readonly-dump");
        QDir().mkpath(dumpDir);
        QFile::setPermissions(dumpDir, QFileDevice::Permissions(0x7777));
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7755));
        QStringList command{KARVENNA_BIN, "--home", m_home, "--batch", "--open", "miCaldoraHunters",
                            "--mark", "DOT:1", "--dump", dumpDir + "/dump.json"};
        if (::geteuid() == 0) {
            if (QStandardPaths::findExecutable("setpriv").isEmpty())
                QSKIP("setpriv is needed to run as another user");
            command = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--"} + command;
            command.prepend("setpriv");
        }
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", m_data);
        env.insert("XDG_CONFIG_HOME", dumpDir + "/config");
        env.insert("HOME", dumpDir);
        env.insert("KARVENNA_REGISTRY", m_dir.filePath("registry.ini"));
        p.setProcessEnvironment(env);
        p.start(command.takeFirst(), command);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QFile dumpFile(dumpDir + "/dump.json");
        QVERIFY2(dumpFile.open(QIODevice::ReadOnly), p.readAllStandardError().constData());
        const QJsonObject d = QJsonDocument::fromJson(dumpFile.readAll()).object();
        QCOMPARE(d["messages"].toArray().size(), 1);
        QVERIFY(d["messages"][0]["text"].toString().contains(store()));
        QVERIFY(!d["progress"]["persistent"].toBool());
        // What was marked before still shows; the new mark holds for this run.
        QCOMPARE(names(d["progress"]["found"]).size(), 2);
        QVERIFY(names(d["progress"]["found"]).contains("caldora:" + kVeit));
        QVERIFY(d["controls"]["DOT"][1]["found"].toBool());
        // Nothing of the player's was changed or moved.
        QFile f(store());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QVERIFY(QDir(m_data + "/karvenna").entryList({"*.damaged-*"}).isEmpty());
    }

    void malformedProgressOptionsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("hide-found value") << QStringList{"--hide-found", "maybe"};
        QTest::newRow("mark-name without map") << QStringList{"--mark-name", "Jäger Veit"};
        QTest::newRow("import-mode value") << QStringList{"--import-mode", "append"};
    }

    void malformedProgressOptionsAreRefused()
    {
        QFETCH(QStringList, arguments);
        const BatchResult r = RunKarvenna(QStringList{"--batch"} + arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.stdErr.contains("Usage"));
    }
};

QTEST_GUILESS_MAIN(TestProgress)
#include "test_progress.moc"
