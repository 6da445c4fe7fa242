// Who teaches which perk: every perk is taught in at least one region, by persons of the
// region's NPC list whose trade fits the perk's group.
#include "Catalog.h"
#include "Rng.h"
#include "Roles.h"
#include "modules/perks/PerkTable.h"

namespace {

struct RegionTeachers
{
    MapData* map = nullptr;
    QHash<QString, QVector<int>> byGroup;   // perk group -> entity indexes
    QVector<int> used;                      // in order of first lesson
};

RegionTeachers CollectTeachers(Catalog& cat, MapData& map, Rng& rng)
{
    RegionTeachers t;
    t.map = &map;
    for (const Entry& e : map.section("NPC").entries) {
        const Entity* person = cat.find(e.key);
        if (!person)
            continue;
        const QString group = Roles::Get(person->role).group;
        if (group.isEmpty())
            continue;
        QVector<int>& list = t.byGroup[group];
        // A handful of teachers per group keeps the teacher display readable.
        if (list.size() < (group == QLatin1String("m") ? 6 : 3) && rng.chance(0.8))
            list << int(person - cat.entities.data());
    }
    return t;
}

} // namespace

void PopulatePerks(Catalog& cat, Rng& rng)
{
    QVector<RegionTeachers> regions;
    for (MapData& m : cat.maps)
        if (!m.world.isDungeon())
            regions << CollectTeachers(cat, m, rng);

    const auto perks = PerkTable::Perks();
    for (int i = 0; i < int(perks.size()); ++i) {
        const PerkEntry& perk = perks[size_t(i)];
        QVector<int> where{i % 3};
        if (rng.chance(0.45))
            where << (i + 1 + rng.range(0, 1)) % 3;
        for (int r : where) {
            RegionTeachers& region = regions[r];
            QVector<int> pool = region.byGroup.value(QString(perk.group));
            // Fixed group order: the hash's own order changes from run to run.
            if (pool.isEmpty())
                for (const PerkGroup& g : PerkTable::Groups())
                    pool += region.byGroup.value(QString(g.key));
            const int count = std::min<int>(pool.size(), rng.range(1, 3));
            for (int k = 0; k < count; ++k) {
                const int teacher = pool.takeAt(rng.range(0, pool.size() - 1));
                region.map->section(perk.sectionKey.toString()).entries.push_back(Entry{cat.entities[teacher].name, LinkRecord("NPC")});
                if (!region.used.contains(teacher))
                    region.used << teacher;
            }
        }
    }
    for (RegionTeachers& region : regions) {
        Section& teachers = region.map->section("teachers");
        for (int k = 0; k < region.used.size() && k < 81; ++k) {
            const Entity& e = cat.entities[region.used[k]];
            // Most teachers point to their NPC entry; some carry their own position.
            teachers.entries.push_back(Entry{e.name, k % 4 == 3 ? Record(e.pos) : LinkRecord("NPC")});
        }
    }
}
