#pragma once
// The map data files, the description files and the settings file.
#include <QString>

#include "Catalog.h"
#include "Descriptions.h"

void WriteMapData(const Catalog& cat, const QString& outDir);
void WriteInfoFiles(const QVector<Description>& descriptions, const QString& outDir);
void WriteSettings(const QString& outDir);
