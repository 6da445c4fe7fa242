#include "Populator.h"

#include <QLineF>
#include <cmath>
#include <functional>

QPointF Populator::near(const QPointF& centre, double radius)
{
    const WorldMap& w = m_map.world;
    const int room = w.isDungeon() ? w.roomAt(centre) : -1;
    for (int i = 0; i < 60; ++i) {
        const double a = m_rng.uniform(0, 6.283185307179586);
        const double r = radius * std::sqrt(m_rng.uniform());
        const QPointF p = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (w.isDungeon()) {
            if (room >= 0 && w.rooms[room].rect.adjusted(10, 10, -10, -10).contains(p))
                return p;
            if (room < 0 && w.roomAt(p) >= 0)
                return p;
        } else if (w.onLand(p) && !w.inLake(p) && !w.blocked(p, 12)) {
            return p;
        }
    }
    return centre;
}

const Site* Populator::randomSite(const QStringList& kinds)
{
    QVector<const Site*> list;
    for (const Site& s : m_map.world.sites)
        if (kinds.contains(s.kind))
            list << &s;
    return list.isEmpty() ? nullptr : list[m_rng.range(0, list.size() - 1)];
}

QVector<const Site*> Populator::campsLike(const QStringList& words)
{
    QVector<const Site*> out;
    for (const Site& s : m_map.world.sites)
        if (s.kind == QLatin1String("camp"))
            for (const QString& w : words)
                if (s.name.contains(w)) {
                    out << &s;
                    break;
                }
    return out;
}

int Populator::person(const QString& trade, const QPointF& pos, bool epithet, Climate names)
{
    const Roles::Trade& t = Roles::Get(trade);
    for (int attempt = 0; attempt < 300; ++attempt) {
        const bool female = m_rng.chance(0.4);
        const QString first = m_rng.pick(Lexicon::FirstNames(names, female));
        Entity e;
        e.kind = "person";
        e.role = trade;
        e.first = first;
        e.female = female;
        e.mapId = m_map.world.id;
        e.pos = pos;
        if (epithet || attempt > 200) {
            const Role& ep = m_rng.pick(Lexicon::Epithets());
            e.name = first + ' ' + (female ? ep.deF : ep.de);
            e.nameEn = first + ' ' + ep.en;
        } else {
            e.name = (female ? t.role.deF : t.role.de) + ' ' + first;
            e.nameEn = first + " the " + t.role.en;
        }
        const Site* s = m_map.world.isDungeon() ? nullptr : m_map.world.nearestSite(pos, {});
        if (s) {
            e.where = s->name;
            e.whereEn = s->nameEn;
        } else if (m_map.world.roomAt(pos) >= 0) {
            e.where = m_map.world.rooms[m_map.world.roomAt(pos)].name;
            e.whereEn = m_map.world.rooms[m_map.world.roomAt(pos)].nameEn;
        }
        const int index = m_cat.add(e);
        if (index >= 0)
            return index;
    }
    return -1;
}

int Populator::orc(const QString& trade, const QPointF& pos)
{
    const Roles::Trade& t = Roles::Get(trade);
    for (int attempt = 0; attempt < 200; ++attempt) {
        const QString n = m_rng.pick(Lexicon::OrcNames());
        Entity e;
        e.kind = "orc";
        e.role = trade;
        e.first = n;
        e.mapId = m_map.world.id;
        e.pos = pos;
        e.name = t.role.de + ' ' + n;
        e.nameEn = t.role.en + ' ' + n;
        if (attempt > 100) {
            const Role& ep = m_rng.pick(Lexicon::Epithets());
            e.name += ' ' + ep.de;
            e.nameEn += ' ' + ep.en;
        }
        const int index = m_cat.add(e);
        if (index >= 0)
            return index;
    }
    return -1;
}

int Populator::thing(const Word& what, const QString& kind, const QPointF& pos, const QString& placeDe,
                     const QString& placeEn, int number)
{
    Entity e;
    e.kind = kind;
    e.role = what.de;
    e.mapId = m_map.world.id;
    e.pos = pos;
    e.where = placeDe;
    e.whereEn = placeEn;
    const QString n = number > 0 ? ", " + QString::number(number) : QString();
    e.name = what.de + " (" + placeDe + n + ')';
    e.nameEn = what.en + " (" + placeEn + n + ')';
    return m_cat.add(e);
}

bool Populator::known(const QString& name) const
{
    return m_cat.find(name) != nullptr;
}

int Populator::place(const QString& de, const QString& en, const QString& kind, const QPointF& pos)
{
    if (const Entity* known = m_cat.find(de))
        return int(known - m_cat.entities.data());
    Entity e;
    e.kind = "place";
    e.role = kind;
    e.name = de;
    e.nameEn = en;
    e.mapId = m_map.world.id;
    e.pos = pos;
    return m_cat.add(e);
}

void Populator::put(const QString& section, int index, const QString& special)
{
    if (index < 0)
        return;
    m_map.section(section).entries.push_back(Entry{entity(index).name, Record(entity(index).pos, special)});
}

void Populator::link(const QString& section, int index, const QString& target)
{
    if (index < 0)
        return;
    m_map.section(section).entries.push_back(Entry{entity(index).name, LinkRecord(target)});
}

void Populator::putRaw(const QString& section, const QString& key, const QString& value)
{
    m_map.section(section).entries.push_back(Entry{key, value});
}

int Populator::scatter(const QString& section, const QVector<Word>& words, const QString& kind, int count,
                       const std::function<bool(QPointF&, QString&, QString&)>& pick, bool numbered)
{
    int placed = 0;
    QHash<QString, int> perPlace;
    for (int attempt = 0; placed < count && attempt < count * 30; ++attempt) {
        QPointF p;
        QString de, en;
        if (!pick(p, de, en))
            continue;
        const Word w = m_rng.pick(words);
        const int n = numbered ? ++perPlace[w.de + de] : 0;
        if (numbered && n > 9)
            continue;
        const int index = thing(w, kind, p, de, en, n);
        if (index < 0)
            continue;
        put(section, index);
        ++placed;
    }
    return placed;
}
