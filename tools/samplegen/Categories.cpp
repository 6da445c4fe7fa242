#include "Categories.h"

#include <QHash>

namespace Categories {

const QStringList& Of(const QString& mapId)
{
    static const QHash<QString, QStringList> all{
        {"caldora", {"NPC", "quest npcs", "teachers", "merchants", "friendsX", "bandits", "druids", "smiths", "hunters",
                     "alchemists", "fire mages", "orc chieftains", "commander", "hostile orcs", "orc shamans", "ranger",
                     "nightblades", "twelve paladins", "bundles of weapons quests", "men for brennhold",
                     "slave from wexley", "creatures", "items", "teleporter stones", "meridane artefacts",
                     "fire chalices", "mage chests", "weapon chests", "special chests", "bundles of weapons", "tools",
                     "baskets", "resources", "millstones", "dragonroots", "goblinberries", "kings sorrels", "places",
                     "cities", "shrines", "caves", "rebel camps"}},
        {"frostmere", {"NPC", "quest npcs", "teachers", "merchants", "friendsX", "druids", "smiths", "hunters",
                       "alchemists", "fire mages", "orcs", "twelve paladins", "creatures", "items", "teleporter stones",
                       "meridane artefacts", "fire chalices", "mage chests", "weapon chests", "tools", "millstones",
                       "dragonroots", "flameberries", "goblinberries", "armorweeds", "reignweeds", "kings sorrels",
                       "places", "cities", "shrines", "caves", "tomb_of_ancestors"}},
        {"qasira", {"NPC", "quest npcs", "teachers", "merchants", "friendsX", "bandits", "smiths", "hunters",
                    "alchemists", "orcs", "nomads", "nightblades", "nomad tribe leaders", "watermages",
                    "twelve paladins", "bundles of weapons quests", "creatures", "undead", "jackals", "pack leader",
                    "items", "teleporter stones", "meridane artefacts", "fire chalices", "sel amun temple keys",
                    "ur kesh temple keys", "mage chests", "weapon chests", "special chests", "bundles of weapons",
                    "tools", "baskets", "resources", "stone tablets", "dragonroots", "flameberries", "goblinberries",
                    "armorweeds", "reignweeds", "kings sorrels", "places", "cities", "shrines", "caves", "tombs"}},
        {"urkesh", {"NPC", "creatures", "items", "artifacts", "keys", "places"}},
        {"ancestors", {"NPC", "orcs", "ancestors", "creatures", "items", "places", "tombs"}},
    };
    static const QStringList none;
    auto it = all.find(mapId);
    return it == all.end() ? none : *it;
}

bool IsList(const QString& mapId, const QString& category)
{
    if (category == QLatin1String("NPC"))
        return mapId != QLatin1String("urkesh");
    if (category == QLatin1String("quest npcs"))
        return mapId == QLatin1String("caldora");
    if (category == QLatin1String("items"))
        return mapId == QLatin1String("urkesh") || mapId == QLatin1String("ancestors");
    return false;
}

} // namespace Categories
