// Persons, creatures, objects, plants and places of the three outdoor regions.
#include <QLineF>

#include "Categories.h"
#include "Populator.h"

namespace {

const Word kDragonroot{"Drachenwurzel", "Dragonroot"};
const Word kGoblinberry{"Goblinbeere", "Goblinberry"};
const Word kKingsSorrel{"Kronstöckel", "King's sorrel"};
const Word kFlameberry{"Flammenbeere", "Flameberry"};
const Word kArmorweed{"Harnischkraut", "Armorweed"};
const Word kReignweed{"Herrscherkraut", "Reignweed"};

struct Counts
{
    int commoners, merchants, friends, bandits, druids, smiths, hunters, alchemists, firemages, watermages,
        rangers, nightblades, paladins, nomads, chiefs, weaponQuests, recruits, slaves, orcs;
    int creatures, items, artefacts, chalices, mageChests, weaponChests, specialChests, bundles, tools, baskets,
        resources, millstones, plants;
};

class RegionPopulation
{
public:
    RegionPopulation(Catalog& cat, MapData& map, Rng& rng) : P(cat, map, rng), w(map.world) {}

    void run()
    {
        for (const QString& c : Categories::Of(w.id))
            P.section(c);
        const Counts n = counts();
        places();
        persons(n);
        creatures(n);
        objects(n);
        plants(n);
    }

private:
    Populator P;
    const WorldMap& w;
    QVector<int> m_npc;

    bool is(const char* id) const { return w.id == QLatin1String(id); }

    Counts counts() const
    {
        if (is("caldora"))
            return {100, 12, 8, 14, 5, 5, 8, 5, 5, 0, 6, 5, 5, 0, 0, 4, 10, 8, 40,
                    45, 35, 4, 6, 8, 10, 6, 10, 12, 20, 30, 4, 24};
        if (is("frostmere"))
            return {90, 8, 6, 0, 4, 4, 8, 4, 4, 0, 0, 0, 4, 0, 0, 0, 0, 0, 18,
                    35, 30, 3, 5, 6, 8, 0, 0, 10, 0, 0, 3, 14};
        return {90, 8, 6, 10, 0, 4, 5, 4, 0, 4, 0, 5, 3, 12, 4, 3, 0, 0, 12,
                35, 30, 3, 5, 6, 8, 5, 8, 10, 15, 25, 0, 12};
    }

    QPointF townSpot()
    {
        QVector<const Site*> towns = w.sitesOfKind("town");
        int total = 0;
        for (const Site* t : towns)
            total += t->size;
        int roll = P.rng().range(0, total - 1);
        for (const Site* t : towns) {
            roll -= t->size;
            if (roll < 0)
                return P.near(t->pos, 8 + 7 * t->size);
        }
        return P.near(towns.first()->pos, 12);
    }

    QPointF spotAt(const QVector<const Site*>& sites, double radius = 12)
    {
        if (sites.isEmpty())
            return townSpot();
        return P.near(P.rng().pick(sites)->pos, radius);
    }

    QPointF forestSpot(int* forest = nullptr, bool edge = false)
    {
        for (int t = 0; t < 400; ++t) {
            const int f = P.rng().range(0, w.forests.size() - 1);
            const QRectF box = w.forests[f].shape.boundingRect().adjusted(-14, -14, 14, 14);
            const QPointF p(P.rng().uniform(box.left(), box.right()), P.rng().uniform(box.top(), box.bottom()));
            const bool inside = w.forests[f].shape.containsPoint(p, Qt::OddEvenFill);
            const double d = DistanceToPolyline(p, w.forests[f].shape, true);
            if ((edge ? d < 12 : inside) && w.onLand(p) && !w.inLake(p) && !w.blocked(p, 14)) {
                if (forest)
                    *forest = f;
                return p;
            }
        }
        return townSpot();
    }

    int addPerson(const QString& trade, const QPointF& pos, bool epithet = false)
    {
        const int i = P.person(trade, pos, epithet);
        if (i >= 0)
            m_npc << i;
        return i;
    }

    void group(const QString& category, const QString& trade, int count, const std::function<QPointF()>& where,
               bool linkToNpc = false)
    {
        for (int k = 0; k < count; ++k) {
            const int i = addPerson(trade, where());
            if (linkToNpc)
                P.link(category, i, "NPC");
            else
                P.put(category, i);
        }
    }

    void places()
    {
        // Shrines, camps and rune stones keep their coordinates in a section of their own that
        // only links point to.
        const QString landmarks = "landmarks";
        for (const Site& s : w.sites) {
            if (s.kind == QLatin1String("town"))
                continue;
            if (is("caldora") && s.name == QLatin1String("Schrein des Verräters"))
                continue;
            const int i = P.place(s.name, s.nameEn, s.kind, s.pos);
            if (s.kind == QLatin1String("shrine") || s.kind == QLatin1String("camp") || s.kind == QLatin1String("stone"))
                P.put(landmarks, i);
        }
        for (const Site* t : w.sitesOfKind("town")) {
            const int i = P.place(t->name, t->nameEn, "town", t->pos);
            P.put("cities", i, t->size == 3 ? (is("qasira") ? " * " : "*") : QString());
            P.link("places", i, "cities");
        }
        for (const Area& a : w.forests)
            P.put("places", P.place(a.name, a.nameEn, "forest", a.labelPos));
        for (const Area& a : w.lakes)
            P.put("places", P.place(a.name, a.nameEn, "lake", a.shape.boundingRect().center()));
        for (const Area& a : w.ranges)
            P.put("places", P.place(a.name, a.nameEn, "range", a.shape[a.shape.size() / 2]));
        bool caveLinked = false;
        for (const Site& s : w.sites) {
            if (s.kind == QLatin1String("town") || !P.world().onLand(s.pos))
                continue;
            if (is("caldora") && s.name == QLatin1String("Schrein des Verräters")) {
                // An abandoned shrine: kept in the file but switched off, as the first entry.
                auto& shrines = P.section("shrines").entries;
                shrines.prepend(Entry{"/" + s.name, Record(s.pos)});
                continue;
            }
            const int i = P.place(s.name, s.nameEn, s.kind, s.pos);
            if (i < 0)
                continue;
            const bool landmark = s.kind == QLatin1String("shrine") || s.kind == QLatin1String("camp")
                                  || s.kind == QLatin1String("stone");
            if (landmark)
                P.link("places", i, "landmarks");
            else
                P.put("places", i);
            if (s.kind == QLatin1String("shrine"))
                P.link("shrines", i, "landmarks");
            if (s.kind == QLatin1String("cave")) {
                if (caveLinked)
                    P.put("caves", i);
                else
                    P.link("caves", i, "places");
                caveLinked = !caveLinked;
            }
            if (s.kind == QLatin1String("stone"))
                P.link("teleporter stones", i, "landmarks");
            if (s.kind == QLatin1String("camp") && is("caldora")
                && (s.name.contains("Rebell") || s.name.contains("Freien") || s.name.contains("Wachfeuer")
                    || s.name.contains("Versteck")))
                P.link("rebel camps", i, "landmarks");
            if (s.kind == QLatin1String("tomb"))
                P.put(is("frostmere") ? "tomb_of_ancestors" : "tombs", i);
        }
    }

    void persons(const Counts& n)
    {
        using Where = std::function<QPointF()>;
        Where town = [this] { return townSpot(); };
        Where forestEdge = [this] { return forestSpot(nullptr, true); };
        Where forest = [this] { return forestSpot(); };
        const auto banditCamps = P.campsLike({"Räuber", "Banditen", "Schwarzmoor"});
        const auto orcCamps = P.campsLike({"Ork"});
        const auto nomadCamps = P.campsLike({"Nomaden", "Zeltstadt", "Karawanserei"});
        const auto shrines = w.sitesOfKind("shrine");
        const auto towers = w.sitesOfKind("tower");
        const auto ruins = w.sitesOfKind("ruin");
        auto at = [this](const QVector<const Site*>& s, double r = 14) { return Where([this, s, r] { return spotAt(s, r); }); };

        for (int k = 0; k < n.commoners; ++k) {
            const QString trade = P.rng().pick(Roles::Commoners());
            const QPointF pos = P.rng().chance(0.85) ? townSpot() : spotAt(w.sitesOfKind("camp") + w.sitesOfKind("mill"));
            addPerson(trade, pos, P.rng().chance(0.5));
        }
        group("merchants", "merchant", n.merchants, town);
        group("smiths", "smith", n.smiths, town, true);
        group("hunters", "hunter", n.hunters, forestEdge);
        group("alchemists", "alchemist", n.alchemists, town, true);
        group("druids", "druid", n.druids, P.rng().chance(0.5) ? at(shrines) : forest);
        group("fire mages", "firemage", n.firemages, at(towers, 16));
        group("watermages", "watermage", n.watermages, at(towers, 16));
        group("ranger", "ranger", n.rangers, forest);
        group("nightblades", "nightblade", n.nightblades, town);
        group("twelve paladins", "paladin", n.paladins, P.rng().chance(0.5) ? at(ruins) : town);
        group("nomads", "nomad", n.nomads, at(nomadCamps));
        group("nomad tribe leaders", "chief", n.chiefs, at(nomadCamps, 8));
        group("bandits", "bandit", n.bandits, at(banditCamps));
        group("bundles of weapons quests", "armsmaster", n.weaponQuests, town);
        group("men for brennhold", "recruit", n.recruits, town);
        group("slave from wexley", "slave", n.slaves, at(w.sitesOfKind("cave") + banditCamps));
        for (int k = 0; k < n.friends; ++k)
            P.put("friendsX", addPerson(P.rng().pick(Roles::Commoners()), townSpot(), true));
        // Teachers of the perk groups that no category above covers.
        for (const QString trade : {"armsmaster", "armsmaster", "acrobat", "hermit", "hermit", "thief", "thief", "priest", "priest"})
            addPerson(trade, trade == QLatin1String("hermit") ? forestSpot() : townSpot());

        if (is("caldora")) {
            for (int k = 0; k < 4; ++k)
                P.put("orc chieftains", P.orc("orcchief", spotAt(orcCamps, 8)));
            for (int k = 0; k < 2; ++k)
                P.put("commander", P.orc("warlord", spotAt(orcCamps, 6)));
            for (int k = 0; k < 4; ++k)
                P.put("orc shamans", P.orc("orcshaman", spotAt(orcCamps, 10)));
            for (int k = 0; k < 30; ++k)
                P.put("hostile orcs", P.orc(k % 3 ? "orc" : "orcraider", k % 4 ? spotAt(orcCamps, 30) : townSpot()));
        } else {
            for (int k = 0; k < n.orcs; ++k)
                P.put("orcs", P.orc(k % 5 == 0 ? "orcshaman" : k % 2 ? "orcscout" : "orc", spotAt(orcCamps, 24)));
        }

        for (int i : m_npc)
            P.put("NPC", i);
        // Quest givers: persons of the list above, and on Caldora also travellers of their own.
        const int linked = is("caldora") ? 70 : 30;
        QVector<int> pool = m_npc;
        for (int k = 0; k < linked && !pool.isEmpty(); ++k)
            P.link("quest npcs", pool.takeAt(P.rng().range(0, pool.size() - 1)), "NPC");
        if (is("caldora"))
            for (int k = 0; k < 40; ++k)
                P.put("quest npcs", P.person(P.rng().pick(QVector<QString>{"messenger", "pilgrim", "adventurer", "bard"}),
                                             townSpot(), true));
    }

    void creatures(const Counts& n)
    {
        const QString pool = is("frostmere") ? "creature-snow" : is("qasira") ? "creature-desert" : "creature-temperate";
        auto wild = [this](QPointF& p, QString& de, QString& en) {
            for (int t = 0; t < 100; ++t) {
                p = QPointF(P.rng().uniform(30, 994), P.rng().uniform(30, 738));
                if (!w.onLand(p) || w.inLake(p) || w.blocked(p, 20))
                    continue;
                const Site* s = w.nearestSite(p, {});
                if (!s || QLineF(p, s->pos).length() < 25)
                    continue;
                const int f = w.forestAt(p);
                de = f >= 0 ? w.forests[f].name : s->name;
                en = f >= 0 ? w.forests[f].nameEn : s->nameEn;
                return true;
            }
            return false;
        };
        P.scatter("creatures", Roles::Things(pool), "creature", n.creatures, wild, true);
        if (is("caldora")) {
            // Two sightings that turned out wrong stay in the file, switched off.
            auto& list = P.section("creatures").entries;
            list.insert(7, Entry{";Riesenratte (Brennhold)", "300,400"});
            list.insert(15, Entry{";Drache (Graufels)", "700,140"});
        }
        if (is("qasira")) {
            const auto tombs = w.sitesOfKind("tomb");
            auto nearTomb = [&](QPointF& p, QString& de, QString& en) {
                const Site* s = P.rng().pick(tombs);
                p = P.near(s->pos, 30);
                de = s->name;
                en = s->nameEn;
                return true;
            };
            P.scatter("undead", Roles::Things("undead"), "undead", 20, nearTomb, true);
            P.scatter("jackals", {{"Schakal", "Jackal"}}, "creature", 26, wild, true);
            P.section("jackals").entries.insert(3, Entry{"/Schakal (verschwunden)", "512,384"});
            P.scatter("pack leader", {{"Rudelführer", "Pack leader"}}, "creature", 4, wild, false);
        }
    }

    void objects(const Counts& n)
    {
        auto atKinds = [this](const QStringList& kinds, double radius) {
            return [this, kinds, radius](QPointF& p, QString& de, QString& en) {
                const Site* s = P.randomSite(kinds);
                if (!s)
                    return false;
                p = P.near(s->pos, radius);
                de = s->name;
                en = s->nameEn;
                return true;
            };
        };
        P.scatter("items", Roles::Things("item"), "item", n.items, atKinds({"town", "camp", "ruin", "cave", "shrine"}, 22), false);
        // Meridane artefacts lie in the ruins; one of them is special.
        P.scatter("meridane artefacts", Roles::Things("artefact"), "artefact", n.artefacts, atKinds({"ruin"}, 8), false);
        auto& artefacts = P.section("meridane artefacts").entries;
        if (!artefacts.isEmpty())
            artefacts.first().value += is("caldora") ? ", * " : ",*";
        P.scatter("fire chalices", {{"Feuerkelch", "Fire chalice"}}, "chalice", n.chalices, atKinds({"shrine"}, 6), false);
        P.scatter("mage chests", {{"Magiertruhe", "Mage chest"}}, "chest", n.mageChests, atKinds({"tower", "ruin", "cave"}, 10), true);
        P.scatter("weapon chests", {{"Waffentruhe", "Weapon chest"}}, "chest", n.weaponChests, atKinds({"camp", "town"}, 14), true);
        P.scatter("special chests", {{"Goldtruhe", "Gold chest"}}, "chest", n.specialChests, atKinds({"cave", "ruin", "tomb"}, 8), true);
        if (n.specialChests > 0) {
            auto& special = P.section("special chests").entries;
            for (int i = 0; i < special.size(); i += 2)
                special[i].value += ",*";
        }
        P.scatter("bundles of weapons", {{"Waffenbündel", "Bundle of weapons"}}, "bundle", n.bundles, atKinds({"camp", "ruin"}, 14), true);
        P.scatter("tools", Roles::Things("tool"), "tool", n.tools, atKinds({"town", "camp", "mill"}, 16), false);
        if (is("frostmere"))
            P.section("tools").entries.prepend(Entry{";Spitzhacke (verschollen)", "0,0"});
        P.scatter("baskets", {{"Weidenkorb", "Wicker basket"}}, "basket", n.baskets, atKinds({"town", "mill"}, 24), true);
        auto nearPeak = [this](QPointF& p, QString& de, QString& en) {
            const Peak& k = P.rng().pick(w.peaks);
            p = P.near(k.pos + QPointF(0, k.size * 0.5), 14);
            const Site* s = w.nearestSite(p, {});
            de = s->name;
            en = s->nameEn;
            return true;
        };
        P.scatter("resources", Roles::Things("resource"), "resource", n.resources, nearPeak, true);
        P.scatter("millstones", {{"Mühlstein", "Millstone"}}, "millstone", n.millstones, atKinds({"mill", "town"}, 6), false);
        if (is("qasira")) {
            P.scatter("stone tablets", {{"Steintafel", "Stone tablet"}}, "tablet", 10, atKinds({"ruin", "tomb"}, 10), true);
            P.scatter("sel amun temple keys", {{"Sonnenschlüssel", "Sun key"}}, "key", 5, atKinds({"ruin", "tomb"}, 8), false);
            P.scatter("ur kesh temple keys", {{"Schlangenschlüssel", "Serpent key"}}, "key", 5, atKinds({"tomb", "cave", "camp"}, 8), false);
        }
    }

    void plants(const Counts& n)
    {
        using Pick = std::function<bool(QPointF&, QString&, QString&)>;
        Pick inForest = [this](QPointF& p, QString& de, QString& en) {
            int f = -1;
            p = forestSpot(&f);
            if (f < 0)
                return false;
            de = w.forests[f].name;
            en = w.forests[f].nameEn;
            return true;
        };
        Pick edge = [this](QPointF& p, QString& de, QString& en) {
            p = forestSpot(nullptr, true);
            const Site* s = w.nearestSite(p, {});
            de = s->name;
            en = s->nameEn;
            return true;
        };
        Pick meadow = [this](QPointF& p, QString& de, QString& en) {
            for (int t = 0; t < 100; ++t) {
                p = QPointF(P.rng().uniform(30, 994), P.rng().uniform(30, 738));
                if (w.onLand(p) && !w.inLake(p) && !w.blocked(p, 20) && w.forestAt(p) < 0) {
                    const Site* s = w.nearestSite(p, {});
                    de = s->name;
                    en = s->nameEn;
                    return true;
                }
            }
            return false;
        };
        const bool desert = is("qasira");
        P.scatter("dragonroots", {kDragonroot}, "plant", n.plants, desert ? edge : inForest, true);
        P.scatter("goblinberries", {kGoblinberry}, "plant", n.plants, edge, true);
        P.scatter("kings sorrels", {kKingsSorrel}, "plant", n.plants - 4, meadow, true);
        if (!is("caldora")) {
            P.scatter("flameberries", {kFlameberry}, "plant", n.plants, desert ? meadow : edge, true);
            P.scatter("armorweeds", {kArmorweed}, "plant", n.plants - 2, desert ? inForest : meadow, true);
            P.scatter("reignweeds", {kReignweed}, "plant", n.plants - 2, desert ? edge : inForest, true);
        }
    }
};

} // namespace

void PopulateRegion(Catalog& cat, MapData& map, Rng& rng)
{
    RegionPopulation(cat, map, rng).run();
}
