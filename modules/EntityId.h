#pragma once
// Which entity a marker, a search hit or a perk teacher record stands for: the map it lives on
// and its German name, the key of its data file entry. Names are compared exactly, as the
// data files hold them.
#include <QString>
#include <QStringView>

struct EntityId
{
    QString mapId; // "caldora", ...; empty for an entity of no known map
    QString name;

    bool isNull() const { return name.isEmpty(); }
    bool operator==(const EntityId&) const = default;
};

// Entry keys that begin with ";" or "/" are never listed nor shown, though they keep their
// place in the order of entries.
inline bool IsDisabledKey(QStringView key)
{
    return key.startsWith(u';') || key.startsWith(u'/');
}

// The search also passes over keys that begin with "*".
inline bool IsSearchableKey(QStringView key)
{
    return !IsDisabledKey(key) && !key.startsWith(u'*');
}
