// The sound service: the recording one records every call and plays nothing; the desktop's
// never complains about a file it cannot play.
#include "platform/Sound.h"
#include "support/TestInstall.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

class TestSound : public QObject
{
    Q_OBJECT

    DesktopSound m_sound;

private slots:
    void cleanup() { m_sound.play(QString(), SoundService::SND_ASYNC); }

    void batchRecordsInsteadOfPlaying_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("flags");
        QTest::newRow("loop") << "/opt/karvenna/karvenna.wav" << 9;
        QTest::newRow("stop") << "" << 1;
        QTest::newRow("missing file") << "/nowhere/x.wav" << 9;
    }

    void batchRecordsInsteadOfPlaying()
    {
        QFETCH(QString, file);
        QFETCH(int, flags);
        BatchRecord record;
        RecordingSound(record).play(file, flags);
        const QJsonArray sounds = record.sounds();
        QCOMPARE(sounds.size(), 1);
        QCOMPARE(sounds.at(0).toObject().value("file").toString(), file);
        QCOMPARE(sounds.at(0).toObject().value("flags").toInt(), flags);
    }

    // The player is a module of its own, loaded on first use: it must be where the program
    // looks for it, or no sound would ever play.
    void playerIsFound()
    {
        QVERIFY(m_sound.playerAvailable());
    }

    void flagValuesAreThoseOfTheSystem()
    {
        QCOMPARE(SoundService::SND_ASYNC | SoundService::SND_LOOP, 9);
    }

    // On a machine that may have no audio output, a real wave and files that cannot play
    // alike are played, replaced and stopped without a word.
    void playsReplacesAndStopsSilently_data()
    {
        QByteArray wave("RIFF");
        const QByteArray samples(800, '\x80');
        const auto le32 = [](quint32 v) {
            return QByteArray(1, char(v)) + char(v >> 8) + char(v >> 16) + char(v >> 24);
        };
        const auto le16 = [](quint16 v) { return QByteArray(1, char(v)) + char(v >> 8); };
        wave += le32(36 + samples.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
                le32(8000) + le32(8000) + le16(1) + le16(8) + "data" + le32(samples.size()) + samples;

        QTest::addColumn<QString>("relative");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("a wave") << "tone.wav" << wave;
        QTest::newRow("missing") << "" << QByteArray();
        QTest::newRow("empty file") << "empty.wav" << QByteArray();
        QTest::newRow("not a wave") << "text.wav" << QByteArray("just some text\r\n");
        QTest::newRow("a folder") << "folder.wav/inner" << QByteArray("x");
    }

    void playsReplacesAndStopsSilently()
    {
        QFETCH(QString, relative);
        QFETCH(QByteArray, bytes);
        TestInstall install;
        QString file = install.file("missing.wav");
        if (!relative.isEmpty()) {
            install.writeBytes(relative, bytes);
            file = install.file(relative.section('/', 0, 0));
        }
        m_sound.play(file, SoundService::SND_ASYNC | SoundService::SND_LOOP);
        QTest::qWait(30);
        m_sound.play(file, SoundService::SND_ASYNC);
        QTest::qWait(30);
        m_sound.play(QString(), SoundService::SND_ASYNC);
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "test_sound.moc"
