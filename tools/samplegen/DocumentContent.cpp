// The contents of the extras documents, taken from the sample's own data where there is any.
#include <QMap>

#include "Documents.h"
#include "Rng.h"
#include "TextFiles.h"
#include "modules/perks/PerkTable.h"

namespace {

struct Lang
{
    bool en;
    QString operator()(const QString& de, const QString& english) const { return en ? english : de; }
};

QString Name(const Catalog& cat, const QString& key, bool english)
{
    const Entity* e = cat.find(key);
    return Html(e && english ? e->nameEn : key);
}

QString RegionName(const QString& id)
{
    return id == QLatin1String("caldora") ? "Caldora" : id == QLatin1String("frostmere") ? "Frostmere" : "Qasira";
}

QString Row(const QStringList& cells, bool header = false)
{
    const QString tag = header ? "th" : "td";
    QString r = "<tr>";
    for (const QString& c : cells)
        r += '<' + tag + '>' + c + "</" + tag + '>';
    return r + "</tr>\n";
}

QString GroupName(const PerkGroup& g, const Lang& L) { return L(g.german.toString(), g.english.toString()); }

// Teachers of a perk, per region, as "Region: name, name".
QString TeachersOf(const Catalog& cat, const PerkEntry& perk, bool english)
{
    QStringList parts;
    for (const MapData& m : cat.maps) {
        for (const Section& s : m.sections) {
            if (s.name != perk.sectionKey)
                continue;
            QStringList names;
            for (const Entry& e : s.entries)
                names << Name(cat, e.key, english);
            parts << "<b>" + RegionName(m.world.id) + ":</b> " + names.join(", ");
        }
    }
    return parts.join("<br>");
}

QString PerkText(const PerkEntry& p, bool english)
{
    return Html((english ? p.english : p.german).trimmed().toString());
}

Document PerkList(const Catalog& cat, const Lang& L)
{
    Document d{"perklist.chm", L("Perk-Übersicht", "Perk list"), {}};
    QString body = "<h1>" + d.title + "</h1>\n<p>" + L("Alle Perks von Thornvale und wer sie lehrt.",
                                                        "Every perk of Thornvale and who teaches it.") + "</p>\n";
    for (const PerkGroup& g : PerkTable::Groups()) {
        body += "<h2>" + GroupName(g, L) + "</h2>\n<table>\n"
                + Row({L("Perk", "Perk"), L("Lehrer", "Teachers")}, true);
        for (const PerkEntry& p : PerkTable::Perks())
            if (p.group == g.key)
                body += Row({PerkText(p, L.en), TeachersOf(cat, p, L.en)});
        body += "</table>\n";
    }
    d.pages.push_back({"index.html", d.title, body});
    return d;
}

Document Spellbook(const Catalog& cat, const Lang& L)
{
    Document d{"spellbook.chm", L("Zauberbuch", "Spellbook"), {}};
    QString body = "<h1>" + d.title + "</h1>\n<table>\n"
                   + Row({L("Zauber", "Spell"), L("Kreis", "Circle"), L("Mana", "Mana"), L("Lehrer", "Teachers")}, true);
    int circle = 0;
    for (const PerkEntry& p : PerkTable::Perks()) {
        if (p.group != u'm')
            continue;
        ++circle;
        body += Row({PerkText(p, L.en), QString::number(1 + circle % 6), QString::number(5 + (circle * 7) % 40),
                     TeachersOf(cat, p, L.en)});
    }
    body += "</table>\n<p class=\"note\">" + L("Zauber werden mit Spruchrollen oder Runen gewirkt.",
                                                  "Spells are cast from scrolls or runes.") + "</p>\n";
    d.pages.push_back({"index.html", d.title, body});
    return d;
}

Document PlantList(const Catalog& cat, const Lang& L)
{
    struct Plant { QString key, de, en, effectDe, effectEn; };
    const QVector<Plant> plants{
        {"dragonroots", "Drachenwurzel", "Dragonroot", "+1 Stärke, dauerhaft", "+1 strength, permanent"},
        {"goblinberries", "Goblinbeere", "Goblinberry", "+1 Geschick, dauerhaft", "+1 dexterity, permanent"},
        {"kings sorrels", "Kronstöckel", "King's sorrel", "+10 Lebenskraft, dauerhaft", "+10 health, permanent"},
        {"flameberries", "Flammenbeere", "Flameberry", "+5 Mana, dauerhaft", "+5 mana, permanent"},
        {"armorweeds", "Harnischkraut", "Armorweed", "+1 Schutz, dauerhaft", "+1 protection, permanent"},
        {"reignweeds", "Herrscherkraut", "Reignweed", "+1 Weisheit, dauerhaft", "+1 wisdom, permanent"}};
    Document d{"plantlist.chm", L("Pflanzen und Kräuter", "Plants and herbs"), {}};
    QString body = "<h1>" + d.title + "</h1>\n<table>\n"
                   + Row({L("Pflanze", "Plant"), L("Wirkung", "Effect"), "Caldora", "Frostmere", "Qasira"}, true);
    QString places;
    for (const Plant& p : plants) {
        QStringList cells{"<b>" + L(p.de, p.en) + "</b>", L(p.effectDe, p.effectEn)};
        places += "<h2>" + L(p.de, p.en) + "</h2>\n<ul>\n";
        for (const QString id : {"caldora", "frostmere", "qasira"}) {
            int count = 0;
            QMap<QString, int> where;
            for (const MapData& m : cat.maps)
                if (m.world.id == id)
                    for (const Section& s : m.sections)
                        if (s.name == p.key)
                            for (const Entry& e : s.entries)
                                if (const Entity* ent = cat.find(e.key)) {
                                    ++count;
                                    ++where[L.en ? ent->whereEn : ent->where];
                                }
            cells << (count ? QString::number(count) : "&ndash;");
            if (count) {
                QStringList list;
                for (auto it = where.begin(); it != where.end(); ++it)
                    list << Html(it.key()) + " (" + QString::number(it.value()) + ")";
                places += "<li><b>" + RegionName(id) + ":</b> " + list.join(", ") + "</li>\n";
            }
        }
        places += "</ul>\n";
        body += Row(cells);
    }
    body += "</table>\n" + places;
    d.pages.push_back({"index.html", d.title, body});
    return d;
}

Document TeleporterStones(const Catalog& cat, const Lang& L)
{
    Document d{"teleporterstones.chm", L("Teleportsteine", "Teleporter stones"), {}};
    QString body = "<h1>" + d.title + "</h1>\n<p>" + L("Wer einen Runenstein berührt, kann zu jedem anderen Stein derselben Region reisen.",
                                                       "Touch a rune stone to travel to any other stone of the same region.") + "</p>\n";
    for (const MapData& m : cat.maps) {
        if (m.world.isDungeon())
            continue;
        body += "<h2>" + RegionName(m.world.id) + "</h2>\n<table>\n"
                + Row({L("Stein", "Stone"), L("Nächster Ort", "Nearest town"), L("Position", "Position")}, true);
        for (const Section& s : m.sections)
            if (s.name == QLatin1String("teleporter stones"))
                for (const Entry& e : s.entries)
                    if (const Entity* ent = cat.find(e.key)) {
                        const Site* town = m.world.nearestSite(ent->pos, {"town"});
                        body += Row({Name(cat, e.key, L.en), town ? Html(L(town->name, town->nameEn)) : QString(),
                                     QString::number(qRound(ent->pos.x())) + ", " + QString::number(qRound(ent->pos.y()))});
                    }
        body += "</table>\n";
    }
    d.pages.push_back({"index.html", d.title, body});
    return d;
}

// Invented equipment, each found at a place of the sample.
Document Equipment(const Catalog& cat, const Lang& L, const QString& file, const QString& de, const QString& en,
                   const QVector<QPair<QString, QString>>& names, const QString& statDe, const QString& statEn, quint64 seed)
{
    Rng rng(seed);
    QVector<const Entity*> places;
    for (const Entity& e : cat.entities)
        if (e.kind == QLatin1String("place") && !e.mapId.isEmpty())
            places << &e;
    Document d{file, L(de, en), {}};
    QString body = "<h1>" + d.title + "</h1>\n<table>\n"
                   + Row({L("Name", "Name"), L(statDe, statEn), L("Wert", "Value"), L("Fundort", "Where to find")}, true);
    for (const auto& n : names) {
        const Entity* where = places[rng.range(0, places.size() - 1)];
        body += Row({Html(L(n.first, n.second)), "+" + QString::number(rng.range(1, 12)), QString::number(rng.range(2, 90) * 10),
                     Html(L.en ? where->nameEn : where->name) + " (" + RegionName(where->mapId) + ")"});
    }
    body += "</table>\n";
    d.pages.push_back({"index.html", d.title, body});
    return d;
}

Document Cheats(const Lang& L)
{
    const QVector<QStringList> cheats{
        {"gold 500", "500 Goldstücke", "500 gold pieces"}, {"heal", "Lebenskraft voll auffüllen", "Restore full health"},
        {"mana", "Mana voll auffüllen", "Restore full mana"}, {"teach <perk>", "Perk sofort erlernen", "Learn a perk at once"},
        {"reveal", "Ganze Karte aufdecken", "Reveal the whole map"}, {"ghost", "Durch Wände gehen", "Walk through walls"},
        {"time 12", "Uhrzeit auf Mittag stellen", "Set the time to noon"}, {"weather clear", "Klares Wetter", "Clear weather"},
        {"level up", "Eine Stufe aufsteigen", "Gain one level"}, {"spawn wolf", "Einen Wolf erscheinen lassen", "Spawn a wolf"}};
    Document d{"cheatlist.html", L("Cheatliste", "Cheat list"), {}};
    QString body = "<h1>" + d.title + "</h1>\n<p>" + L("Die Konsole öffnet sich mit F2, nachdem man im Hauptmenü „Thornvale“ rückwärts getippt hat.",
                                                       "The console opens with F2 after typing \"Thornvale\" backwards in the main menu.")
                   + "</p>\n<table>\n" + Row({L("Befehl", "Command"), L("Wirkung", "Effect")}, true);
    for (const QStringList& c : cheats)
        body += Row({"<code>" + Html(c[0]) + "</code>", L(c[1], c[2])});
    body += "</table>\n<p class=\"note\">" + L("Wer schummelt, verliert die Ehre der Paladine.", "Cheaters lose the paladins' honour.") + "</p>\n";
    d.pages.push_back({"index.html", d.title, body});
    return d;
}

Document Reputation(const Catalog& cat, const Lang& L)
{
    struct Faction { QString category, de, en; };
    const QVector<Faction> factions{{"twelve paladins", "Die zwölf Paladine", "The twelve paladins"},
                                    {"druids", "Druiden", "Druids"}, {"fire mages", "Feuermagier", "Fire mages"},
                                    {"watermages", "Wassermagier", "Water mages"}, {"nomads", "Nomaden", "Nomads"},
                                    {"rebel camps", "Rebellen", "Rebels"}, {"bandits", "Banditen", "Bandits"},
                                    {"nightblades", "Assasinen", "Nightblades"}};
    Document d{"reputationlist.html", L("Rufliste", "Reputation list"), {}};
    QString body = "<h1>" + d.title + "</h1>\n<table>\n"
                   + Row({L("Fraktion", "Faction"), L("Mitglieder", "Members"), L("Ansprechpartner", "Contact")}, true);
    for (const Faction& f : factions) {
        int members = 0;
        QString contact;
        for (const MapData& m : cat.maps)
            for (const Section& s : m.sections)
                if (s.name == f.category)
                    for (const Entry& e : s.entries) {
                        ++members;
                        if (contact.isEmpty())
                            contact = Name(cat, e.key, L.en) + " (" + RegionName(m.world.id) + ")";
                    }
        body += Row({L(f.de, f.en), QString::number(members), contact});
    }
    body += "</table>\n<h2>" + L("Stufen", "Levels") + "</h2>\n<ol>\n";
    const QStringList levels = L.en ? QStringList{"Hostile", "Suspicious", "Neutral", "Friendly", "Honoured", "Revered"}
                                    : QStringList{"Feindselig", "Misstrauisch", "Neutral", "Freundlich", "Geehrt", "Verehrt"};
    for (const QString& l : levels)
        body += "<li>" + l + "</li>\n";
    body += "</ol>\n";
    d.pages.push_back({"index.html", d.title, body});
    return d;
}

Document Faq(const Lang& L)
{
    const QVector<QStringList> qa{
        {"Wie finde ich eine bestimmte Person?", "Über Suchen (Strg+F) den Anfang des Namens eingeben; F3 sucht weiter.",
         "How do I find a particular person?", "Use Find (Ctrl+F) with the beginning of the name; F3 finds the next one."},
        {"Warum fehlen manche Beschreibungen?", "Nicht zu jedem Eintrag gibt es schon einen Text. Ergänzungen sind willkommen.",
         "Why are some descriptions missing?", "Not every entry has a text yet. Contributions are welcome."},
        {"Wo lerne ich einen Perk?", "Im Kartenmenü einer Region „Perks“ wählen, den Perk markieren und „Anzeigen“ drücken.",
         "Where do I learn a perk?", "Choose \"Perks\" in a region's map menu, select the perk and press \"Show\"."},
        {"Kann ich die Sprache ändern?", "Ja, unter Datei, Sprache wählen. Weitere Sprachen liegen im Ordner LANG.",
         "Can I change the language?", "Yes, under File, Choose language. Further languages live in the LANG folder."},
        {"Wie drucke ich eine Karte?", "Eine Kategorie anzeigen und dann Datei, Drucken wählen.",
         "How do I print a map?", "Show a category, then choose File, Print."}};
    Document d{"faq.html", L("FAQ - Häufig gestellte Fragen", "FAQ - Frequently Asked Questions"), {}};
    QString body = "<h1>" + d.title + "</h1>\n";
    for (const QStringList& q : qa)
        body += "<h2>" + Html(L(q[0], q[2])) + "</h2>\n<p>" + Html(L(q[1], q[3])) + "</p>\n";
    d.pages.push_back({"index.html", d.title, body});
    return d;
}

} // namespace

QVector<Document> ExtrasDocuments(const Catalog& cat, bool english)
{
    const Lang L{english};
    QVector<Document> docs{PerkList(cat, L), Spellbook(cat, L), Cheats(L), Reputation(cat, L)};
    docs << Equipment(cat, L, "armorlist.chm", "Rüstungsliste", "Armour list",
                      {{"Lederrüstung", "Leather armour"}, {"Jägerrüstung", "Hunter's armour"}, {"Kettenhemd", "Mail shirt"},
                       {"Pelzrüstung", "Fur armour"}, {"Nomadengewand", "Nomad robe"}, {"Paladinrüstung", "Paladin armour"},
                       {"Orkpanzer", "Orc plate"}, {"Drachenschuppenrüstung", "Dragon scale armour"}},
                      "Schutz", "Protection", 11);
    docs << PlantList(cat, L) << TeleporterStones(cat, L);
    docs << Equipment(cat, L, "amuletlist.chm", "Amulette", "Amulets",
                      {{"Amulett der Eule", "Owl amulet"}, {"Bernsteinamulett", "Amber amulet"}, {"Amulett des Wolfes", "Wolf amulet"},
                       {"Sonnenamulett", "Sun amulet"}, {"Amulett der Ahnen", "Ancestors' amulet"}, {"Knochenamulett des Schamanen", "Shaman's bone amulet"}},
                      "Bonus", "Bonus", 12);
    docs << Equipment(cat, L, "ringlist.chm", "Magischen Ringe", "Magic rings",
                      {{"Ring der Stärke", "Ring of strength"}, {"Ring des Geschicks", "Ring of dexterity"}, {"Eisring", "Ice ring"},
                       {"Ring der Flamme", "Ring of flame"}, {"Siegelring von Meridane", "Signet ring of Meridane"}, {"Ring des Wanderers", "Wanderer's ring"}},
                      "Bonus", "Bonus", 13);
    docs << Equipment(cat, L, "shieldlist.chm", "Schilder", "Shields",
                      {{"Holzschild", "Wooden shield"}, {"Rundschild", "Round shield"}, {"Turmschild", "Tower shield"},
                       {"Paladinschild", "Paladin shield"}, {"Orkschild", "Orc shield"}, {"Spiegelschild", "Mirror shield"}},
                      "Schutz", "Protection", 14);
    docs << Faq(L);
    return docs;
}
