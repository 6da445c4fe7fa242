#pragma once
// What the installation check needs to know about an installation, read from its settings
// the way start-up reads them.
#include "modules/EntityId.h"
#include "modules/installation/Installation.h"

#include <QList>
#include <QString>

namespace Lint {

struct Entity
{
    QString name; // German key as the data file holds it
    QString file; // data file and line of its first entry
    int line = 0;
};

struct Installation
{
    QString home;           // cleaned absolute path; the folders as found, in any case
    QString settingsFile;
    QString languageFolder; // ends with "/"
    QString picturesFolder; // ends with "/"
    QString extrasFolder;   // ends with "/"
    QString infoFile;
    QString languageStem;   // "general"/"language", trimmed
    std::array<MapFiles, ::Installation::MapCount> maps;
    QList<Entity> entities; // enabled keys of every section of every map, each name once

    static Installation Read(const QString& home);
};

} // namespace Lint
