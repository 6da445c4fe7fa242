// Killing the program while it marks never costs a mark it had reported done, and the store
// always opens clean afterwards: 100 runs, each marking a batch of entities and sent SIGKILL
// at a random moment.
#include "modules/EntityId.h"
#include "modules/IniOps.h"
#include "support/TestInstall.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QThread>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <csignal>

class TestProgressKill : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_names; // entities of the sample's Caldora
    qint64 m_runMs = 0;
    static constexpr int kMarks = 120;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", m_dir.filePath("data"));
        env.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
        env.insert("KARVENNA_TRACE_MARKS", "1");
        env.insert("KARVENNA_REGISTRY", m_dir.filePath("registry.ini"));
        return env;
    }

    QStringList arguments(int run) const
    {
        QStringList args{"--home", KARVENNA_SAMPLE_DIR, "--batch"};
        // Each run marks a window of the names, overlapping the last run's.
        for (int i = 0; i < kMarks; ++i)
            args << "--mark-name" << "caldora:" + m_names[(run * 37 + i) % m_names.size()];
        return args;
    }

    // The marks the store holds, read as another program would; empty on any failure.
    QSet<QString> storedMarks(QString* integrity)
    {
        QSet<QString> marks;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
            db.setDatabaseName(m_dir.filePath("data/karvenna/progress.sqlite"));
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec("PRAGMA integrity_check") && q.next())
                    *integrity = q.value(0).toString();
                if (q.exec("SELECT map || ':' || name FROM marks"))
                    while (q.next())
                        marks.insert(q.value(0).toString());
            }
        }
        QSqlDatabase::removeDatabase("check");
        return marks;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile registry(m_dir.filePath("registry.ini"));
        QVERIFY(registry.open(QIODevice::WriteOnly));
        registry.write("[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        registry.close();
        for (const QString& key : IniOps::GetIniKeys(KARVENNA_SAMPLE_DIR "/caldora.data", "NPC"))
            if (!IsDisabledKey(key) && !key.contains(':'))
                m_names << key;
        QVERIFY(m_names.size() > 100);

        // One whole run: how long marking takes, so that the kills fall all over it.
        QProcess p;
        p.setProcessEnvironment(environment());
        QElapsedTimer timer;
        timer.start();
        p.start(KARVENNA_BIN, arguments(0));
        QVERIFY(p.waitForFinished(60000));
        m_runMs = timer.elapsed();
        QCOMPARE(p.readAllStandardOutput().count("marked "), kMarks);
    }

    void killedAtRandomMomentsKeepsEveryReportedMark()
    {
        QRandomGenerator random(20261207);
        QSet<QString> reported;
        int killedWhileMarking = 0;
        for (int run = 1; run <= 100; ++run) {
            QProcess p;
            p.setProcessEnvironment(environment());
            p.start(KARVENNA_BIN, arguments(run));
            QVERIFY(p.waitForStarted());
            // A quarter of the kills fall anywhere in the run; the others once a random number
            // of marks has been reported, a random moment later: while it marks, whatever the load.
            QByteArray out;
            if (run % 4 == 0) {
                p.waitForFinished(int(random.bounded(quint32(std::max<qint64>(m_runMs, 20)))));
            } else {
                const int target = int(random.bounded(quint32(kMarks)));
                while (out.count("marked ") < target && p.waitForReadyRead(10000))
                    out += p.readAllStandardOutput();
                QThread::usleep(random.bounded(3000u));
            }
            if (p.state() != QProcess::NotRunning) {
                ::kill(pid_t(p.processId()), SIGKILL);
                QVERIFY(p.waitForFinished(10000));
            }
            out += p.readAllStandardOutput();
            const int lines = int(out.count("marked "));
            killedWhileMarking += lines > 0 && lines < kMarks;
            for (const QByteArray& line : out.split('\n'))
                if (line.startsWith("marked "))
                    reported.insert(QString::fromUtf8(line.mid(7)));

            QString integrity;
            const QSet<QString> stored = storedMarks(&integrity);
            QCOMPARE(integrity, QString("ok"));
            for (const QString& mark : std::as_const(reported))
                QVERIFY2(stored.contains(mark), qPrintable(QString("run %1 lost %2").arg(run).arg(mark)));
        }
        qInfo("%d of 100 runs were killed while marking", killedWhileMarking);
        QVERIFY(killedWhileMarking > 50);

        // The program itself opens the store clean and shows every mark.
        const BatchResult r = RunKarvenna({"--home", KARVENNA_SAMPLE_DIR, "--batch", "--dump", m_dir.filePath("end.json")},
                                          {"XDG_DATA_HOME=" + m_dir.filePath("data"),
                                           "XDG_CONFIG_HOME=" + m_dir.filePath("config"),
                                           "KARVENNA_REGISTRY=" + m_dir.filePath("registry.ini")});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject dump = r.dump();
        QVERIFY(dump["messages"].toArray().isEmpty());
        QVERIFY(dump["progress"]["persistent"].toBool());
        QVERIFY(dump["progress"]["found"].toArray().size() >= reported.size());
        QVERIFY(QDir(m_dir.filePath("data/karvenna")).entryList({"*.damaged-*"}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProgressKill)
#include "test_progresskill.moc"
