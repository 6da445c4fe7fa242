#pragma once
// Portraits and emblems of the entities, and the picture index pic.ini that names them.
#include <QString>

#include "Catalog.h"

// Relative picture path of every entity that has a picture, as pic.ini lists it.
QVector<Entry> PictureIndex(const Catalog& cat);
void WritePictureIndex(const Catalog& cat, const QString& outDir);
bool DrawEntityPictures(const Catalog& cat, const QString& outDir);
