#include "platform/Sound.h"
#include "platform/Automation.h"
#include "platform/audio/SoundModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

// Where the build and the installation put the sound module, relative to a prefix.
#ifndef KARVENNA_MODULE_DIR
#define KARVENNA_MODULE_DIR "lib/karvenna"
#endif

namespace {

struct Player
{
    KarvennaSoundPlay play = nullptr;
    KarvennaSoundStop stop = nullptr;
};

// The sound module, loaded on first use and found relative to the program, so that an
// installation can be moved: in lib/karvenna beside the program's bin folder once installed,
// below the program's own folder in the build tree (where the test programs sit one level down).
const Player& player()
{
    static const Player loaded = [] {
        const QString programDir = QCoreApplication::applicationDirPath();
        const QString module = QStringLiteral(KARVENNA_MODULE_DIR "/karvenna-sound.so");
        const QStringList candidates{programDir + QStringLiteral("/../") + module,
                                     programDir + QLatin1Char('/') + module};
        for (const QString& path : std::as_const(candidates)) {
            QLibrary library(path);
            if (!library.load())
                continue;
            Player p;
            p.play = reinterpret_cast<KarvennaSoundPlay>(library.resolve(KARVENNA_SOUND_PLAY));
            p.stop = reinterpret_cast<KarvennaSoundStop>(library.resolve(KARVENNA_SOUND_STOP));
            if (p.play && p.stop)
                return p;  // stays loaded to the end of the program
            library.unload();
        }
        return Player();
    }();
    return loaded;
}

bool started = false;  // whether anything was played: stopping needs no module before that

} // namespace

bool Sound::PlayerAvailable()
{
    return QCoreApplication::instance() && player().play;
}

void Sound::PlaySoundA(const QString& file, int flags)
{
    if (Automation::instance().batch()) {
        Automation::instance().recordSound(file, flags);
        return;
    }
    if (!QCoreApplication::instance())
        return;
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        // A new sound replaces the old one even when it cannot play.
        if (started && player().stop)
            player().stop();
        return;
    }
    const Player& p = player();
    if (!p.play)
        return;  // no sound module: silence, as on a machine without audio
    started = true;
    const bool loop = (flags & SND_ASYNC) && (flags & SND_LOOP);
    p.play(QFileInfo(file).absoluteFilePath(), loop);
}
