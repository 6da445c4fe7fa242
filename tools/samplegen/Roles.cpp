#include "Roles.h"

#include <QHash>

namespace Roles {

static const QVector<Trade>& AllTrades()
{
    static const QVector<Trade> trades{
        {"farmer", {"Bauer", "Bäuerin", "Farmer"}, ""},
        {"fisher", {"Fischer", "Fischerin", "Fisher"}, ""},
        {"innkeeper", {"Wirt", "Wirtin", "Innkeeper"}, ""},
        {"guard", {"Wächter", "Wächterin", "Watchman"}, ""},
        {"woodcutter", {"Holzfäller", "Holzfällerin", "Woodcutter"}, ""},
        {"miller", {"Müller", "Müllerin", "Miller"}, ""},
        {"beggar", {"Bettler", "Bettlerin", "Beggar"}, ""},
        {"scribe", {"Schreiber", "Schreiberin", "Scribe"}, ""},
        {"shepherd", {"Hirte", "Hirtin", "Shepherd"}, ""},
        {"miner", {"Bergmann", "Bergfrau", "Miner"}, ""},
        {"farmhand", {"Knecht", "Magd", "Farmhand"}, ""},
        {"tanner", {"Gerber", "Gerberin", "Tanner"}, ""},
        {"baker", {"Bäcker", "Bäckerin", "Baker"}, ""},
        {"potter", {"Töpfer", "Töpferin", "Potter"}, ""},
        {"weaver", {"Weber", "Weberin", "Weaver"}, ""},
        {"ferryman", {"Fährmann", "Fährfrau", "Ferryman"}, ""},
        {"pilgrim", {"Pilger", "Pilgerin", "Pilgrim"}, ""},
        {"bard", {"Barde", "Bardin", "Bard"}, ""},
        {"messenger", {"Bote", "Botin", "Messenger"}, ""},
        {"priest", {"Priester", "Priesterin", "Priest"}, "m"},
        {"merchant", {"Händler", "Händlerin", "Merchant"}, "t"},
        {"smith", {"Schmied", "Schmiedin", "Smith"}, "s"},
        {"hunter", {"Jäger", "Jägerin", "Hunter"}, "h"},
        {"alchemist", {"Alchemist", "Alchemistin", "Alchemist"}, "a"},
        {"druid", {"Druide", "Druidin", "Druid"}, "m"},
        {"firemage", {"Feuermagier", "Feuermagierin", "Fire mage"}, "m"},
        {"watermage", {"Wassermagier", "Wassermagierin", "Water mage"}, "m"},
        {"ranger", {"Waldläufer", "Waldläuferin", "Ranger"}, "h"},
        {"paladin", {"Paladin", "Paladina", "Paladin"}, "f"},
        {"armsmaster", {"Waffenmeister", "Waffenmeisterin", "Armsmaster"}, "f"},
        {"bandit", {"Bandit", "Banditin", "Bandit"}, "t"},
        {"nightblade", {"Assassine", "Assassinin", "Nightblade"}, "t"},
        {"nomad", {"Nomade", "Nomadin", "Nomad"}, "h"},
        {"chief", {"Stammesführer", "Stammesführerin", "Tribal chief"}, "f"},
        {"recruit", {"Rekrut", "Rekrutin", "Recruit"}, ""},
        {"slave", {"Sklave", "Sklavin", "Slave"}, ""},
        {"rebel", {"Rebell", "Rebellin", "Rebel"}, "f"},
        {"acrobat", {"Gaukler", "Gauklerin", "Juggler"}, "o"},
        {"hermit", {"Einsiedler", "Einsiedlerin", "Hermit"}, "o"},
        {"thief", {"Dieb", "Diebin", "Thief"}, "t"},
        {"cultist", {"Kultist", "Kultistin", "Cultist"}, "m"},
        {"adventurer", {"Abenteurer", "Abenteurerin", "Adventurer"}, ""},
        {"ghost", {"Geist", "Geist", "Ghost"}, ""},
        {"ancestor", {"Ahnherr", "Ahnfrau", "Forefather"}, ""},
        {"orc", {"Orkkrieger", "Orkkriegerin", "Orc warrior"}, ""},
        {"orcscout", {"Orkspäher", "Orkspäherin", "Orc scout"}, ""},
        {"orcraider", {"Orkplünderer", "Orkplünderin", "Orc raider"}, ""},
        {"orcchief", {"Orkhäuptling", "Orkhäuptling", "Orc chieftain"}, "f"},
        {"orcshaman", {"Orkschamane", "Orkschamanin", "Orc shaman"}, "m"},
        {"warlord", {"Feldherr", "Feldherrin", "Warlord"}, "f"},
    };
    return trades;
}

const Trade& Get(const QString& key)
{
    for (const Trade& t : AllTrades())
        if (t.key == key)
            return t;
    return AllTrades().first();
}

const QVector<QString>& Commoners()
{
    static const QVector<QString> keys{"farmer", "fisher", "innkeeper", "guard", "woodcutter", "miller",
                                       "beggar", "scribe", "shepherd", "miner", "farmhand", "tanner",
                                       "baker", "potter", "weaver", "ferryman", "pilgrim", "bard", "messenger"};
    return keys;
}

const QVector<Word>& Things(const QString& kind)
{
    static const QHash<QString, QVector<Word>> things{
        {"creature-temperate", {{"Wolf", "Wolf"}, {"Keiler", "Boar"}, {"Höhlenbär", "Cave bear"}, {"Riesenratte", "Giant rat"},
                                {"Blutfliege", "Bloodfly"}, {"Waldtroll", "Forest troll"}, {"Goblin", "Goblin"},
                                {"Schattenläufer", "Shadowstalker"}, {"Moorgeist", "Bog wraith"}, {"Riesenspinne", "Giant spider"},
                                {"Warg", "Warg"}}},
        {"creature-snow", {{"Eiswolf", "Ice wolf"}, {"Schneetroll", "Snow troll"}, {"Frostgolem", "Frost golem"},
                           {"Eisbär", "Polar bear"}, {"Säbelzahntiger", "Sabretooth"}, {"Eisspinne", "Ice spider"},
                           {"Schneeschrat", "Snow yeti"}, {"Frostwyrm", "Frost wyrm"}, {"Schneeeule", "Snowy owl"}}},
        {"creature-desert", {{"Riesenskorpion", "Giant scorpion"}, {"Sandwurm", "Sandworm"}, {"Wüstenechse", "Desert lizard"},
                             {"Geier", "Vulture"}, {"Harpyie", "Harpy"}, {"Steingolem", "Stone golem"},
                             {"Sandteufel", "Sand devil"}, {"Feuerechse", "Fire lizard"}}},
        {"creature-temple", {{"Tempelwächter", "Temple guardian"}, {"Schlangenpriester", "Serpent priest"},
                             {"Steinschlange", "Stone serpent"}, {"Skelettkrieger", "Skeleton warrior"},
                             {"Grabskarabäus", "Tomb scarab"}, {"Schattendämon", "Shadow demon"}}},
        {"creature-tomb", {{"Ahnengeist", "Ancestral spirit"}, {"Knochenwächter", "Bone warden"}, {"Gruftratte", "Crypt rat"},
                           {"Wiedergänger", "Revenant"}, {"Grabspinne", "Tomb spider"}, {"Irrlicht", "Will-o'-the-wisp"}}},
        {"undead", {{"Mumie", "Mummy"}, {"Knochenkrieger", "Bone warrior"}, {"Grabwächter", "Tomb guardian"},
                    {"Sandgeist", "Sand wraith"}, {"Schatten", "Shade"}}},
        {"item", {{"Heiltrank", "Healing potion"}, {"Manatrank", "Mana potion"}, {"Goldbeutel", "Purse of gold"},
                  {"Silberring", "Silver ring"}, {"Rostiges Schwert", "Rusty sword"}, {"Spruchrolle", "Spell scroll"},
                  {"Dietrich", "Lockpick"}, {"Fackel", "Torch"}, {"Schlüsselbund", "Bunch of keys"},
                  {"Kerzenleuchter", "Candlestick"}, {"Goldkelch", "Golden goblet"}, {"Knochenamulett", "Bone amulet"},
                  {"Altes Tagebuch", "Old diary"}, {"Pfeilbündel", "Bundle of arrows"}, {"Armbrustbolzen", "Crossbow bolts"},
                  {"Rubin", "Ruby"}, {"Smaragd", "Emerald"}, {"Opferdolch", "Sacrificial dagger"},
                  {"Priesterrobe", "Priest's robe"}, {"Weihrauch", "Incense"}, {"Silberschale", "Silver bowl"},
                  {"Zeremonienmaske", "Ceremonial mask"}, {"Bronzeschild", "Bronze shield"}, {"Knochenflöte", "Bone flute"},
                  {"Kristallphiole", "Crystal phial"}, {"Schutzamulett", "Protective amulet"}, {"Krummsäbel", "Scimitar"},
                  {"Streitkolben", "Mace"}, {"Lederrüstung", "Leather armour"}, {"Kettenhemd", "Mail shirt"},
                  {"Bernstein", "Amber"}, {"Landkarte", "Map"}, {"Stärketrank", "Potion of strength"},
                  {"Goldmünzen", "Gold coins"}, {"Bogen", "Bow"}, {"Jagdmesser", "Hunting knife"},
                  {"Brief", "Letter"}, {"Kompass", "Compass"}, {"Bierkrug", "Beer tankard"}, {"Salbe", "Ointment"}}},
        {"tool", {{"Spitzhacke", "Pickaxe"}, {"Schmiedehammer", "Smith's hammer"}, {"Sichel", "Sickle"},
                  {"Angelrute", "Fishing rod"}, {"Säge", "Saw"}, {"Schaufel", "Shovel"}, {"Brecheisen", "Crowbar"},
                  {"Kürschnermesser", "Skinning knife"}, {"Axt", "Axe"}, {"Mörser", "Mortar"}, {"Zange", "Tongs"},
                  {"Bratpfanne", "Frying pan"}, {"Sense", "Scythe"}}},
        {"resource", {{"Eisenerz", "Iron ore"}, {"Kohle", "Coal"}, {"Silbererz", "Silver ore"}, {"Holzstapel", "Woodpile"},
                      {"Lehm", "Clay"}, {"Schwefel", "Sulphur"}, {"Goldader", "Gold vein"}}},
        {"artefact", {{"Krone von Meridane", "Crown of Meridane"}, {"Zepter von Meridane", "Sceptre of Meridane"},
                      {"Spiegel von Meridane", "Mirror of Meridane"}, {"Siegel von Meridane", "Seal of Meridane"},
                      {"Horn von Meridane", "Horn of Meridane"}, {"Stirnreif von Meridane", "Circlet of Meridane"},
                      {"Laterne von Meridane", "Lantern of Meridane"}, {"Schale von Meridane", "Bowl of Meridane"},
                      {"Maske von Meridane", "Mask of Meridane"}, {"Sternkarte von Meridane", "Star chart of Meridane"},
                      {"Kompass von Meridane", "Compass of Meridane"}}},
        {"temple-artifact", {{"Schlangenkrone", "Serpent Crown"}, {"Auge des Kesh", "Eye of Kesh"},
                             {"Goldene Sonnenscheibe", "Golden Sun Disc"}, {"Obsidianklinge", "Obsidian Blade"},
                             {"Zepter der Hohepriester", "Sceptre of the High Priests"}, {"Jadefigur", "Jade Figurine"},
                             {"Tafel der Gebote", "Tablet of Commandments"}, {"Blutkelch", "Blood Chalice"},
                             {"Sternenamulett", "Star Amulet"}, {"Mondsichel aus Silber", "Silver Crescent"}}},
    };
    static const QVector<Word> none;
    auto it = things.find(kind);
    return it == things.end() ? none : *it;
}

} // namespace Roles
