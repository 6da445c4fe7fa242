#include "platform/audio/SoundModule.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

// One sound at a time, as with PlaySoundA: a new sound replaces the one playing.
QPointer<QSoundEffect>& current()
{
    static QPointer<QSoundEffect> effect;
    return effect;
}

void stop()
{
    if (QSoundEffect* effect = current()) {
        effect->stop();
        effect->deleteLater();
    }
    current() = nullptr;
}

bool play(const QString& file, bool loop)
{
    stop();
    if (QMediaDevices::audioOutputs().isEmpty())
        return false;
    auto* effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    // A file that cannot be decoded plays nothing; nobody is told.
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error && current() == effect)
            stop();
    });
    effect->play();
    current() = effect;
    return true;
}

} // namespace

extern "C" {
Q_DECL_EXPORT bool karvenna_sound_play(const QString& file, bool loop) { return play(file, loop); }
Q_DECL_EXPORT void karvenna_sound_stop() { stop(); }
}

// Both signatures must stay those the program expects.
static_assert(std::is_same_v<decltype(&karvenna_sound_play), KarvennaSoundPlay>);
static_assert(std::is_same_v<decltype(&karvenna_sound_stop), KarvennaSoundStop>);
