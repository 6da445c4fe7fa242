#include "LanguageWriter.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "TextFiles.h"
#include "modules/menu/MenuTable.h"
#include "modules/perks/PerkTable.h"

namespace {

// A translator's caption: the English default with its spelling put right and an accelerator.
QString Caption(const MenuEntry& entry)
{
    static const QHash<QString, QString> fixes{
        {"mnuExtras", "&Extras"},
        {"mnuHelp", "&?"},
        {"miUpdateKarvenna", "Update &Karvenna"},
        {"mnuFrostmereAnimalsAndCreatures", "&Animals and creatures"},
        {"miancestorsTombs", "Ancestors' &tombs"},
        {"miPrint", "&Print..."},
        {"miFind", "&Find..."},
        {"miAbout", "&About..."},
        {"mnuLanguage", "Choose &language..."},
    };
    const QString name = QString::fromLatin1(entry.name);
    if (fixes.contains(name))
        return fixes.value(name);
    QString c = QString::fromUtf8(entry.english);
    c.replace("aquaintance", "acquaintance");
    if (!c.contains('&'))
        c.prepend('&');
    return c;
}

// The captioned menu entries in the order a translator meets them: the menu bar, then the
// entries of the menus of no map, then those of the maps' menus.
QVector<const MenuEntry*> TranslatedEntries()
{
    QVector<const MenuEntry*> bar, general, maps;
    for (const MenuEntry& entry : MenuTable::Entries()) {
        if (!entry.isCaptioned() || entry.section)
            continue;
        if (entry.level == 0)
            bar << &entry;
        else if (MenuTable::TopMenuOf(entry)->map)
            maps << &entry;
        else
            general << &entry;
    }
    return bar + general + maps;
}

QVector<Section> EnglishSections(const Catalog& cat)
{
    QVector<Section> s;
    s.push_back({"general", {{"language", "English"}, {"version", "1.4"}, {"author", "The Karvenna team"},
                             {"website", "karvenna.thornvale.example/"}, {"email", "translators@karvenna.example"}}});
    Section menus{"menus", {}};
    for (const MenuEntry* entry : TranslatedEntries())
        menus.entries.push_back({QString::fromLatin1(entry->languageKey()), Caption(*entry)});
    s.push_back(menus);
    s.push_back({"ui", {{"ComboBoxPrompt", "------------ Please select ------------"},
                        {"InfoButtonToolTip", "Displays information about the selected entity."},
                        {"FileNotFound", "The following file is missing: %s\\nThe program cannot continue."},
                        {"FileNotFoundCaption", "Error"}}});
    s.push_back({"frmFind", {{"caption", "Find"}, {"searchfor", "Search for:"}, {"options", "Options"},
                             {"searchinnames", "Search in names"}, {"searchindescriptions", "Search in descriptions"},
                             {"buttonfind", "&Find"}, {"buttoncancel", "&Cancel"},
                             {"notfoundmessage", "The search term \"%s\" could not be found."},
                             {"notfoundcaption", "Find"}, {"SearchResult", "Search result: %s"}}});
    s.push_back({"frmPrint", {{"caption", "Print"}, {"label", "Printers"}, {"optionlandscape", "Landscape"},
                              {"optionportrait", "Portrait"}, {"buttonprint", "&Print"}, {"buttoncancel", "&Cancel"}}});
    s.push_back({"frmInfo", {{"buttonclose", "&Close"}}});
    s.push_back({"frmAbout", {{"caption", "About"},
                              {"description", "Maps of Thornvale with everything worth finding."},
                              {"email", "eMail:"}, {"website", "WebSite:"},
                              {"disclaimer", "This program is freeware for non-commercial use. Please ask the author "
                                             "before offering it for download elsewhere."},
                              {"sources", "The map information rests on the work of many players: thanks to every "
                                          "contributor of the Lorehall, Thornvale Net and Bastion Online."},
                              {"thanksto", "Special thanks to all testers and translators."}}});
    s.push_back({"frmLang", {{"caption", "Choose language"}, {"availablelangs", "Available languages"},
                             {"currentlang", "Current language"}, {"author", "Author"}, {"email", "eMail"},
                             {"website", "Website"}, {"buttonselect", "&Select"}, {"buttoncancel", "&Cancel"}}});
    s.push_back({"frmExtras", {{"caption", "Extras"}, {"btnSelect", "&Select"}, {"btnCancel", "&Cancel"},
                               {"PerksViewer", "Perk list"}, {"Spellbook", "Spellbook"}, {"Cheats", "Cheat list"},
                               {"ReputationList", "Reputation list"}, {"ArmorList", "Armour list"},
                               {"PlantList", "Plants and herbs"}, {"TeleporterStones", "Teleporter stones"},
                               {"AmuletList", "Amulets"}, {"RingList", "Magic rings"}, {"ShieldList", "Shields"},
                               {"FAQ", "FAQ - Frequently Asked Questions"}}});
    Section perks{"frmPerks", {{"caption", "Teachers of perks in %s"}, {"root", "Perks in %s"},
                               {"fightingskills", "Fighting skills"}, {"huntingskills", "Hunting skills"},
                               {"magicskills", "Magic skills"}, {"smithskills", "Smith skills"},
                               {"thiefskills", "Thief skills"}, {"alchemyskills", "Alchemy skills"},
                               {"otherskills", "Other skills"}}};
    static const QHash<QString, QString> spelling{
        {"BrewPotionsWithPermanentEffects", "Brew potions with permanent effects"},
        {"BrewTransformationPotions", "Brew transformation potions"}, {"MakePoisonArrows", "Make poison arrows"},
        {"MasterArcherCrossbow", "Master archer (crossbow)"}, {"MasterArcherBow", "Master archer (bow)"},
        {"OrcHunter", "Orc hunter"}, {"OrcSlayer", "Orc slayer"}, {"PoisonResistance", "Poison resistance"},
        {"ResistanceToCold", "Resistance to cold"}, {"ResistanceToHeat", "Resistance to heat"},
        {"ShieldParry", "Shield parry"}, {"StrongSwordfighter", "Strong swordfighter"}, {"TameAnimal", "Tame animal"},
        {"WaterMage", "Water mage"}, {"WeaknessResistance", "Weakness resistance"}, {"Bless weapon", "Bless weapon"},
        {"Lightning bolt", "Lightning bolt"}, {"Weaken", "Weaken"}};
    for (const PerkEntry& p : PerkTable::Perks()) {
        const QString key = p.langKey.toString();
        perks.entries.push_back({key, spelling.value(key, p.english.toString())});
    }
    perks.entries += QVector<Entry>{{"ButtonShow", "&Show"}, {"ButtonCancel", "&Cancel"},
                                    {"CaldoraTeachersFor", "Caldora: teachers of"},
                                    {"FrostmereTeachersFor", "Frostmere: teachers of"},
                                    {"QasiraTeachersFor", "Qasira: teachers of"}};
    s.push_back(perks);

    Section entities{"entities", {{"Caldora", "Caldora"}, {"Frostmere", "Frostmere"}, {"Qasira", "Qasira"},
                                  {"Ur Kesh", "Ur Kesh"}, {"Tempel von", "Temple of"}}};
    // Longer names first: a name is translated by the first key that it begins with.
    QVector<const Entity*> sorted;
    for (const Entity& e : cat.entities)
        sorted << &e;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Entity* a, const Entity* b) {
        return a->name.size() != b->name.size() ? a->name.size() > b->name.size() : a->name < b->name;
    });
    for (const Entity* e : sorted)
        entities.entries.push_back({e->name, e->nameEn});
    s.push_back(entities);
    return s;
}

QVector<Section> FrenchSections(const Catalog& cat)
{
    QVector<Section> s;
    s.push_back({"general", {{"language", "Français"}, {"version", "0.3"}, {"author", "Équipe Karvenna"},
                             {"website", "karvenna.thornvale.example/fr/"}, {"email", "fr@karvenna.example"}}});
    s.push_back({"menus", {{"mnuFile", "&Fichier"}, {"miPrint", "&Imprimer..."}, {"mnuLanguage", "Choisir la &langue..."},
                           {"miQuit", "&Quitter"}, {"mnuFind", "&Rechercher"}, {"miFind", "&Rechercher..."},
                           {"miFindAgain", "Rechercher le &suivant"}, {"miHelp", "&Aide"}, {"miAbout", "À &propos..."},
                           {"mnuCaldoraPersons", "&Personnes"}, {"mnuFrostmerePersons", "&Personnes"},
                           {"mnuQasiraPersons", "&Personnes"}, {"miCaldoraCities", "&Villes"}, {"miCaldoraCaves", "&Grottes"}}});
    s.push_back({"ui", {{"ComboBoxPrompt", "------------ Choisissez ------------"}}});
    s.push_back({"frmInfo", {{"buttonclose", "&Fermer"}}});
    Section entities{"entities", {{"Tempel von", "Temple de"}}};
    int n = 0;
    for (const Entity& e : cat.entities)
        if (e.kind == QLatin1String("place") && e.role == QLatin1String("town") && n++ < 6)
            entities.entries.push_back({e.name, e.name + " (ville)"});
    s.push_back(entities);
    return s;
}

QImage Flag(bool english)
{
    QImage flag(16, 16, QImage::Format_RGB32);
    QPainter p(&flag);
    if (english) {
        // Our own banner: a navy field with a broad white cross and a red cross on it, in
        // whole pixels so that it stays crisp at the 16 x 16 the language dialog shows.
        flag.fill(QColor(20, 40, 110));
        p.fillRect(0, 5, 16, 6, Qt::white);
        p.fillRect(5, 0, 6, 16, Qt::white);
        p.fillRect(0, 6, 16, 4, QColor(200, 30, 40));
        p.fillRect(6, 0, 4, 16, QColor(200, 30, 40));
    } else {
        p.fillRect(0, 0, 6, 16, QColor(30, 60, 150));
        p.fillRect(6, 0, 5, 16, Qt::white);
        p.fillRect(11, 0, 5, 16, QColor(210, 40, 50));
    }
    return flag;
}

} // namespace

void WriteLanguageFiles(const Catalog& cat, const QString& outDir)
{
    WriteTextFile(outDir + "/LANG/English/English.lng", IniText(EnglishSections(cat), "Karvenna language file: English"));
    WriteTextFile(outDir + "/LANG/Francais/Francais.lng",
                  IniText(FrenchSections(cat), "Karvenna language file: French (partial, the rest shows in English)"));
}

void WriteFlags(const QString& outDir)
{
    Flag(true).save(outDir + "/LANG/English/English.bmp", "BMP");
    Flag(false).save(outDir + "/LANG/Francais/Francais.bmp", "BMP");
}
