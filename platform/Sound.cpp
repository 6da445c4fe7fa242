#include "platform/Sound.h"
#include "platform/Automation.h"

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

} // namespace

void Sound::PlaySoundA(const QString& file, int flags)
{
    if (Automation::instance().batch()) {
        Automation::instance().recordSound(file, flags);
        return;
    }
    stop();
    if (file.isEmpty() || !QFileInfo(file).isFile() || !QCoreApplication::instance())
        return;
    if (QMediaDevices::audioOutputs().isEmpty())
        return;

    auto* effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    const bool loop = (flags & SND_ASYNC) && (flags & SND_LOOP);
    effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    // A file that cannot be decoded plays nothing; nobody is told.
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error && current() == effect)
            stop();
    });
    effect->play();
    current() = effect;
}
