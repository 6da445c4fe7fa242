#include "Lexicon.h"

#include <QHash>

namespace {

using Pool = QVector<Word>;

const QHash<QString, Pool>& TemperatePools()
{
    static const QHash<QString, Pool> pools{
        {"town", {{"Brennhold", "Brennhold"}, {"Wexley", "Wexley"}, {"Mühlenau", "Millmeadow"},
                  {"Tannfeld", "Firfield"}, {"Rabenstein", "Ravenstone"}, {"Kaltenbach", "Coldbrook"},
                  {"Lindenhof", "Lindenyard"}, {"Eichhausen", "Oakhouse"}, {"Grünwiese", "Greenmead"}}},
        {"forest", {{"Finsterwald", "Darkwood"}, {"Eulenforst", "Owl Forest"}, {"Hainbuchenwald", "Hornbeam Wood"},
                    {"Moosgrund", "Mossdale"}, {"Wispernder Hain", "Whispering Grove"}, {"Hirschwald", "Stagwood"},
                    {"Dornenholz", "Thornholt"}, {"Krähenwald", "Crowwood"}}},
        {"lake", {{"Nebelsee", "Mistmere"}, {"Spiegelweiher", "Mirror Pond"}, {"Schilfsee", "Reed Lake"}}},
        {"range", {{"Graufels", "Greyrock Hills"}, {"Drachenkamm", "Dragon's Comb"}}},
        {"shrine", {{"Schrein der Morgenröte", "Shrine of the Dawn"}, {"Schrein des Wanderers", "Wanderer's Shrine"},
                    {"Schrein der Ährenmutter", "Shrine of the Grain Mother"}, {"Schrein am Quell", "Shrine at the Spring"},
                    {"Schrein der Stille", "Shrine of Silence"}, {"Schrein des Eichenkönigs", "Shrine of the Oak King"},
                    {"Schrein der Sturmkrähe", "Shrine of the Storm Crow"}, {"Schrein des Verräters", "Traitor's Shrine"}}},
        {"cave", {{"Wolfshöhle", "Wolf Den"}, {"Tropfsteingrotte", "Dripstone Grotto"}, {"Höhle der Flüsterer", "Cave of Whisperers"},
                  {"Bärengrube", "Bear Pit"}, {"Alte Mine", "Old Mine"}, {"Schmugglerloch", "Smugglers' Hole"},
                  {"Fledermausgrotte", "Bat Grotto"}, {"Kristallstollen", "Crystal Gallery"}}},
        {"camp", {{"Rebellenlager am Bach", "Rebel Camp by the Brook"}, {"Lager der Freien", "Camp of the Free"},
                  {"Versteck im Dickicht", "Thicket Hideout"}, {"Wachfeuer am Pass", "Watchfire at the Pass"},
                  {"Räuberlager Schwarzmoor", "Blackmoor Robber Camp"}, {"Banditenschanze", "Bandit Redoubt"},
                  {"Orklager Krummzahn", "Crooktooth Orc Camp"}, {"Orklager Aschefeld", "Ashfield Orc Camp"},
                  {"Kriegslager der Orks", "Orc War Camp"}}},
        {"ruin", {{"Ruine Altmeridane", "Ruins of Old Meridane"}, {"Verfallener Wachturm", "Fallen Watchtower"},
                  {"Säulen von Harn", "Pillars of Harn"}, {"Klosterruine", "Monastery Ruins"},
                  {"Hügelgrab", "Barrow"}, {"Versunkenes Tor", "Sunken Gate"}}},
        {"stone", {{"Runenstein am Weiher", "Rune Stone by the Pond"}, {"Runenstein im Moor", "Rune Stone in the Moor"},
                   {"Runenstein am Kamm", "Rune Stone on the Ridge"}, {"Runenstein der Ebene", "Rune Stone of the Plain"},
                   {"Runenstein am Hafen", "Rune Stone at the Harbour"}, {"Runenstein im Hain", "Rune Stone in the Grove"}}},
        {"mill", {{"Wassermühle", "Water Mill"}, {"Windmühle am Hang", "Hillside Windmill"}, {"Klappermühle", "Clatter Mill"}}},
        {"tower", {{"Magierturm", "Mage Tower"}, {"Feuerturm", "Fire Tower"}}},
        {"sea", {{"Bucht der Seufzer", "Bay of Sighs"}}},
    };
    return pools;
}

const QHash<QString, Pool>& SnowPools()
{
    static const QHash<QString, Pool> pools{
        {"town", {{"Eisfurt", "Iceford"}, {"Nordheim", "Northham"}, {"Weißenburg", "Whitecastle"},
                  {"Kiefernhag", "Pinehedge"}, {"Frostwall", "Frostwall"}, {"Schneeberg", "Snowhill"},
                  {"Bärenfels", "Bearrock"}, {"Hagelstedt", "Hailstead"}}},
        {"forest", {{"Kiefernmeer", "Sea of Pines"}, {"Tannendunkel", "Firgloom"}, {"Raureifwald", "Rimewood"},
                    {"Wolfsforst", "Wolf Forest"}, {"Fichtenhang", "Spruce Slope"}, {"Stiller Forst", "Silent Forest"},
                    {"Elchwald", "Elkwood"}, {"Harzwald", "Resinwood"}}},
        {"lake", {{"Gefrorener See", "Frozen Lake"}, {"Glitzerweiher", "Glitter Pond"}, {"Blaueis", "Blue Ice"}}},
        {"range", {{"Eiszähne", "Ice Teeth"}, {"Weißer Kamm", "White Ridge"}}},
        {"shrine", {{"Schrein des Nordlichts", "Shrine of the Northern Lights"}, {"Schrein der Schneeeule", "Shrine of the Snowy Owl"},
                    {"Schrein des Winterkönigs", "Shrine of the Winter King"}, {"Schrein der Herdflamme", "Shrine of the Hearth Flame"},
                    {"Schrein am Gletscher", "Shrine at the Glacier"}, {"Schrein der Wölfin", "Shrine of the She-Wolf"}}},
        {"cave", {{"Eishöhle", "Ice Cave"}, {"Gletscherspalte", "Glacier Crevasse"}, {"Trollgrotte", "Troll Grotto"},
                  {"Frostkluft", "Frost Chasm"}, {"Bärenbau", "Bear Burrow"}, {"Silberstollen", "Silver Gallery"},
                  {"Heulende Höhle", "Howling Cave"}}},
        {"camp", {{"Jägerlager am Fluss", "Hunters' Camp by the River"}, {"Orklager Frostzahn", "Frostfang Orc Camp"},
                  {"Orklager Schneeblut", "Snowblood Orc Camp"}, {"Paladinlager", "Paladin Camp"},
                  {"Holzfällerlager", "Woodcutters' Camp"}}},
        {"ruin", {{"Ruine Frostwacht", "Frostwatch Ruins"}, {"Eingestürzter Turm", "Collapsed Tower"},
                  {"Alte Feste Hrim", "Old Fort Hrim"}, {"Hünenring", "Giant's Ring"}}},
        {"stone", {{"Runenstein am Gletscher", "Rune Stone at the Glacier"}, {"Runenstein im Kiefernmeer", "Rune Stone in the Pines"},
                   {"Runenstein am Fjord", "Rune Stone at the Fjord"}, {"Runenstein der Eiszähne", "Rune Stone of the Ice Teeth"},
                   {"Runenstein am Eissee", "Rune Stone at the Ice Lake"}}},
        {"mill", {{"Sägemühle", "Sawmill"}, {"Frostmühle", "Frost Mill"}}},
        {"tower", {{"Turm der Feuermagier", "Tower of the Fire Mages"}}},
        {"tomb", {{"Eingang zur Ahnengruft", "Entrance to the Ancestral Crypt"}, {"Hügelgrab der Ahnen", "Barrow of the Ancestors"},
                  {"Steinkreis der Ahnen", "Stone Circle of the Ancestors"}, {"Eisgrab am Fjord", "Ice Grave at the Fjord"}}},
        {"sea", {{"Eismeer", "Ice Sea"}}},
    };
    return pools;
}

const QHash<QString, Pool>& DesertPools()
{
    static const QHash<QString, Pool> pools{
        {"town", {{"Al Sahir", "Al Sahir"}, {"Bab Naqar", "Bab Naqar"}, {"Dar Tamsin", "Dar Tamsin"},
                  {"Zawiyat", "Zawiyat"}, {"Tell Amar", "Tell Amar"}, {"Ain Mirra", "Ain Mirra"},
                  {"Qalat Rimal", "Qalat Rimal"}, {"Sukkar", "Sukkar"}}},
        {"forest", {{"Palmenhain von Mirra", "Palm Grove of Mirra"}, {"Dattelgärten", "Date Gardens"},
                    {"Tamariskendickicht", "Tamarisk Thicket"}, {"Grüne Senke", "Green Hollow"}, {"Akazienhain", "Acacia Grove"}}},
        {"lake", {{"Oase Tamra", "Oasis of Tamra"}, {"Oase der Gazellen", "Gazelle Oasis"}, {"Quelle von Sukkar", "Spring of Sukkar"},
                  {"Oase Zahir", "Oasis of Zahir"}}},
        {"range", {{"Rote Zinnen", "Red Spires"}, {"Knochenberge", "Bone Mountains"}}},
        {"canyon", {{"Schlucht der Winde", "Canyon of Winds"}, {"Rote Klamm", "Red Gorge"}, {"Skorpionschlucht", "Scorpion Canyon"}}},
        {"shrine", {{"Schrein der Sonne", "Shrine of the Sun"}, {"Schrein des Wassers", "Shrine of Water"},
                    {"Schrein der Sterne", "Shrine of the Stars"}, {"Schrein des Sandes", "Shrine of the Sand"},
                    {"Schrein der Karawane", "Shrine of the Caravan"}, {"Schrein des Mondes", "Shrine of the Moon"}}},
        {"cave", {{"Sandhöhle", "Sand Cave"}, {"Grotte der Echos", "Grotto of Echoes"}, {"Skorpionnest", "Scorpion Nest"},
                  {"Salzstollen", "Salt Gallery"}, {"Höhle des Einsiedlers", "Hermit's Cave"}, {"Schakalbau", "Jackal Den"},
                  {"Glutkluft", "Ember Chasm"}}},
        {"camp", {{"Nomadenlager Beni Sahar", "Beni Sahar Nomad Camp"}, {"Nomadenlager der Falken", "Falcon Nomad Camp"},
                  {"Zeltstadt Qurun", "Tent Town of Qurun"}, {"Räuberlager Sandfuchs", "Sandfox Robber Camp"},
                  {"Orklager Glutzahn", "Emberfang Orc Camp"}, {"Karawanserei", "Caravanserai"}}},
        {"ruin", {{"Ruine Sel Amun", "Ruins of Sel Amun"}, {"Versunkene Stadt", "Sunken City"}, {"Tor der Könige", "Gate of Kings"},
                  {"Obelisk der Wüste", "Desert Obelisk"}, {"Sternwarte Ruhal", "Ruhal Observatory"}}},
        {"stone", {{"Runenstein an der Oase", "Rune Stone at the Oasis"}, {"Runenstein der Dünen", "Rune Stone of the Dunes"},
                   {"Runenstein am Tor", "Rune Stone at the Gate"}, {"Runenstein der Klamm", "Rune Stone of the Gorge"},
                   {"Runenstein am Strand", "Rune Stone on the Shore"}}},
        {"tomb", {{"Grab des Sandkönigs", "Tomb of the Sand King"}, {"Grab der Seherin", "Tomb of the Seeress"},
                  {"Grab des Wesirs", "Tomb of the Vizier"}, {"Grab der Zwillinge", "Tomb of the Twins"},
                  {"Grab des Sternendeuters", "Tomb of the Stargazer"}, {"Grab des Schreibers", "Tomb of the Scribe"},
                  {"Grab der Tänzerin", "Tomb of the Dancer"}}},
        {"tower", {{"Turm der Wassermagier", "Tower of the Water Mages"}}},
        {"sea", {{"Meer der Perlen", "Sea of Pearls"}}},
    };
    return pools;
}

} // namespace

namespace Lexicon {

const QVector<Word>& Names(Climate climate, const QString& kind)
{
    static const QVector<Word> none;
    const QHash<QString, Pool>& pools = climate == Climate::Snow     ? SnowPools()
                                        : climate == Climate::Desert ? DesertPools()
                                                                     : TemperatePools();
    auto it = pools.find(kind);
    return it == pools.end() ? none : *it;
}

const QVector<QString>& FirstNames(Climate climate, bool female)
{
    static const QVector<QString> maleT{
        "Harald", "Jörg", "Ulrich", "Bertram", "Gunther", "Wendelin", "Aldrich", "Eberhard", "Konrad",
        "Ottokar", "Rupert", "Siegmund", "Lothar", "Anselm", "Dietmar", "Gerold", "Hartwig", "Kasimir",
        "Leopold", "Manfred", "Notker", "Oswin", "Reinhold", "Thassilo", "Volker", "Walram", "Egmund",
        "Gisbert", "Bruno", "Emmerich", "Godehard", "Hagen", "Jost", "Kuno", "Lambert", "Markwart",
        "Odo", "Pankraz", "Quirin", "Roderich", "Severin", "Tankred", "Veit", "Wigand", "Balthasar",
        "Crispin", "Degenhard", "Falko", "Gottfried", "Meinrad", "Norbert", "Ortwin", "Raban", "Theobald",
        "Wolfram", "Arnulf", "Benno", "Dankwart", "Erhard", "Götz"};
    static const QVector<QString> femaleT{
        "Gerda", "Hildegard", "Irmgard", "Brunhild", "Adelheid", "Mechthild", "Walburga", "Gertrud",
        "Ottilie", "Sieglinde", "Kunigunde", "Roswitha", "Elfriede", "Hedwig", "Liesel", "Margarete",
        "Wiebke", "Almut", "Berta", "Dörte", "Frieda", "Gesine", "Henrike", "Jutta", "Käthe",
        "Luitgard", "Marlene", "Notburga", "Rotraut", "Swanhild", "Traudel", "Wilma", "Gunhild",
        "Odila", "Richenza", "Thekla", "Jördis", "Mareike"};
    static const QVector<QString> maleS{
        "Bjarne", "Eirik", "Gunnar", "Halvard", "Ivar", "Knut", "Leif", "Olaf", "Ragnar", "Sven",
        "Torsten", "Ulfar", "Vidar", "Arne", "Björn", "Dag", "Finn", "Geir", "Hjalmar", "Jarl",
        "Kjell", "Magnar", "Njål", "Orm", "Rune", "Sigurd", "Trygve", "Yngvar", "Asgeir", "Brandur"};
    static const QVector<QString> femaleS{
        "Astrid", "Brynja", "Dagny", "Freya", "Gudrun", "Hilde", "Ingrid", "Kari", "Ragna", "Signe",
        "Solveig", "Thora", "Ylva", "Sigrun", "Åsa", "Eldrid", "Gyda", "Hallveig", "Jorunn", "Ragnhild",
        "Tove", "Unn"};
    static const QVector<QString> maleD{
        "Rashid", "Tarik", "Karim", "Halim", "Zafir", "Nadir", "Farid", "Selim", "Asim", "Bashir",
        "Faris", "Hamid", "Idris", "Kadir", "Malik", "Nasir", "Qadir", "Rafiq", "Sadiq", "Tamir",
        "Yusri", "Zahir", "Anwar", "Darim", "Ghalib", "Harun", "Jabir", "Mansur", "Wasim", "Suhail"};
    static const QVector<QString> femaleD{
        "Amira", "Layla", "Samira", "Yasmin", "Zahra", "Nura", "Dalia", "Farah", "Rania", "Salma",
        "Basma", "Hanan", "Jamila", "Karima", "Lubna", "Maysa", "Nadira", "Rihab", "Safiya", "Widad"};
    switch (climate) {
    case Climate::Snow: return female ? femaleS : maleS;
    case Climate::Desert: return female ? femaleD : maleD;
    default: return female ? femaleT : maleT;
    }
}

const QVector<QString>& OrcNames()
{
    static const QVector<QString> names{
        "Grak", "Murzog", "Thrakka", "Ulgrum", "Zugrash", "Borgul", "Karnak", "Drogh", "Urzul", "Ghazbak",
        "Rokhar", "Snagga", "Varzag", "Krull", "Oghrak", "Burzum", "Gorbakh", "Lurtz", "Mordak", "Narg",
        "Shagrat", "Tukhul", "Yazgash", "Grishnak", "Azrul", "Bolgrim", "Dushnak", "Fargul", "Hrokk", "Morgash"};
    return names;
}

const QVector<Role>& Epithets()
{
    static const QVector<Role> list{
        {"Eisenfaust", "Eisenfaust", "Ironfist"}, {"Rotbart", "Rotzopf", "Redbeard"},
        {"der Stille", "die Stille", "the Silent"}, {"der Alte", "die Alte", "the Elder"},
        {"Langbein", "Langbein", "Longleg"}, {"vom Mühlbach", "vom Mühlbach", "of Millbrook"},
        {"Graumantel", "Graumantel", "Greycloak"}, {"Steinbrecher", "Steinbrecherin", "Stonebreaker"},
        {"der Kühne", "die Kühne", "the Bold"}, {"Schwarzhand", "Schwarzhand", "Blackhand"},
        {"Sturmauge", "Sturmauge", "Stormeye"}, {"der Weise", "die Weise", "the Wise"},
        {"Flinkfuß", "Flinkfuß", "Swiftfoot"}, {"Bärenherz", "Bärenherz", "Bearheart"},
        {"Wolfsfell", "Wolfsfell", "Wolfpelt"}, {"Hammerschlag", "Hammerschlag", "Hammerstrike"},
        {"der Fromme", "die Fromme", "the Pious"}, {"Kupferhaar", "Kupferhaar", "Copperhair"},
        {"Einauge", "Einauge", "One-Eye"}, {"Honigmund", "Honigmund", "Honeymouth"},
        {"Nebelgänger", "Nebelgängerin", "Mistwalker"}, {"Salzbart", "Salzhaar", "Saltbeard"},
        {"Großmaul", "Großmaul", "Bigmouth"}, {"Fuchsschwanz", "Fuchsschwanz", "Foxtail"},
        {"Eichenschild", "Eichenschild", "Oakshield"}, {"Krähenfuß", "Krähenfuß", "Crowfoot"},
        {"Weißdorn", "Weißdorn", "Whitethorn"}, {"Gerstenkorn", "Gerstenkorn", "Barleycorn"},
        {"der Gierige", "die Gierige", "the Greedy"}, {"Feuerbart", "Feuerhaar", "Firebeard"},
        {"Spitzohr", "Spitzohr", "Pointear"}, {"Ohnefurcht", "Ohnefurcht", "the Fearless"},
        {"Dreifinger", "Dreifinger", "Threefinger"}, {"der Lange", "die Lange", "the Tall"},
        {"Schneefuß", "Schneefuß", "Snowfoot"}, {"Sandläufer", "Sandläuferin", "Sandrunner"},
        {"Grünrock", "Grünrock", "Greencoat"}, {"Süßholz", "Süßholz", "Liquorice"},
        {"Stahlblick", "Stahlblick", "Steelgaze"}, {"Glückspilz", "Glückspilz", "Lucky"}};
    return list;
}

} // namespace Lexicon
