#pragma once
#include <QByteArray>

// A short loop of original music: plucked strings over a drone, 22050 Hz mono, 16 bit.
QByteArray SynthesiseThemeWav();
