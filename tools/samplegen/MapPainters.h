#pragma once
// Map pictures drawn from the world model, at the model's picture size.
#include <QImage>

#include "WorldModel.h"

QImage PaintRegion(const WorldMap& world, quint64 seed);
QImage PaintDungeon(const WorldMap& world, quint64 seed);
