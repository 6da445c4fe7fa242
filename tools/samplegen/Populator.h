#pragma once
// Helpers that create entities on a map and file them into its sections.
#include <functional>

#include "Catalog.h"
#include "Rng.h"
#include "Roles.h"

class Populator
{
public:
    Populator(Catalog& cat, MapData& map, Rng& rng) : m_cat(cat), m_map(map), m_rng(rng) {}

    const WorldMap& world() const { return m_map.world; }
    Rng& rng() { return m_rng; }

    // A free spot within radius of centre (on land, in a room for dungeons).
    QPointF near(const QPointF& centre, double radius);
    const Site* randomSite(const QStringList& kinds);
    QVector<const Site*> campsLike(const QStringList& words);

    // A person of the trade near pos; named "<trade> <given name>" or "<given name> <epithet>".
    int person(const QString& trade, const QPointF& pos, bool epithet, Climate names);
    int person(const QString& trade, const QPointF& pos, bool epithet) { return person(trade, pos, epithet, m_map.world.climate); }
    // An orc: "<title> <orc name>".
    int orc(const QString& trade, const QPointF& pos);
    // A thing at a place: "<thing> (<place>)" or "<thing> (<place>, n)".
    int thing(const Word& what, const QString& kind, const QPointF& pos, const QString& placeDe,
              const QString& placeEn, int number = 0);
    bool known(const QString& name) const;
    // A named site or area as an entity of its own; a known name gives the known entity.
    int place(const QString& de, const QString& en, const QString& kind, const QPointF& pos);

    const Entity& entity(int index) const { return m_cat.entities[index]; }
    void put(const QString& section, int index, const QString& special = {});
    void link(const QString& section, int index, const QString& target);
    void putRaw(const QString& section, const QString& key, const QString& value);
    Section& section(const QString& name) { return m_map.section(name); }

    // Things of a kind spread over spots chosen by pick(); returns how many were placed.
    int scatter(const QString& section, const QVector<Word>& words, const QString& kind, int count,
                const std::function<bool(QPointF&, QString&, QString&)>& pick, bool numbered);

private:
    Catalog& m_cat;
    MapData& m_map;
    Rng& m_rng;
};
