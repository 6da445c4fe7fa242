#pragma once
// The sound player, built as a module of its own that the program loads the first time it plays
// something: the audio libraries (and the two dozen they pull in) stay out of every start-up.
#include <QString>

extern "C" {
// Plays file (an existing file), looping when loop is set, in place of what plays now.
// Returns false when there is no audio output.
typedef bool (*KarvennaSoundPlay)(const QString& file, bool loop);
// Stops what plays; nothing when nothing does.
typedef void (*KarvennaSoundStop)();
}

#define KARVENNA_SOUND_PLAY "karvenna_sound_play"
#define KARVENNA_SOUND_STOP "karvenna_sound_stop"
