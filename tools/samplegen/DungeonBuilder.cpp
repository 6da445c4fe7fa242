// Builds the two dungeons: the temple of Ur Kesh and the tomb of the ancestors.
#include "Rng.h"
#include "WorldModel.h"

namespace {

void AddRoom(WorldMap& map, const QString& kind, const QString& de, const QString& en, const QRectF& r)
{
    map.rooms.push_back(Room{kind, de, en, r});
}

void AddCorridor(WorldMap& map, const QRectF& r)
{
    map.rooms.push_back(Room{"corridor", {}, {}, r});
}

void PillarRows(WorldMap& map, const QRectF& room, int columns, int rows, double inset)
{
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            map.pillars << QPointF(room.left() + inset + c * (room.width() - 2 * inset) / std::max(1, columns - 1),
                                   room.top() + inset + r * (room.height() - 2 * inset) / std::max(1, rows - 1));
}

void Fixture(WorldMap& map, const QString& kind, const QPointF& p, const QString& de = {}, const QString& en = {})
{
    map.fixtures.push_back(Site{kind, de, en, p, 1});
}

} // namespace

WorldMap BuildUrKesh(Rng& rng)
{
    WorldMap map;
    map.id = "urkesh";
    map.title = "Tempel von Ur Kesh";
    map.climate = Climate::Temple;
    map.cartouche = QRectF(24, 22, 300, 82);
    map.compass = QPointF(962, 708);
    map.compassRadius = 44;

    AddRoom(map, "hall", "Vorhof", "Forecourt", QRectF(412, 610, 200, 110));
    AddRoom(map, "hall", "Säulenhalle", "Hall of Pillars", QRectF(352, 330, 320, 210));
    AddRoom(map, "sanctum", "Allerheiligstes", "Inner Sanctum", QRectF(422, 120, 180, 130));
    AddRoom(map, "chamber", "Kammer der Priester", "Priests' Chamber", QRectF(110, 130, 190, 130));
    AddRoom(map, "chamber", "Bibliothek der Schlangen", "Library of Serpents", QRectF(90, 340, 180, 150));
    AddRoom(map, "chamber", "Wachstube", "Guardroom", QRectF(110, 570, 190, 120));
    AddRoom(map, "chamber", "Schatzkammer", "Treasury", QRectF(724, 130, 190, 130));
    AddRoom(map, "chamber", "Opferkammer", "Sacrificial Chamber", QRectF(754, 340, 180, 150));
    AddRoom(map, "chamber", "Brunnensaal", "Well Hall", QRectF(724, 570, 190, 120));
    AddRoom(map, "cell", "Zelle der Büßer", "Penitents' Cell", QRectF(322, 160, 80, 70));
    AddRoom(map, "cell", "Gewandkammer", "Vestry", QRectF(622, 160, 80, 70));
    AddRoom(map, "crypt", "Krypta der Hohepriester", "Crypt of the High Priests", QRectF(760, 18, 150, 82));

    AddCorridor(map, QRectF(494, 540, 36, 70));
    AddCorridor(map, QRectF(494, 250, 36, 80));
    AddCorridor(map, QRectF(270, 417, 82, 36));
    AddCorridor(map, QRectF(672, 417, 82, 36));
    AddCorridor(map, QRectF(172, 260, 36, 80));
    AddCorridor(map, QRectF(172, 490, 36, 80));
    AddCorridor(map, QRectF(816, 260, 36, 80));
    AddCorridor(map, QRectF(816, 490, 36, 80));
    AddCorridor(map, QRectF(300, 180, 22, 30));
    AddCorridor(map, QRectF(402, 180, 20, 30));
    AddCorridor(map, QRectF(602, 180, 20, 30));
    AddCorridor(map, QRectF(702, 180, 22, 30));
    AddCorridor(map, QRectF(800, 100, 36, 30));

    map.stairs.push_back(Stairs{QRectF(482, 690, 60, 30), false, false});
    map.stairs.push_back(Stairs{QRectF(487, 205, 50, 36), false, true});
    map.stairs.push_back(Stairs{QRectF(120, 640, 40, 40), true, true});
    map.stairs.push_back(Stairs{QRectF(866, 30, 36, 36), true, true});

    PillarRows(map, QRectF(352, 330, 320, 210), 5, 2, 34);
    PillarRows(map, QRectF(412, 610, 200, 110), 2, 2, 26);
    Fixture(map, "altar", QPointF(512, 160));
    Fixture(map, "statue", QPointF(384, 435));
    Fixture(map, "statue", QPointF(640, 435));
    Fixture(map, "well", QPointF(819, 630));
    Fixture(map, "altar", QPointF(844, 415));
    for (int i = 0; i < 4; ++i)
        Fixture(map, "shelf", QPointF(112, 360 + i * 34));
    for (int i = 0; i < 3; ++i)
        Fixture(map, "sarcophagus", QPointF(790 + i * 40, 60));
    for (int i = 0; i < 6; ++i)
        Fixture(map, "urn", QPointF(rng.uniform(740, 900), rng.uniform(150, 240)));
    return map;
}

WorldMap BuildAncestors(Rng& rng)
{
    WorldMap map;
    map.id = "ancestors";
    map.title = "Gruft der Ahnen";
    map.climate = Climate::Tomb;
    map.pictureWidth = 800;
    map.pictureHeight = 600;
    map.cartouche = QRectF(24, 22, 300, 82);
    map.compass = QPointF(962, 708);
    map.compassRadius = 44;

    AddRoom(map, "hall", "Eingangsgruft", "Entrance Crypt", QRectF(440, 640, 150, 90));
    AddRoom(map, "gallery", "Galerie der Ahnen", "Gallery of the Ancestors", QRectF(160, 440, 700, 70));
    AddRoom(map, "hall", "Halle der Könige", "Hall of Kings", QRectF(400, 200, 230, 160));
    AddRoom(map, "crypt", "Grabkammer des Ersten", "Burial Chamber of the First", QRectF(450, 30, 130, 110));
    AddRoom(map, "crypt", "Knochenkammer", "Ossuary", QRectF(40, 410, 120, 130));
    AddRoom(map, "crypt", "Gruft der Krieger", "Warriors' Crypt", QRectF(170, 200, 170, 140));
    AddRoom(map, "crypt", "Gruft der Seher", "Seers' Crypt", QRectF(700, 200, 170, 140));
    AddRoom(map, "cave", "Orkstollen", "Orc Tunnel", QRectF(860, 420, 140, 110));
    AddRoom(map, "crypt", "Versiegelte Kammer", "Sealed Chamber", QRectF(700, 580, 150, 110));
    AddRoom(map, "chamber", "Brunnen der Tränen", "Well of Tears", QRectF(190, 580, 150, 110));

    AddCorridor(map, QRectF(497, 510, 36, 130));
    AddCorridor(map, QRectF(497, 360, 36, 80));
    AddCorridor(map, QRectF(497, 140, 36, 60));
    AddCorridor(map, QRectF(237, 340, 36, 100));
    AddCorridor(map, QRectF(767, 340, 36, 100));
    AddCorridor(map, QRectF(247, 510, 36, 70));
    AddCorridor(map, QRectF(757, 510, 36, 70));

    map.stairs.push_back(Stairs{QRectF(485, 695, 60, 32), false, false});
    map.stairs.push_back(Stairs{QRectF(940, 440, 40, 40), true, true});

    PillarRows(map, QRectF(400, 200, 230, 160), 4, 2, 30);
    for (int i = 0; i < 14; ++i)
        Fixture(map, "niche", QPointF(190 + i * 48, i % 2 ? 447 : 503));
    auto sarcophagi = [&](const QRectF& r, int columns, int rows) {
        for (int c = 0; c < columns; ++c)
            for (int k = 0; k < rows; ++k)
                Fixture(map, "sarcophagus", QPointF(r.left() + (c + 0.5) * r.width() / columns,
                                                    r.top() + (k + 0.5) * r.height() / rows));
    };
    sarcophagi(QRectF(170, 200, 170, 140), 3, 2);
    sarcophagi(QRectF(700, 200, 170, 140), 3, 2);
    sarcophagi(QRectF(450, 50, 130, 80), 1, 1);
    sarcophagi(QRectF(700, 590, 150, 90), 2, 1);
    Fixture(map, "well", QPointF(265, 635));
    Fixture(map, "altar", QPointF(515, 230));
    for (int i = 0; i < 8; ++i)
        Fixture(map, "bones", QPointF(rng.uniform(55, 145), rng.uniform(425, 525)));
    for (int i = 0; i < 5; ++i)
        Fixture(map, "rubble", QPointF(rng.uniform(875, 990), rng.uniform(430, 520)));
    return map;
}
