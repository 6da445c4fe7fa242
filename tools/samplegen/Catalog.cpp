#include "Catalog.h"

#include <cmath>

#include "Rng.h"

Section& MapData::section(const QString& name)
{
    for (Section& s : sections)
        if (s.name == name)
            return s;
    sections.push_back(Section{name, {}});
    return sections.last();
}

bool NameRegistry::accept(const QString& de, const QString& en)
{
    static const QStringList regionWords{"Caldora", "Frostmere", "Qasira", "Ur Kesh", "Tempel von"};
    if (de.isEmpty() || en.isEmpty() || de.startsWith(' ') || de.startsWith(';') || de.startsWith('/'))
        return false;
    for (const QString& w : regionWords)
        if (de.contains(w) || en.contains(w))
            return false;
    for (const QString& other : m_de)
        if (other.startsWith(de) || de.startsWith(other))
            return false;
    for (const QString& other : m_en)
        if (other.startsWith(en) || en.startsWith(other))
            return false;
    m_de << de;
    m_en << en;
    return true;
}

int Catalog::add(const Entity& e)
{
    if (!names.accept(e.name, e.nameEn))
        return -1;
    entities.push_back(e);
    m_index.insert(e.name, entities.size() - 1);
    return entities.size() - 1;
}

const Entity* Catalog::find(const QString& name) const
{
    auto it = m_index.find(name);
    return it == m_index.end() ? nullptr : &entities[*it];
}

MapData& Catalog::map(const QString& id)
{
    for (MapData& m : maps)
        if (m.world.id == id)
            return m;
    return maps.first();
}

QString Record(const QPointF& p, const QString& special)
{
    QString r = QString::number(qRound(p.x())) + ',' + QString::number(qRound(p.y()));
    if (!special.isEmpty())
        r += ',' + special;
    return r;
}

QString LinkRecord(const QString& section)
{
    return "#," + section;
}

Catalog BuildCatalog(quint64 seed)
{
    Catalog cat;
    Rng worldRng(seed);
    cat.maps.push_back(MapData{BuildCaldora(worldRng), {}});
    cat.maps.push_back(MapData{BuildFrostmere(worldRng), {}});
    cat.maps.push_back(MapData{BuildQasira(worldRng), {}});
    cat.maps.push_back(MapData{BuildUrKesh(worldRng), {}});
    cat.maps.push_back(MapData{BuildAncestors(worldRng), {}});

    Rng rng(seed ^ 0x5EEDF00Dull);
    for (MapData& m : cat.maps) {
        if (m.world.isDungeon())
            PopulateDungeon(cat, m, rng);
        else
            PopulateRegion(cat, m, rng);
    }
    PopulatePerks(cat, rng);

    // Most entities have a description and a picture, but not all of them.
    for (int i = 0; i < cat.entities.size(); ++i) {
        Entity& e = cat.entities[i];
        e.hasInfo = i % 11 != 5;
        const bool listed = e.kind == QLatin1String("item") && (e.mapId == QLatin1String("urkesh")
                                                               || e.mapId == QLatin1String("ancestors"));
        e.hasPicture = listed ? i % 4 == 0 : i % 3 != 2;
    }
    return cat;
}
