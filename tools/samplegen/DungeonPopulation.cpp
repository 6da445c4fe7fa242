// Who and what is found in the temple of Ur Kesh and in the tomb of the ancestors.
#include "Categories.h"
#include "Populator.h"

namespace {

class DungeonPopulation
{
public:
    DungeonPopulation(Catalog& cat, MapData& map, Rng& rng) : P(cat, map, rng), w(map.world) {}

    void run()
    {
        for (const QString& c : Categories::Of(w.id))
            P.section(c);
        for (int i = 0; i < w.rooms.size(); ++i)
            if (w.rooms[i].kind != QLatin1String("corridor"))
                m_rooms << i;
        places();
        if (w.id == QLatin1String("urkesh"))
            temple();
        else
            tomb();
    }

private:
    Populator P;
    const WorldMap& w;
    QVector<int> m_rooms;

    QPointF roomSpot(int room, double margin = 14)
    {
        const QRectF r = w.rooms[room].rect.adjusted(margin, margin, -margin, -margin);
        return QPointF(P.rng().uniform(r.left(), r.right()), P.rng().uniform(r.top(), r.bottom()));
    }

    // "<thing> (<room>)": a random spot in a random room (or in the rooms named).
    std::function<bool(QPointF&, QString&, QString&)> inRooms(const QStringList& kinds = {})
    {
        return [this, kinds](QPointF& p, QString& de, QString& en) {
            const int room = P.rng().pick(m_rooms);
            if (!kinds.isEmpty() && !kinds.contains(w.rooms[room].kind))
                return false;
            p = roomSpot(room);
            de = w.rooms[room].name;
            en = w.rooms[room].nameEn;
            return true;
        };
    }

    void places()
    {
        for (int i : m_rooms) {
            const Room& r = w.rooms[i];
            P.put("places", P.place(r.name, r.nameEn, r.kind, r.rect.center()));
        }
        int n = 0;
        for (const Stairs& s : w.stairs) {
            const int room = w.roomAt(s.rect.center());
            if (room < 0)
                continue;
            const Word word = s.down ? Word{"Treppe hinab", "Stairs down"} : Word{"Treppe hinauf", "Stairs up"};
            P.put("places", P.thing(word, "stairs", s.rect.center(), w.rooms[room].name, w.rooms[room].nameEn, ++n));
        }
    }

    void items(int count, const QString& linkSection)
    {
        P.scatter("items", Roles::Things("item"), "item", count, inRooms(), false);
        // Every fifth item keeps its position in a section that only the links use.
        auto& list = P.section("items").entries;
        for (int i = 4; i < list.size(); i += 5) {
            P.putRaw(linkSection, list[i].key, list[i].value);
            list[i].value = LinkRecord(linkSection);
        }
    }

    void temple()
    {
        for (int k = 0; k < 22; ++k) {
            const QString trade = P.rng().pick(QVector<QString>{"cultist", "cultist", "adventurer", "priest", "thief"});
            P.put("NPC", P.person(trade, roomSpot(P.rng().pick(m_rooms)), P.rng().chance(0.3), Climate::Desert));
        }
        P.scatter("creatures", Roles::Things("creature-temple"), "creature", 22, inRooms(), true);
        items(160, "treasure");
        QVector<QPointF> altars;
        for (const Site& f : w.fixtures)
            if (f.kind == QLatin1String("altar") || f.kind == QLatin1String("statue") || f.kind == QLatin1String("sarcophagus"))
                altars << f.pos;
        int k = 0;
        for (const Word& a : Roles::Things("temple-artifact")) {
            QPointF p = k < altars.size() ? altars[k] + QPointF(0, 12) : roomSpot(P.rng().pick(m_rooms));
            const int index = P.place(a.de, a.en, "artifact", p);
            P.put("artifacts", index, k == 0 ? "*" : QString());
            ++k;
        }
        P.scatter("keys", {{"Tempelschlüssel", "Temple key"}}, "key", 7, inRooms({"chamber", "cell", "crypt"}), false);
    }

    void tomb()
    {
        for (int k = 0; k < 115; ++k) {
            const QString trade = P.rng().pick(QVector<QString>{"ghost", "ghost", "adventurer", "thief", "priest", "hunter"});
            P.put("NPC", P.person(trade, roomSpot(P.rng().pick(m_rooms)), P.rng().chance(0.4), Climate::Snow));
        }
        int orcRoom = 0;
        for (int i : m_rooms)
            if (w.rooms[i].kind == QLatin1String("cave"))
                orcRoom = i;
        for (int k = 0; k < 16; ++k)
            P.put("orcs", P.orc(k % 4 ? "orcraider" : "orcscout", roomSpot(k < 10 ? orcRoom : P.rng().pick(m_rooms))));
        QVector<const Site*> sarcophagi;
        for (const Site& f : w.fixtures)
            if (f.kind == QLatin1String("sarcophagus"))
                sarcophagi << &f;
        for (int k = 0; k < sarcophagi.size(); ++k) {
            const QPointF at = sarcophagi[k]->pos;
            // The ancestors stand beside their own coffins.
            const int ancestor = P.person("ancestor", at + QPointF(14, 0), true, Climate::Snow);
            P.put("ancestors", ancestor);
            const QString first = ancestor >= 0 ? P.entity(ancestor).first : QString::number(k + 1);
            // Two ancestors may share a given name; their coffins may not.
            int coffin = P.known("Sarkophag von " + first) ? -1
                                                           : P.place("Sarkophag von " + first, "Sarcophagus of " + first, "tomb", at);
            if (coffin < 0) {
                const QString number = QString("%1").arg(k + 1, 2, 10, QLatin1Char('0'));
                coffin = P.place("Sarkophag " + number, "Sarcophagus " + number, "tomb", at);
            }
            if (k % 2) {
                P.put("sarcophagi", coffin);
                P.link("tombs", coffin, "sarcophagi");
            } else {
                P.put("tombs", coffin);
            }
        }
        P.scatter("creatures", Roles::Things("creature-tomb"), "creature", 20, inRooms(), true);
        items(120, "burial goods");
    }
};

} // namespace

void PopulateDungeon(Catalog& cat, MapData& map, Rng& rng)
{
    DungeonPopulation(cat, map, rng).run();
}
