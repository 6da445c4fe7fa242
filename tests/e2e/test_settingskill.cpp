// Killing the program while it stores the language choice never leaves a broken settings file.
#include "support/HostileInstallations.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace

class TestSettingsKill : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_home;
    QString m_settings;
    QByteArray m_old;
    QByteArray m_new;
    qint64 m_runMs = 0;

    QStringList arguments() const
    {
        return {"--home", m_home, "--batch", "--language", "English"};
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("KARVENNA_REGISTRY", m_dir.path() + "/registry.ini");
        return env;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_home = m_dir.path() + "/home";
        Hostile::WriteBase(m_home);
        writeAll(m_dir.path() + "/registry.ini",
                 "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        m_settings = m_home + "/karvenna.ini";
        m_old = readAll(m_settings);
        QVERIFY(!m_old.contains("language=English"));

        // One complete run gives the new file and how long a run takes.
        QProcess p;
        p.setProcessEnvironment(environment());
        QElapsedTimer timer;
        timer.start();
        p.start(QStringLiteral(KARVENNA_BIN), arguments());
        QVERIFY(p.waitForFinished(60000));
        m_runMs = timer.elapsed();
        m_new = readAll(m_settings);
        QVERIFY(m_new.contains("language=English"));
        QVERIFY(m_new != m_old);
    }

    void killedAtRandomMomentsLeavesOldOrNew()
    {
        QRandomGenerator random(20261206);
        int sawOld = 0;
        int sawNew = 0;
        int leftovers = 0;
        for (int i = 0; i < 100; ++i) {
            writeAll(m_settings, m_old);
            QProcess p;
            p.setProcessEnvironment(environment());
            p.start(QStringLiteral(KARVENNA_BIN), arguments());
            QVERIFY(p.waitForStarted());
            // Half the kills fall anywhere in the run, half near its end where the write is.
            const qint64 delay = i % 2 == 0 ? random.bounded(m_runMs + 1)
                                            : m_runMs * 3 / 4 + random.bounded(m_runMs / 2 + 1);
            p.waitForFinished(int(delay));
            p.kill(); // SIGKILL
            p.waitForFinished(10000);
            const QByteArray now = readAll(m_settings);
            QVERIFY2(now == m_old || now == m_new,
                     qPrintable(QString("kill %1 after %2 ms left: %3").arg(i).arg(delay).arg(QString::fromUtf8(now.left(400)))));
            (now == m_old ? sawOld : sawNew)++;
            // A kill between writing and renaming leaves the hidden half-written copy behind.
            for (const QString& left : QDir(m_home).entryList({".karvenna.ini.*"}, QDir::Files | QDir::Hidden)) {
                QFile::remove(m_home + "/" + left);
                ++leftovers;
            }
        }
        qInfo("old file %d times, new file %d times, %d hidden copies left by kills (a run takes %lld ms)",
              sawOld, sawNew, leftovers, m_runMs);
    }
};

QTEST_GUILESS_MAIN(TestSettingsKill)
#include "test_settingskill.moc"
