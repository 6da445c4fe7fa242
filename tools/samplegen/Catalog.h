#pragma once
// The entities of the sample and the sections of the five data files.
#include <QHash>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

#include "WorldModel.h"

class Rng;

struct Entity
{
    QString name;      // German, the key everywhere
    QString nameEn;
    QString kind;      // person, orc, creature, item, chest, plant, resource, place, stone, key, tomb ...
    QString role;      // finer kind for descriptions and pictures (smith, druid, wolf, potion ...)
    QString first;     // a person's given name
    QString where;     // nearby site (German) and its English name
    QString whereEn;
    QString mapId;
    QPointF pos;
    bool female = false;
    bool hasPicture = true;
    bool hasInfo = true;
};

struct Entry
{
    QString key;
    QString value;
};

struct Section
{
    QString name;
    QVector<Entry> entries;
};

struct MapData
{
    WorldMap world;
    QVector<Section> sections;
    Section& section(const QString& name);
};

// German and English names must be unique, and none may begin with another: the language
// file translates by the first key that a name begins with.
class NameRegistry
{
public:
    bool accept(const QString& de, const QString& en);
    bool contains(const QString& de) const { return m_de.contains(de); }

private:
    QStringList m_de, m_en;
};

class Catalog
{
public:
    QVector<MapData> maps;
    QVector<Entity> entities;
    NameRegistry names;

    // Adds the entity when its names are still free; returns its index or -1.
    int add(const Entity& e);
    const Entity* find(const QString& name) const;
    MapData& map(const QString& id);

private:
    QHash<QString, int> m_index;
};

QString Record(const QPointF& p, const QString& special = {});
QString LinkRecord(const QString& section);

Catalog BuildCatalog(quint64 seed);

// Fills the maps' sections: outdoor regions, dungeons, perk teachers.
void PopulateRegion(Catalog& cat, MapData& map, Rng& rng);
void PopulateDungeon(Catalog& cat, MapData& map, Rng& rng);
void PopulatePerks(Catalog& cat, Rng& rng);
