#pragma once
// The world model of the sample: what each map shows. Painters draw it, the data writer
// places entities on it, so every marker lands on the feature that it names.
// All positions are pixels of the 1024 x 768 reference picture.
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QVector>

enum class Climate { Temperate, Snow, Desert, Temple, Tomb };

// A named thing on a map: a town, camp, shrine, cave mouth, ruin, standing stone ...
struct Site
{
    QString kind;
    QString name;    // German, as written on the map and in the data files
    QString nameEn;
    QPointF pos;
    int size = 1;
};

// A named area: forest, lake, mountain range, sea.
struct Area
{
    QString kind;
    QString name;
    QString nameEn;
    QPolygonF shape;
    QPointF labelPos;
};

struct Peak
{
    QPointF pos;
    double size = 20;
};

// A room of a dungeon; corridors are rooms of kind "corridor".
struct Room
{
    QString kind;    // "hall", "chamber", "corridor", "crypt", "sanctum" ...
    QString name;
    QString nameEn;
    QRectF rect;
};

struct Stairs
{
    QRectF rect;
    bool vertical = false; // steps run across the height
    bool down = true;
};

struct WorldMap
{
    QString id;       // map identifier: caldora, frostmere, ...
    QString title;    // cartouche text
    Climate climate = Climate::Temperate;
    int pictureWidth = 1024;
    int pictureHeight = 768;
    QRectF cartouche;
    QPointF compass;
    double compassRadius = 50;

    // regions
    QPolygonF land;
    QVector<Area> forests;
    QVector<Area> lakes;
    QVector<Area> ranges;
    QVector<Peak> peaks;
    QVector<QPolygonF> rivers;
    QVector<QPolygonF> roads;
    QVector<QPolygonF> canyons;
    QVector<Site> sites;
    QString seaName, seaNameEn;
    QPointF seaLabel;

    // dungeons
    QVector<Room> rooms;
    QVector<Stairs> stairs;
    QVector<QPointF> pillars;
    QVector<Site> fixtures;   // altars, sarcophagi, statues, wells

    bool isDungeon() const { return climate == Climate::Temple || climate == Climate::Tomb; }
    bool onLand(const QPointF& p) const;
    bool inLake(const QPointF& p) const;
    int forestAt(const QPointF& p) const;         // index or -1
    double coastDistance(const QPointF& p) const;
    bool blocked(const QPointF& p, double margin) const; // cartouche, compass, frame
    QVector<const Site*> sitesOfKind(const QString& kind) const;
    const Site* nearestSite(const QPointF& p, const QStringList& kinds) const;
    int roomAt(const QPointF& p) const;            // index of a non-corridor room or -1
};

class Rng;
WorldMap BuildCaldora(Rng& rng);
WorldMap BuildFrostmere(Rng& rng);
WorldMap BuildQasira(Rng& rng);
WorldMap BuildUrKesh(Rng& rng);
WorldMap BuildAncestors(Rng& rng);

// Geometry helpers shared by the builders.
QPolygonF NoisyBlob(const QPointF& centre, double rx, double ry, double roughness, int points, Rng& rng);
double DistanceToPolyline(const QPointF& p, const QPolygonF& line, bool closed);
