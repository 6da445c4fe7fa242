#include "platform/Sound.h"
#include "platform/audio/SoundModule.h"

#include "modules/FileSystem.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

// Where the build and the installation put the sound module, relative to a prefix.
#ifndef KARVENNA_MODULE_DIR
#define KARVENNA_MODULE_DIR "lib/karvenna"
#endif

struct SoundModule
{
    KarvennaSoundPlay play = nullptr;
    KarvennaSoundStop stop = nullptr;
};

namespace {

// Found relative to the program, so that an installation can be moved: in lib/karvenna beside
// the program's bin folder once installed, below the program's own folder in the build tree
// (where the test programs sit one level down). The library stays loaded to the end of the
// program: its player may still be playing.
SoundModule load()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString module = QStringLiteral(KARVENNA_MODULE_DIR "/karvenna-sound.so");
    const QStringList candidates{programDir + QStringLiteral("/../") + module,
                                 programDir + QLatin1Char('/') + module};
    for (const QString& path : std::as_const(candidates)) {
        QLibrary library(path);
        if (!library.load())
            continue;
        SoundModule m;
        m.play = reinterpret_cast<KarvennaSoundPlay>(library.resolve(KARVENNA_SOUND_PLAY));
        m.stop = reinterpret_cast<KarvennaSoundStop>(library.resolve(KARVENNA_SOUND_STOP));
        if (m.play && m.stop)
            return m;
        library.unload();
    }
    return SoundModule();
}

} // namespace

DesktopSound::DesktopSound() = default;
DesktopSound::~DesktopSound() = default;

const SoundModule& DesktopSound::module()
{
    if (!m_module)
        m_module = std::make_unique<SoundModule>(load());
    return *m_module;
}

bool DesktopSound::playerAvailable()
{
    return QCoreApplication::instance() && module().play;
}

void DesktopSound::play(const QString& named, int flags)
{
    if (!QCoreApplication::instance())
        return;
    const QString file = FileSystem::FindFile(named); // "Karvenna.WAV" plays as well
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        // A new sound replaces the old one even when it cannot play.
        if (m_started && module().stop)
            module().stop();
        return;
    }
    const SoundModule& m = module();
    if (!m.play)
        return;  // no sound module: silence, as on a machine without audio
    m_started = true;
    const bool loop = (flags & SND_ASYNC) && (flags & SND_LOOP);
    m.play(QFileInfo(file).absoluteFilePath(), loop);
}
