#pragma once
#include <QString>

namespace Sound {

constexpr int SND_ASYNC = 0x1;
constexpr int SND_LOOP = 0x8;

// PlaySoundA stand-in: a file with SND_ASYNC|SND_LOOP (9) plays looping in the background;
// an empty file name stops what plays. A missing file or no audio device plays nothing and
// reports nothing. Batch mode records the call instead.
void PlaySoundA(const QString& file, int flags);

// The sound player can be loaded (the machine may still have no audio output).
bool PlayerAvailable();

} // namespace Sound
