#pragma once
// The hunting list: what is still to find on paper. Entries of the shown category, or of a
// whole map, with their position on the 1024 x 768 reference picture, the found mark and the
// first line of their description.
#include "modules/EntityId.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <functional>

class MainDisplay;
class Session;

struct HuntEntry
{
    EntityId entity;
    QString shown;       // the name as the interface language shows it
    QPoint position;     // reference-picture pixels
    bool found = false;
    QString description; // first line, without the "\n" marks
};

struct HuntList
{
    QString title;
    QList<HuntEntry> entries;
    int foundCount() const;
};

namespace HuntLists {

using IsFound = std::function<bool(const EntityId&)>;

// The entries the display shows now: the all-at-once display's markers or the list's lines;
// empty when neither is on the map. title: the heading, without "&".
HuntList ForShown(const MainDisplay& display, Session& session, const IsFound& isFound);
// Every enabled entry of every section of a map's data file, each entity once, by shown name.
HuntList ForMap(const QString& dataFile, const QString& mapId, const QString& title, Session& session,
                const IsFound& isFound);

} // namespace HuntLists
