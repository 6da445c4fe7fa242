#pragma once
// The language folder: English complete, French partial (so the English defaults show).
#include <QString>

#include "Catalog.h"

void WriteLanguageFiles(const Catalog& cat, const QString& outDir);
void WriteFlags(const QString& outDir);
