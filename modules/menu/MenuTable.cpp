#include "modules/menu/MenuTable.h"

#include "modules/LOCAL.h"

#include <cstring>

namespace {

using K = MenuKind;

constexpr MenuEntry menu(const char* name, int level, const char* en, const char* de,
                         const char* map = nullptr)
{
    MenuEntry e{name, level, K::Menu, en, de};
    e.map = map;
    return e;
}
constexpr MenuEntry sep(int level) { return MenuEntry{"", level, K::Separator, "", ""}; }
constexpr MenuEntry divider(const char* name) { return MenuEntry{name, 0, K::Divider, "|", "|"}; }
constexpr MenuEntry list(const char* name, int level, const char* en, const char* de,
                         const char* category)
{
    MenuEntry e{name, level, K::List, en, de};
    e.category = category;
    return e;
}
// All at once with the name labels shown.
constexpr MenuEntry labels(const char* name, int level, const char* en, const char* de,
                           const char* category)
{
    MenuEntry e{name, level, K::All, en, de};
    e.category = category;
    return e;
}
// All at once, a name shown only while the pointer rests on its marker.
constexpr MenuEntry hover(const char* name, int level, const char* en, const char* de,
                          const char* category)
{
    MenuEntry e = labels(name, level, en, de, category);
    e.hideLabels = true;
    return e;
}
constexpr MenuEntry perks(const char* name) { return MenuEntry{name, 1, K::Perks, "Perks", "&Perks"}; }
constexpr MenuEntry cmd(const char* name, int level, const char* en, const char* de,
                        const char* shortcut, MenuCommand command, bool enabled = true)
{
    MenuEntry e{name, level, K::Command, en, de};
    e.shortcut = shortcut;
    e.command = command;
    e.enabled = enabled;
    return e;
}

// Found progress: captions from the language file's "progress" section.
constexpr MenuEntry progress(MenuEntry e)
{
    e.section = "progress";
    return e;
}
constexpr MenuEntry progressCmd(const char* name, int level, const char* en, const char* de,
                                MenuCommand command, bool checkable = false)
{
    MenuEntry e = progress(cmd(name, level, en, de, nullptr, command));
    e.checkable = checkable;
    return e;
}
constexpr MenuEntry markerMenu()
{
    MenuEntry e = progress(menu("mxMarkerMenu", 0, "Marker", "Markierung"));
    e.popup = true;
    return e;
}
constexpr MenuEntry foundCount()
{
    return MenuEntry{"mxFoundCount", 0, K::Status, "", ""};
}

MenuEntry qasiraDragonroots()
{
    MenuEntry e = hover("miQasiraDragonroots", 2, "Dragonroots", "&Drachenwurzeln", "dragonroots");
    e.designGerman = "&Drachenwurzel";
    return e;
}

MenuEntry frostmereTeachers()
{
    MenuEntry e = hover("miFrostmereTeachers", 2, "Teachers", "&Lehrer", "teachers");
    e.kind = K::ListThenAll;
    return e;
}

const MenuEntry kEntries[] = {
    menu("mnuFile", 0, "File", "&Datei"),
    cmd("miPrint", 1, "Print", "&Drucken...", "Ctrl+P", MenuCommand::Print, false),
    cmd("mnuLanguage", 1, "Choose language", "&Sprache wählen...", "Ctrl+L", MenuCommand::Language),
    cmd("miUpdateKarvenna", 1, "Update &Karvenna  ", "&Karvenna aktualisieren", "Ctrl+U", MenuCommand::UpdateKarvenna),
    cmd("miDownloadTranslatorSDK", 1, "Download Translator SDK", "&Übersetzer-SDK herunterladen", "Ctrl+T", MenuCommand::DownloadTranslatorSdk),
    sep(1),
    cmd("miUpdate", 1, "&Download Thornvale patch", "&Thornvale Patch runterladen", "Ctrl+G", MenuCommand::DownloadPatch),
    sep(1),
    cmd("miQuit", 1, "&Quit", "&Beenden", "Ctrl+W", MenuCommand::Quit),
    cmd("mxOpenInstallation", 1, "&Open installation...", "&Installation öffnen...", nullptr, MenuCommand::OpenInstallation),

    menu("mnuCaldora", 0, "Caldora", "&Caldora", "caldora"),
    menu("mnuCaldoraPersons", 1, "Persons", "&Personen"),
    list("miCaldoraNPCs", 2, "NPCs", "&NPCs", "NPC"),
    list("miCaldoraQuestNPCs", 2, "Quest NPCs", "&Questgeber", "quest npcs"),
    hover("miCaldoraTeachers", 2, "Teachers", "&Lehrer", "teachers"),
    hover("miCaldoraMerchants", 2, "Merchants", "&Händler", "merchants"),
    sep(2),
    labels("miCaldoraFriendsX", 2, "Friends and aquaintance", "&Freunde und alte Bekannte", "friendsX"),
    labels("miCaldoraBandits", 2, "Bandits", "&Banditen", "bandits"),
    labels("miCaldoraDruids", 2, "Druids", "&Druiden", "druids"),
    labels("miCaldoraSmiths", 2, "Smiths", "&Schmiede", "smiths"),
    labels("miCaldoraHunters", 2, "Hunters", "&Jäger", "hunters"),
    labels("miCaldoraAlchemists", 2, "Alchemists", "Al&chemisten", "alchemists"),
    labels("miCaldoraFireMages", 2, "Fire mages", "Fe&uermagier", "fire mages"),
    menu("mnuCaldoraOrks", 2, "Orcs", "&Orks"),
    labels("miCaldoraOrcChieftains", 3, "Orc chieftains", "Orks&häuptlinge", "orc chieftains"),
    labels("miCaldoraCommander", 3, "Commander", "&Feldherrn", "commander"),
    hover("miCaldoraHostileOrcs", 3, "Hostile Orcs", "Feindliche Or&ks", "hostile orcs"),
    labels("miCaldoraOrcShamans", 3, "Orc shamans", "Ork&schamanen", "orc shamans"),
    labels("miCaldoraRanger", 2, "Ranger", "&Waldläufer", "ranger"),
    labels("miCaldoraNightblades", 2, "Nightblades", "A&ssasinen", "nightblades"),
    sep(2),
    labels("miCaldoraTwelvePaladins", 2, "Twelve Paladins", "Die &zwölf Paladine", "twelve paladins"),
    labels("miCaldoraBundlesOfWeaponsQuests", 2, "Bundles of weapons quest", "Waffenbündel &Quests", "bundles of weapons quests"),
    labels("miCaldoraMenForBrennhold", 2, "Men for Brennhold", "Männer für &Brennhold", "men for brennhold"),
    labels("miCaldoraSlavesFromWexley", 2, "Wexley slaves", "S&klaven aus Wexley", "slave from wexley"),
    sep(1),
    menu("mnuCaldoraAnimalsAndCreatures", 1, "Animals and creatures", "&Tiere und Kreaturen"),
    hover("miCaldoraCreatures", 2, "Creatures", "&Kreaturen", "creatures"),
    sep(1),
    menu("mnuCaldoraObjects", 1, "Objects", "&Objekte"),
    hover("miCaldoraItems", 2, "Items", "&Gegenstände", "items"),
    hover("miCaldoraTeleporterStones", 2, "Teleporter stones", "&Teleportsteine", "teleporter stones"),
    sep(2),
    labels("miCaldoraMeridaneArtefacts", 2, "Meridane artifacts", "&Meridane Artefakte", "meridane artefacts"),
    labels("miCaldoraFireChalices", 2, "Fire chalices", "&Feuerkelche", "fire chalices"),
    sep(2),
    hover("miCaldoraMageChests", 2, "Mage chests", "&Magiertruhen", "mage chests"),
    hover("miCaldoraWeaponChests", 2, "Weapon chests", "&Waffentruhen", "weapon chests"),
    hover("miCaldoraSpecialChests", 2, "Special chests", "E&xtratruhen (Goldtruhen)", "special chests"),
    sep(2),
    hover("miCaldoraBundlesOfWeapons", 2, "Bundles of weapons", "Waffen&bündel", "bundles of weapons"),
    labels("miCaldoraTools", 2, "Tools", "Werk&zeuge", "tools"),
    sep(2),
    hover("miCaldoraBaskets", 2, "Baskets", "&Körbe", "baskets"),
    hover("miCaldoraResources", 2, "Resources", "&Ressourcen", "resources"),
    labels("miCaldoraMillstones", 2, "Millstones", "M&ühlsteine", "millstones"),
    sep(1),
    menu("mnuCaldoraPlantsAndHerbs", 1, "Plants and herbs", "Pflanzen und &Kräuter"),
    hover("miCaldoraDragonroots", 2, "Dragonroots", "&Drachenwurzeln", "dragonroots"),
    hover("miCaldoraGoblinberries", 2, "Goblinberries", "&Goblinbeeren", "goblinberries"),
    hover("miCaldoraKingsSorrels", 2, "King's sorrels", "&Kronstöckel", "kings sorrels"),
    sep(1),
    menu("mnuCaldoraPlacesAndLocations", 1, "Places and locations", "O&rte und Plätze"),
    hover("miCaldoraPlaces", 2, "Places", "&Orte", "places"),
    labels("miCaldoraCities", 2, "Cities", "&Städte und Siedlungen", "cities"),
    sep(2),
    labels("miCaldoraShrines", 2, "Shrines", "S&chreine", "shrines"),
    hover("miCaldoraCaves", 2, "Caves", "&Höhlen", "caves"),
    labels("miCaldoraRebelCamps", 2, "Rebel camps", "&Rebellenlager", "rebel camps"),
    sep(1),
    perks("miCaldoraPerks"),

    menu("mnuFrostmere", 0, "Frostmere", "&Frostmere", "frostmere"),
    menu("mnuFrostmerePersons", 1, "Persons", "&Personen"),
    list("miFrostmereNPCs", 2, "NPCs", "&NPCs", "NPC"),
    hover("miFrostmereQuestNPCs", 2, "Quest NPCs", "&Questgeber", "quest npcs"),
    frostmereTeachers(),
    labels("miFrostmereMerchants", 2, "Merchants", "&Händler", "merchants"),
    sep(2),
    labels("miFrostmereFriendsX", 2, "Friends and aquaintance", "&Freunde und alte Bekannte", "friendsX"),
    labels("miFrostmereDruids", 2, "Druids", "&Druiden", "druids"),
    labels("miFrostmereSmiths", 2, "Smiths", "&Schmiede", "smiths"),
    labels("miFrostmereHunters", 2, "Hunters", "&Jäger", "hunters"),
    labels("miFrostmereAlchemists", 2, "Alchemists", "Al&chemisten", "alchemists"),
    hover("miFrostmereFireMages", 2, "Fire mages", "Fe&uermagier", "fire mages"),
    labels("miFrostmereOrcs", 2, "Orcs", "O&rks", "orcs"),
    sep(2),
    labels("miFrostmereTwelvePaladins", 2, "Twelve paladins", "Die &zwölf Paladine", "twelve paladins"),
    sep(1),
    menu("mnuFrostmereAnimalsAndCreatures", 1, "Animals...", "&Tiere und Kreaturen"),
    hover("miFrostmereCreatures", 2, "Creatures", "&Kreaturen", "creatures"),
    sep(1),
    menu("mnuFrostmereObjects", 1, "Objects", "&Objekte"),
    labels("miFrostmereItems", 2, "Items", "&Gegenstände", "items"),
    hover("miFrostmereTeleporterStones", 2, "Teleporter stones", "&Teleportsteine", "teleporter stones"),
    sep(2),
    labels("miFrostmereMeridaneArtefacts", 2, "Meridane artifacts", "&Meridane Artefakte", "meridane artefacts"),
    labels("miFrostmereFireChalices", 2, "Fire chalices", "&Feuerkelche", "fire chalices"),
    sep(2),
    hover("miFrostmereMageChests", 2, "Mage chests", "&Magiertruhen", "mage chests"),
    hover("miFrostmereWeaponChests", 2, "Weapon chests", "&Waffentruhen", "weapon chests"),
    sep(2),
    labels("miFrostmereTools", 2, "Tools", "Werk&zeuge", "tools"),
    labels("miFrostmereMillstones", 2, "Millstones", "M&ühlsteine", "millstones"),
    sep(1),
    menu("mnuFrostmerePlantsAndHerbs", 1, "Plants and herbs", "Pflanzen und &Kräuter"),
    hover("miFrostmereDragonRoots", 2, "Dragonroots", "&Drachenwurzeln", "dragonroots"),
    hover("miFrostmereFlameberries", 2, "&Flameberries", "&Flammenbeeren", "flameberries"),
    hover("miFrostmereGoblinberries", 2, "Goblinberries", "&Goblinbeeren", "goblinberries"),
    hover("miFrostmereArmorweeds", 2, "&Armorweeds", "&Harnischkraut", "armorweeds"),
    hover("miFrostmereReignweeds", 2, "&Reignweeds", "Herrscher&kraut", "reignweeds"),
    hover("miFrostmereKingsSorrels", 2, "King's sorrels", "&Kronstöckel", "kings sorrels"),
    sep(1),
    menu("mnuFrostmerePlacesAndLocations", 1, "Places and locations", "O&rte und Plätze"),
    labels("miFrostmerePlaces", 2, "Places", "&Orte", "places"),
    labels("miFrostmereCities", 2, "Cities", "&Städte und Siedlungen", "cities"),
    sep(2),
    labels("miFrostmereShrines", 2, "Shrines", "S&chreine", "shrines"),
    hover("miFrostmereCaves", 2, "Caves", "&Höhlen", "caves"),
    labels("miFrostmereTombOfancestors", 2, "Tomb of ancestors", "&Ahnengräber", "tomb_of_ancestors"),
    sep(1),
    perks("miFrostmerePerks"),

    menu("mnuQasira", 0, "Qasira", "&Qasira", "qasira"),
    menu("mnuQasiraPersons", 1, "Persons", "&Personen"),
    list("miQasiraNPCs", 2, "NPCs", "&NPCs", "NPC"),
    hover("miQasiraQuestNPCs", 2, "Quest NPCs", "&Questgeber", "quest npcs"),
    hover("miQasiraTeachers", 2, "Teachers", "&Lehrer", "teachers"),
    labels("miQasiraMerchants", 2, "Merchants", "&Händler", "merchants"),
    sep(2),
    labels("miQasiraFriendsX", 2, "Friends and aquaintance", "&Freunde und Bekannte", "friendsX"),
    labels("miQasiraBandits", 2, "Bandits", "&Banditen", "bandits"),
    labels("miQasiraSmiths", 2, "Smiths", "&Schmiede", "smiths"),
    labels("miQasiraHunters", 2, "Hunters", "&Jäger", "hunters"),
    labels("miQasiraAlchemists", 2, "Alchemists", "Al&chemisten", "alchemists"),
    labels("miQasiraOrcs", 2, "Orcs", "&Orks", "orcs"),
    labels("miQasiraNomads", 2, "Nomads", "&Nomaden", "nomads"),
    labels("miQasiraNightblades", 2, "Nightblades", "&Assasinen", "nightblades"),
    labels("miQasiraNomadTribeLeaders", 2, "Nomad tribe leaders", "&Stammesführer der Nomaden", "nomad tribe leaders"),
    sep(2),
    labels("miQasiraWaterMages", 2, "Watermages", "&Wassermagier", "watermages"),
    labels("miQasiraTwelvePaladins", 2, "Twelve paladins", "Die &zwölf Paladine", "twelve paladins"),
    labels("miQasiraBundlesOfWeaponsQuests", 2, "Bundles of weapons quests", "Waffenbündel &Quests", "bundles of weapons quests"),
    sep(1),
    menu("mnuQasiraAnimalsAndCreatures", 1, "Animals and creatures", "&Tiere und Kreaturen"),
    hover("miQasiraCreatures", 2, "Creatures", "&Kreaturen", "creatures"),
    hover("miQasiraUndead", 2, "Undead", "&Untote", "undead"),
    hover("miQasiraJackals", 2, "Jackals", "&Schakale", "jackals"),
    sep(2),
    labels("miQasiraPackLeader", 2, "Pack leader", "Scha&kalrudelführer", "pack leader"),
    sep(1),
    menu("mnuObjects", 1, "Objects", "&Objekte"),
    labels("miQasiraItems", 2, "Items", "&Gegenstände", "items"),
    hover("miQasiraTeleporterStones", 2, "Teleporter stones", "&Teleportsteine", "teleporter stones"),
    sep(2),
    labels("miQasiraMeridaneArtefacts", 2, "Meridane artifacts", "&Meridane Artefakte", "meridane artefacts"),
    labels("miQasiraFireChalices", 2, "Fire chalices", "&Feuerkelche", "fire chalices"),
    sep(2),
    hover("miQasiraSelAmunTempleKeys", 2, "Sel Amun temple keys", "Sel Amun &Tempelschlüssel", "sel amun temple keys"),
    hover("miQasiraUrKeshTempleKeys", 2, "Ur Kesh temple keys", "Ur Kesh Tem&pelschlüssel", "ur kesh temple keys"),
    sep(2),
    hover("miQasiraMageChests", 2, "Mage chests", "&Magiertruhen", "mage chests"),
    hover("miQasiraWeaponChests", 2, "Weapons chests", "&Waffentruhen", "weapon chests"),
    hover("miQasiraSpecialChests", 2, "Special chests", "E&xtratruhen (Goldtruhen)", "special chests"),
    sep(2),
    hover("miQasiraBundlesOfWeapons", 2, "Bundles of weapons", "Waffen&bündel", "bundles of weapons"),
    labels("miQasiraTools", 2, "Tools", "Werk&zeuge", "tools"),
    sep(2),
    hover("miQasiraBaskets", 2, "Baskets", "&Körbe", "baskets"),
    hover("miQasiraResources", 2, "Resources", "&Ressourcen", "resources"),
    sep(2),
    hover("miQasiraStoneTablets", 2, "Stone tablets", "Steinta&feln", "stone tablets"),
    sep(1),
    menu("mnuQasiraPlantsAndHerbs", 1, "Plants and herbs", "Pflanzen und &Kräuter"),
    qasiraDragonroots(),
    hover("miQasiraFlameberries", 2, "&Flameberries", "&Flammenbeeren", "flameberries"),
    hover("miQasiraGoblinberries", 2, "Goblinberries", "&Goblinbeeren", "goblinberries"),
    hover("miQasiraArmorweeds", 2, "&Armorweeds", "&Harnischkraut", "armorweeds"),
    hover("miQasiraReignweeds", 2, "&Reignweeds", "Herrscher&kraut", "reignweeds"),
    hover("miQasiraKingsSorrels", 2, "King's sorrels", "&Kronstöckel", "kings sorrels"),
    sep(1),
    menu("mnuQasiraPlacesAndLocations", 1, "Places and locations", "O&rte und Plätze"),
    hover("miQasiraPlaces", 2, "Places", "&Orte", "places"),
    labels("miQasiraCities", 2, "Cities", "&Städte und Siedlungen", "cities"),
    sep(2),
    labels("miQasiraShrines", 2, "Shrines", "S&chreine", "shrines"),
    hover("miQasiraCaves", 2, "Caves", "&Höhlen", "caves"),
    hover("miQasiraTombs", 2, "Tombs", "Gr&äber mit Beilagen", "tombs"),
    sep(1),
    perks("miQasiraPerks"),

    divider("sep13"),

    menu("mnuUrKesh", 0, "Ur Kesh", "&Ur Kesh", "urkesh"),
    menu("mnuUrKeshPersons", 1, "Persons", "&Personen"),
    labels("miUrKeshNPCs", 2, "NPCs", "&NPCs", "NPC"),
    sep(1),
    menu("mnuUrKeshAnimalsAndCreatures", 1, "Animals and creatures", "&Tiere und Kreaturen"),
    labels("miUrKeshCreatures", 2, "Creatures", "&Kreaturen", "creatures"),
    sep(1),
    menu("mnuUrKeshObjects", 1, "Objects", "&Objekte"),
    list("miUrKeshItems", 2, "Items", "&Gegenstände", "items"),
    hover("miUrKeshArtifacts", 2, "Artifacts", "&Artefakte", "artifacts"),
    sep(2),
    labels("miUrKeshKeys", 2, "Temple keys", "Ur Kesh &Tempelschlüssel", "keys"),
    sep(1),
    menu("mnuUrKeshPlacesAndLocations", 1, "Places and locations", "&Orte und Plätze"),
    labels("miUrKeshPlaces", 2, "Places", "&Orte", "places"),

    menu("mnuancestors", 0, "Ancestors", "A&hnengräber", "ancestors"),
    menu("mnuancestorsPersons", 1, "Persons", "&Personen"),
    list("miancestorsNPCs", 2, "NPCs", "&NPCs", "NPC"),
    sep(2),
    labels("miancestorsOrcs", 2, "Orcs", "&Orks", "orcs"),
    sep(2),
    labels("miancestorsancestors", 2, "Ancestors", "&Ahnen", "ancestors"),
    sep(1),
    menu("mnuancestorsAnimalsAndCreatures", 1, "Animals and creatures", "&Tiere und Kreaturen"),
    labels("miancestorsCreatures", 2, "Creatures", "&Kreaturen", "creatures"),
    sep(1),
    menu("mnuancestorsObjects", 1, "Objects", "&Objekte"),
    list("miancestorsItems", 2, "Items", "&Gegenstände", "items"),
    sep(1),
    menu("mnuancestorsPlacesAndLocations", 1, "Places and locations", "O&rte und Plätze"),
    labels("miancestorsPlaces", 2, "Places", "&Orte", "places"),
    sep(2),
    labels("miancestorsTombs", 2, "Ancestors tobms", "&Gräber", "tombs"),

    divider("sep40"),

    menu("mnuFind", 0, "Find", "&Suchen"),
    cmd("miFind", 1, "Find", "&Suchen...", "Ctrl+F", MenuCommand::Find),
    cmd("miFindAgain", 1, "Find again", "&Weitersuchen", "F3", MenuCommand::FindAgain, false),
    cmd("mxFindAll", 1, "Find a&ll...", "&Alles finden...", "Ctrl+Shift+F", MenuCommand::FindAll),

    cmd("mnuExtras", 0, "Extras", "&Extras", nullptr, MenuCommand::Extras),

    menu("mnuHelp", 0, "?", "&?"),
    cmd("miHelp", 1, "Help", "&Hilfe", "F1", MenuCommand::Help),
    cmd("miReadMe", 1, "Read me", "&Read Me", "Ctrl+R", MenuCommand::ReadMe),
    sep(1),
    cmd("miThornvaleHomeSite", 1, "Thornvale Website", "Thornvale &HomeSite", nullptr, MenuCommand::WebSite),
    cmd("miHalvarkForum", 1, "Halvark Board", "Thornvale &Halvark-Forum", nullptr, MenuCommand::WebSite),
    menu("mnuOtherWebsites", 1, "Other websites", "Andere &Websites"),
    cmd("miLH", 2, "Lorehall (LH)", "&Lorehall (LH)", nullptr, MenuCommand::WebSite),
    cmd("miSiteThornvaleNet", 2, "Thornvale Net", "Thornvale &Net", nullptr, MenuCommand::WebSite),
    cmd("miSiteBastion", 2, "Bastion Online", "&Bastion Online", nullptr, MenuCommand::WebSite),
    sep(1),
    cmd("miAbout", 1, "About", "Über...", "Ctrl+A", MenuCommand::About),

    // Beyond the designed menus: zoom, pan and names kept apart.
    menu("mxView", 0, "&View", "&Ansicht"),
    cmd("mxZoomIn", 1, "Zoom &in", "Ver&größern", "Ctrl++", MenuCommand::ZoomIn),
    cmd("mxZoomOut", 1, "Zoom &out", "Ver&kleinern", "Ctrl+-", MenuCommand::ZoomOut),
    cmd("mxZoomAll", 1, "&Whole map", "Ganze Kar&te", "Ctrl+0", MenuCommand::ZoomAll),
    cmd("mxZoomToShown", 1, "Zoom to the &shown markers", "Auf die gezeigten &Markierungen zoomen", nullptr, MenuCommand::ZoomToShown),
    cmd("mxDeclutter", 1, "Hide overlapping &names", "Überlappende &Namen ausblenden", nullptr, MenuCommand::Declutter),
    progress(menu("mxProgress", 0, "&Progress", "Fo&rtschritt")),
    progressCmd("mxHideFound", 1, "&Hide found", "Gefundenes &ausblenden", MenuCommand::HideFound, true),
    progressCmd("mxProfiles", 1, "&Profiles...", "&Profile...", MenuCommand::Profiles),
    progressCmd("mxHuntList", 1, "Print hunting &list...", "&Suchliste drucken...", MenuCommand::HuntList),
    foundCount(),

    markerMenu(),
    progressCmd("mxFound", 1, "&Found", "&Gefunden", MenuCommand::MarkFound, true),
    progressCmd("mxNotFound", 1, "&Not found", "&Nicht gefunden", MenuCommand::MarkNotFound, true),
    sep(1),
    progressCmd("mxInformation", 1, "&Information", "&Information", MenuCommand::MarkerInfo),
};

} // namespace

const char* MenuEntry::languageKey() const
{
    return std::strcmp(name, "mnuExtras") == 0 ? "miExtras" : name;
}

std::span<const MenuEntry> MenuTable::Entries() { return kEntries; }

const MenuEntry* MenuTable::TopMenuOf(const MenuEntry& entry)
{
    const MenuEntry* top = nullptr;
    for (const MenuEntry& e : kEntries) {
        if (e.level == 0)
            top = &e;
        if (&e == &entry)
            return top;
    }
    return nullptr;
}

const MenuEntry* MenuTable::MapMenu(const QString& mapId)
{
    for (const MenuEntry& e : kEntries)
        if (e.level == 0 && e.map && mapId == QLatin1String(e.map))
            return &e;
    return nullptr;
}

const MenuEntry* MenuTable::Find(const char* name)
{
    for (const MenuEntry& e : kEntries)
        if (std::strcmp(e.name, name) == 0)
            return &e;
    return nullptr;
}

const MenuEntry* MenuTable::CategoryEntry(const QString& mapId, const QString& category)
{
    bool inMap = false;
    for (const MenuEntry& e : kEntries) {
        if (e.level == 0)
            inMap = e.map && mapId == QLatin1String(e.map);
        else if (inMap && e.category
                 && category.compare(QLatin1String(e.category), Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

QString MenuTable::Caption(const MenuEntry& entry, const LanguageState& language)
{
    if (LOCAL::IsGerman(language))
        return QString::fromUtf8(entry.german);
    return LOCAL::Text(language, QString::fromLatin1(entry.languageSection()),
                       QString::fromLatin1(entry.languageKey()), QString::fromUtf8(entry.english));
}

QString MenuTable::PlainCaption(const MenuEntry& entry, const LanguageState& language)
{
    const QString caption = Caption(entry, language);
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        plain += caption[i];
    }
    return plain;
}
