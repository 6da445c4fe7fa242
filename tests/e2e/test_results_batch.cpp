// The result list driven from the command line, on a copy of the sample installation.
#include "support/TestInstall.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

class TestResultsBatch : public QObject
{
    Q_OBJECT

    TestInstall m_install;
    // Each case's own per-user folders: marks of one case or one run never reach the next.
    std::unique_ptr<QTemporaryDir> m_user;

    BatchResult run(const QStringList& actions)
    {
        const QString user = m_user->path();
        return RunKarvenna(QStringList{"--home", m_install.path(), "--batch"} + actions,
                           {"KARVENNA_REGISTRY=" + m_install.file("registry.ini"),
                            "XDG_CONFIG_HOME=" + user + "/config", "XDG_DATA_HOME=" + user + "/data",
                            "XDG_STATE_HOME=" + user + "/state"});
    }

    static QJsonArray rows(const BatchResult& r) { return r.dump()["results"].toObject()["rows"].toArray(); }

private slots:
    void initTestCase()
    {
        const QDir sample(QStringLiteral(KARVENNA_SAMPLE_DIR));
        QDirIterator it(sample.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            QFile f(from);
            QVERIFY(f.open(QIODevice::ReadOnly));
            m_install.writeBytes(sample.relativeFilePath(from), f.readAll());
        }
        m_install.writeText("registry.ini",
                            "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
    }

    void init() { m_user = std::make_unique<QTemporaryDir>(); }

    void rowsAreMergedRankedAndShown()
    {
        const BatchResult r = run({"--find-all", "wolfram", "--show-result", "0"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject dump = r.dump();
        QCOMPARE(dump["results"].toObject()["term"].toString(), QString("wolfram"));
        const QJsonArray list = rows(r);
        QVERIFY(list.size() > 3);
        // Prefix rows before word rows; the bandit listed three times is one row.
        QCOMPARE(list[0].toObject()["kind"].toString(), QString("prefix"));
        const QStringList ranks{"prefix", "word", "substring", "fuzzy", "description"};
        int bandits = 0;
        qsizetype rank = 0;
        for (const QJsonValue& v : list) {
            const QJsonObject row = v.toObject();
            QVERIFY(ranks.indexOf(row["kind"].toString()) >= rank);
            rank = ranks.indexOf(row["kind"].toString());
            QCOMPARE(row["found"].toBool(), false);
            if (row["map"] == "caldora" && row["name"] == "Bandit Wolfram") {
                ++bandits;
                QCOMPARE(row["kind"].toString(), QString("word"));
                QCOMPARE(row["categories"].toArray().size(), 3);
            }
        }
        QCOMPARE(bandits, 1);
        // Shown as the find dialog shows a hit, under the result list's term.
        const QJsonObject first = list[0].toObject();
        QCOMPARE(dump["infoSubject"].toString(), first["name"].toString());
        const QJsonObject controls = dump["controls"].toObject();
        QVERIFY(controls["ITEM"].toObject()["visible"].toBool());
        QCOMPARE(controls["lblMultiInfo"].toObject()["caption"].toString(),
                 QString(" Suchergebnis für: wolfram "));
        // The result list takes its room from the map area.
        QVERIFY(dump["window"].toObject()["width"].toInt() < 945 * 15 + 90);
        QCOMPARE(dump["errors"].toArray().size(), 0);
    }

    // Marks made before the list opens and while it is open both show in its rows.
    void rowsShowFoundMarks()
    {
        const BatchResult r = run({"--mark-name", "caldora:Bandit Wolfram", "--find-all", "wolfram",
                                   "--mark-name", "caldora:Wolfram Einauge"});
        QCOMPARE(r.exitCode, 0);
        QStringList found;
        for (const QJsonValue& v : rows(r))
            if (v.toObject()["found"].toBool())
                found << v.toObject()["name"].toString();
        found.sort();
        QCOMPARE(found, QStringList({"Bandit Wolfram", "Wolfram Einauge"}));
    }

    void englishNamesTypoAndMissingRows()
    {
        const BatchResult r = run({"--language", "English", "--find-all", "the bandti",
                                   "--show-result", "99999"});
        QCOMPARE(r.exitCode, 0);
        const QJsonArray list = rows(r);
        QVERIFY(!list.isEmpty());
        const QJsonObject first = list[0].toObject();
        QCOMPARE(first["kind"].toString(), QString("fuzzy"));
        QVERIFY(first["shown"].toString().contains("the Bandit"));
        QVERIFY(!first["name"].toString().contains("the Bandit"));
        const QJsonArray errors = r.dump()["errors"].toArray();
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].toString().startsWith("--show-result 99999"));
        // Without the list open there is no row to show.
        const BatchResult closed = run({"--show-result", "0"});
        QCOMPARE(closed.dump()["errors"].toArray().size(), 1);
        QCOMPARE(rows(closed).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestResultsBatch)
#include "test_results_batch.moc"
