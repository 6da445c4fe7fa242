#include "Descriptions.h"

#include <QHash>

#include "Rng.h"
#include "Roles.h"

namespace {

struct Text
{
    QString de, en;
};

const QHash<QString, Text>& TradeLines()
{
    static const QHash<QString, Text> lines{
        {"farmer", {"Bestellt die Felder und klagt über das Wetter.", "Tills the fields and complains about the weather."}},
        {"fisher", {"Verkauft morgens frischen Fisch, abends Geschichten.", "Sells fresh fish in the morning and tall tales at night."}},
        {"innkeeper", {"Schenkt Bier aus und weiß, was im Ort geredet wird.", "Pours ale and knows every rumour in town."}},
        {"guard", {"Hält Wache und lässt sich für ein paar Münzen ablenken.", "Keeps watch and can be distracted for a few coins."}},
        {"woodcutter", {"Fällt Bäume und kennt jeden Pfad im Wald.", "Fells trees and knows every path in the woods."}},
        {"miller", {"Mahlt Korn und sucht einen neuen Mühlstein.", "Grinds grain and is looking for a new millstone."}},
        {"beggar", {"Bettelt um Münzen und hört dabei allerhand.", "Begs for coins and overhears all sorts of things."}},
        {"scribe", {"Schreibt Briefe für alle, die es selbst nicht können.", "Writes letters for those who cannot."}},
        {"shepherd", {"Hütet Schafe und fürchtet die Wölfe.", "Tends sheep and fears the wolves."}},
        {"miner", {"Schürft Erz und kennt die alten Stollen.", "Digs for ore and knows the old galleries."}},
        {"farmhand", {"Arbeitet hart für wenig Lohn.", "Works hard for little pay."}},
        {"tanner", {"Kauft Felle und Häute zu fairen Preisen.", "Buys furs and hides at fair prices."}},
        {"baker", {"Backt das beste Brot weit und breit.", "Bakes the best bread far and wide."}},
        {"potter", {"Töpfert Krüge, Schalen und Urnen.", "Makes jugs, bowls and urns."}},
        {"weaver", {"Webt Stoffe und flickt Umhänge.", "Weaves cloth and mends cloaks."}},
        {"ferryman", {"Setzt Reisende über das Wasser.", "Ferries travellers across the water."}},
        {"pilgrim", {"Ist auf dem Weg zu den Schreinen des Landes.", "Is on the way to the shrines of the land."}},
        {"bard", {"Singt Lieder von alten Helden und neuen Schurken.", "Sings of old heroes and new villains."}},
        {"messenger", {"Trägt Botschaften von Ort zu Ort.", "Carries messages from place to place."}},
        {"priest", {"Lehrt die Zauber des Glaubens und segnet Waffen.", "Teaches the spells of faith and blesses weapons."}},
        {"merchant", {"Handelt mit allem, was Gewinn verspricht.", "Trades in anything that promises a profit."}},
        {"smith", {"Schmiedet Waffen und verbessert Rüstungen.", "Forges weapons and improves armour."}},
        {"hunter", {"Jagt im Umland und bringt anderen das Häuten bei.", "Hunts the countryside and teaches others to skin their prey."}},
        {"alchemist", {"Braut Tränke und kauft seltene Kräuter.", "Brews potions and buys rare herbs."}},
        {"druid", {"Spricht mit den Tieren und lehrt die Verwandlung.", "Speaks with animals and teaches transformation."}},
        {"firemage", {"Ein Meister der Flammen; lehrt Zauber gegen Bares.", "A master of flames who teaches spells for coin."}},
        {"watermage", {"Hütet das Wissen über Eis und Wasser.", "Guards the lore of ice and water."}},
        {"ranger", {"Streift durch die Wälder und meldet jede Orkspur.", "Roams the woods and reports every orc track."}},
        {"paladin", {"Einer der zwölf Paladine, die den Eid auf das Licht geschworen haben.", "One of the twelve paladins sworn to the light."}},
        {"armsmaster", {"Lehrt den Umgang mit Schwert und Schild.", "Teaches sword and shield."}},
        {"bandit", {"Lauert Reisenden auf. Nicht ansprechen, ohne die Waffe zu ziehen.", "Waylays travellers. Do not approach unarmed."}},
        {"nightblade", {"Gehört zur Gilde der Assasinen. Spricht nur mit Eingeweihten.", "Belongs to the guild of nightblades. Speaks only to the initiated."}},
        {"nomad", {"Zieht mit den Herden von Oase zu Oase.", "Moves with the herds from oasis to oasis."}},
        {"chief", {"Führt einen Stamm der Nomaden und verlangt Respekt.", "Leads a nomad tribe and demands respect."}},
        {"recruit", {"Würde für Brennhold kämpfen, wenn man ihn überzeugt.", "Would fight for Brennhold if convinced."}},
        {"slave", {"Wurde aus Wexley verschleppt und hofft auf Befreiung.", "Was carried off from Wexley and hopes to be freed."}},
        {"rebel", {"Kämpft gegen die Orks, wo es nur geht.", "Fights the orcs wherever possible."}},
        {"acrobat", {"Zeigt Kunststücke und lehrt Akrobatik.", "Performs tricks and teaches acrobatics."}},
        {"hermit", {"Lebt abseits der Wege und weiß mehr, als er sagt.", "Lives off the roads and knows more than is said."}},
        {"thief", {"Hat flinke Finger und öffnet jedes Schloss.", "Has nimble fingers and opens any lock."}},
        {"cultist", {"Dient dem vergessenen Gott des Tempels.", "Serves the forgotten god of the temple."}},
        {"adventurer", {"Sucht Ruhm und Gold in alten Gemäuern.", "Seeks fame and gold in old walls."}},
        {"ghost", {"Ein ruheloser Geist, der sein Grab nicht findet.", "A restless ghost who cannot find its grave."}},
        {"ancestor", {"Einer der Ahnen, die in dieser Gruft wachen.", "One of the ancestors who keep watch in this tomb."}},
    };
    return lines;
}

const QVector<Text>& Quirks()
{
    static const QVector<Text> q{
        {"Hat angeblich einmal einen Troll mit bloßen Händen vertrieben.", "Claims to have once chased off a troll bare-handed."},
        {"Schuldet dem Wirt noch drei Krüge Bier.", "Still owes the innkeeper three tankards of ale."},
        {"Sucht jemanden, der einen Brief überbringt.", "Looks for someone to deliver a letter."},
        {"Spricht nur nachts mit Fremden.", "Talks to strangers only at night."},
        {"Tipp: Vorher ein Geschenk mitbringen.", "Hint: bring a gift first."},
        {"Verkauft auch Karten der Umgebung.", "Also sells maps of the area."},
        {"Gibt eine Quest, sobald man ihm geholfen hat.", "Offers a quest once you have helped."},
        {"Ist nach dem zweiten Kapitel nicht mehr anzutreffen.", "Cannot be found after the second chapter."},
        {"Fürchtet sich vor Spinnen.", "Is afraid of spiders."},
        {"Weiß, wo eine Goldtruhe versteckt ist.", "Knows where a gold chest is hidden."}};
    return q;
}

Text Person(const Entity& e, Rng& rng)
{
    const Text trade = TradeLines().value(e.role, {"Lebt hier.", "Lives here."});
    const Text quirk = Quirks()[rng.range(0, Quirks().size() - 1)];
    const QString where = e.where.isEmpty() ? QString("hier") : e.where;
    const QString whereEn = e.whereEn.isEmpty() ? QString("here") : e.whereEn;
    const int v = rng.range(0, 2);
    Text t;
    t.de = (v == 0 ? e.first + " lebt bei " + where + "."
            : v == 1 ? e.first + " ist oft bei " + where + " anzutreffen."
                     : "Man findet " + e.first + " in der Nähe von " + where + ".")
           + "\\n" + trade.de + "\\n" + quirk.de;
    t.en = (v == 0 ? e.first + " lives near " + whereEn + "."
            : v == 1 ? e.first + " can often be found at " + whereEn + "."
                     : "You will find " + e.first + " close to " + whereEn + ".")
           + "\\n" + trade.en + "\\n" + quirk.en;
    return t;
}

Text Orc(const Entity& e, Rng& rng)
{
    const int strength = rng.range(3, 9);
    return {e.first + " gehört zu den Orks, die das Land heimsuchen.\\nStärke: " + QString::number(strength)
                + " von 10\\nTrägt oft eine Orkaxt und etwas Gold bei sich.",
            e.first + " is one of the orcs that haunt the land.\\nStrength: " + QString::number(strength)
                + " of 10\\nOften carries an orc axe and some gold."};
}

Text Thing(const Entity& e, Rng& rng)
{
    const int gold = rng.range(2, 60) * 5;
    const QString k = e.kind;
    if (k == QLatin1String("creature") || k == QLatin1String("undead")) {
        const int level = rng.range(1, 5);
        return {e.role + " bei " + e.where + ".\\nGefährlichkeit: " + QString(level, QChar(0x2605))
                    + "\\nAm besten in Gruppen meiden oder mit Feuer bekämpfen.",
                "Sighted at " + e.whereEn + ".\\nDanger: " + QString(level, QChar(0x2605))
                    + "\\nBest avoided in groups or fought with fire."};
    }
    if (k == QLatin1String("plant"))
        return {e.role + ", wächst bei " + e.where + ".\\nAlchemisten zahlen gut dafür: etwa " + QString::number(gold / 5) + " Gold.",
                "Grows at " + e.whereEn + ".\\nAlchemists pay well for it: about " + QString::number(gold / 5) + " gold."};
    if (k == QLatin1String("chest"))
        return {e.role + " bei " + e.where + ".\\nSchloss: " + (gold > 150 ? "schwer" : "einfach")
                    + "\\nInhalt: etwa " + QString::number(gold) + " Gold und ein paar Tränke.",
                "A chest at " + e.whereEn + ".\\nLock: " + (gold > 150 ? "difficult" : "simple")
                    + "\\nContents: about " + QString::number(gold) + " gold and a few potions."};
    if (k == QLatin1String("resource"))
        return {e.role + " bei " + e.where + ".\\nMit Spitzhacke oder Axt abbauen.",
                "Found at " + e.whereEn + ".\\nGather it with a pickaxe or an axe."};
    if (k == QLatin1String("key"))
        return {"Ein alter Schlüssel, gefunden bei " + e.where + ".\\nÖffnet eine der Türen des Tempels.",
                "An old key, found at " + e.whereEn + ".\\nOpens one of the temple doors."};
    return {e.role + ", zu finden bei " + e.where + ".\\nWert: " + QString::number(gold) + " Gold.",
            "To be found at " + e.whereEn + ".\\nValue: " + QString::number(gold) + " gold."};
}

Text Place(const Entity& e, Rng& rng)
{
    static const QHash<QString, Text> lines{
        {"town", {"Eine Siedlung mit Markt, Schmiede und Taverne.", "A settlement with a market, a smithy and a tavern."}},
        {"forest", {"Ein dichter Wald. Hier wachsen seltene Kräuter, aber auch Wölfe streifen umher.", "A dense forest with rare herbs - and wolves."}},
        {"lake", {"Stilles Wasser. Die Fischer erzählen von etwas Großem in der Tiefe.", "Still water. Fishermen tell of something big in the deep."}},
        {"range", {"Raue Gipfel mit Erzadern und Höhlen.", "Rough peaks with veins of ore and caves."}},
        {"shrine", {"Ein Schrein. Ein Gebet hier stellt Lebenskraft wieder her.", "A shrine. A prayer here restores health."}},
        {"cave", {"Eine dunkle Höhle. Fackel nicht vergessen!", "A dark cave. Do not forget a torch!"}},
        {"camp", {"Ein Lager mit Zelten und einem Feuer. Wachen am Eingang.", "A camp of tents around a fire. Guards at the entrance."}},
        {"ruin", {"Verfallene Mauern aus der Zeit von Meridane.", "Crumbling walls from the days of Meridane."}},
        {"stone", {"Ein Runenstein. Wer ihn berührt, kann zu anderen Steinen reisen.", "A rune stone. Touch it to travel to the other stones."}},
        {"mill", {"Eine Mühle. Der Müller braucht Hilfe.", "A mill. The miller needs help."}},
        {"tower", {"Ein Turm der Magier. Nur Eingeweihte werden eingelassen.", "A mages' tower. Only the initiated may enter."}},
        {"tomb", {"Ein Grab. Die Toten ruhen hier nicht immer friedlich.", "A tomb. The dead do not always rest in peace here."}},
        {"artifact", {"Ein Artefakt des Tempels. Mächtig und gefährlich.", "An artifact of the temple. Powerful and dangerous."}},
        {"stairs", {"Eine Treppe in eine andere Ebene.", "Stairs to another level."}},
    };
    const Text base = lines.value(e.role, {"Ein Raum des Gewölbes.", "A room of the vault."});
    const int danger = rng.range(1, 5);
    return {base.de + "\\nGefahr: " + QString::number(danger) + " von 5",
            base.en + "\\nDanger: " + QString::number(danger) + " of 5"};
}

// The chronicle of a capital, filled to exactly the read limit.
Text Chronicle(const Entity& e)
{
    const QStringList de{
        e.name + " ist die größte Stadt der Region und Sitz des Statthalters.",
        "Die Stadt wurde vor über dreihundert Jahren von Fischern gegründet, die vor den Stürmen der Küste flohen.",
        "Später bauten die Könige eine Mauer, dann eine zweite, als die Orks zum ersten Mal aus dem Norden kamen.",
        "Heute leben hier Händler, Handwerker, Gaukler und allerlei Gesindel, das in den Gassen am Hafen verschwindet.",
        "Auf dem Marktplatz werden Waffen, Tränke, Kräuter und Felle gehandelt; die Preise steigen im Winter.",
        "Die Stadtwache ist bestechlich, aber nicht dumm. Wer nachts ohne Fackel unterwegs ist, wird befragt.",
        "Im Tempel des Lichts lehren Priester die Heilung und den Waffensegen, wenn man ihnen eine Spende überlässt.",
        "Die Schmiede am Nordtor verbessert Rüstungen, verlangt aber Erz, das man selbst mitbringen muss.",
        "In der Taverne zum Goldenen Keiler erfährt man, wer gerade Arbeit zu vergeben hat.",
        "Unter der Stadt liegen alte Kanäle. Es heißt, ein Weg führe bis zur Bucht der Seufzer.",
        "Tipp: Der Statthalter empfängt nur, wer einen Empfehlungsbrief der Gilde vorweisen kann.",
        "Nach dem Fall von Wexley kamen viele Flüchtlinge; ihre Hütten stehen vor dem Südtor.",
        "Wer für die Stadt kämpfen will, meldet sich beim Hauptmann der Wache; er sucht Männer für " + e.name + ".",
        "Die Glocken läuten bei Gefahr dreimal; dann schließen sich die Tore bis zum Morgen."};
    const QStringList en{
        e.nameEn + " is the largest town of the region and the seat of the governor.",
        "It was founded more than three hundred years ago by fishermen fleeing the storms of the coast.",
        "Later the kings built a wall, then a second one, when the orcs first came down from the north.",
        "Today merchants, craftsmen, jugglers and all sorts of rabble live here, vanishing into the alleys by the harbour.",
        "On the market square weapons, potions, herbs and furs change hands; prices rise in winter.",
        "The town watch can be bribed but is not stupid. Anyone out at night without a torch will be questioned.",
        "In the Temple of Light priests teach healing and weapon blessing in exchange for a donation.",
        "The smithy at the north gate improves armour, but you have to bring your own ore.",
        "At the Golden Boar tavern you learn who has work to give.",
        "Old canals run beneath the town. Some say a passage leads all the way to the Bay of Sighs.",
        "Hint: the governor only receives those who carry a letter of recommendation from the guild.",
        "After the fall of Wexley many refugees came; their huts stand outside the south gate.",
        "Whoever wants to fight for the town reports to the captain of the watch; he is looking for men.",
        "The bells ring three times in times of danger; then the gates stay shut until morning."};
    auto fill = [](const QStringList& sentences, const QString& tail) {
        QString text;
        for (const QString& s : sentences)
            text += (text.isEmpty() ? QString() : QStringLiteral("\\n")) + s;
        text += QStringLiteral("\\n") + tail;
        while (text.size() < kDescriptionLimit)
            text += QStringLiteral(" ") + tail;
        return text.left(kDescriptionLimit);
    };
    return {fill(de, "Ratsherren: Aldrich, Bertram, Gerda, Hartwig, Kunigunde, Lothar, Mechthild, Notker, Ottilie."),
            fill(en, "Councillors: Aldrich, Bertram, Gerda, Hartwig, Kunigunde, Lothar, Mechthild, Notker, Ottilie.")};
}

} // namespace

QVector<Description> Describe(const Catalog& cat, quint64 seed)
{
    Rng rng(seed ^ 0xDE5C81B7ull);
    QVector<Description> out;
    QHash<QString, QString> firstOfKind;  // creature species -> entity with the full text
    // Who is found at a place, for the place's own description.
    QHash<QString, QStringList> residents, residentsEn;
    for (const Entity& e : cat.entities)
        if (e.kind == QLatin1String("person") && !e.where.isEmpty() && residents.value(e.where).size() < 3) {
            residents[e.where] << e.name;
            residentsEn[e.where] << e.nameEn;
        }
    bool chronicleWritten = false;
    for (const Entity& e : cat.entities) {
        if (!e.hasInfo)
            continue;
        Text t;
        if (!chronicleWritten && e.kind == QLatin1String("place") && e.role == QLatin1String("town")) {
            t = Chronicle(e);
            chronicleWritten = true;
        } else if (e.kind == QLatin1String("person")) {
            t = Person(e, rng);
        } else if (e.kind == QLatin1String("orc")) {
            t = Orc(e, rng);
        } else if (e.kind == QLatin1String("place")) {
            t = Place(e, rng);
            if (residents.contains(e.name)) {
                t.de += "\\nHier anzutreffen: " + residents.value(e.name).join(", ");
                t.en += "\\nMet here: " + residentsEn.value(e.name).join(", ");
            }
        } else {
            // Creatures of one species share the first one's description.
            const QString species = e.mapId + '/' + e.role;
            if ((e.kind == QLatin1String("creature") || e.kind == QLatin1String("undead")) && firstOfKind.contains(species)
                && rng.chance(0.6)) {
                t = {'#' + firstOfKind.value(species), '#' + firstOfKind.value(species)};
            } else {
                t = Thing(e, rng);
                if (e.kind == QLatin1String("creature") || e.kind == QLatin1String("undead"))
                    firstOfKind.insert(species, e.name);
            }
        }
        out.push_back(Description{e.name, t.de, t.en});
    }
    return out;
}
