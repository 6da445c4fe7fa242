// Builds the three outdoor regions: coast, mountains, lakes, rivers, forests, towns, roads and sites.
#include <QLineF>
#include <cmath>
#include <functional>

#include "Lexicon.h"
#include "Rng.h"
#include "WorldModel.h"

namespace {

struct RegionPlan
{
    QString id, title;
    Climate climate;
    int width, height;
    QPointF landCentre;
    double rx, ry;
    QRectF cartouche;
    QPointF compass;
    QVector<QPolygonF> spines;
    int towns, forests, lakes, rivers, canyons;
    // site kind -> how many
    QVector<QPair<QString, int>> sites;
};

double Distance(const QPointF& a, const QPointF& b) { return QLineF(a, b).length(); }

template <typename List, typename Pos>
double NearestOf(const QPointF& p, const List& list, Pos pos)
{
    double best = 1e9;
    for (const auto& item : list)
        best = std::min(best, Distance(p, pos(item)));
    return best;
}

QPointF FindPoint(Rng& rng, const std::function<bool(const QPointF&)>& ok, int tries = 4000)
{
    for (int i = 0; i < tries; ++i) {
        const QPointF p(rng.uniform(20, 1004), rng.uniform(20, 748));
        if (ok(p))
            return p;
    }
    return QPointF(-1, -1);
}

bool Valid(const QPointF& p) { return p.x() >= 0; }

double LineDistance(const QPointF& p, const QVector<QPolygonF>& lines)
{
    double best = 1e9;
    for (const QPolygonF& l : lines)
        best = std::min(best, DistanceToPolyline(p, l, false));
    return best;
}

double AreaDistance(const QPointF& p, const QVector<Area>& areas)
{
    double best = 1e9;
    for (const Area& a : areas)
        best = std::min(best, a.shape.containsPoint(p, Qt::OddEvenFill) ? 0.0 : DistanceToPolyline(p, a.shape, true));
    return best;
}

QPolygonF Wander(QPointF from, const QPointF& towards, double step, double wobble, int maxSteps,
                 Rng& rng, const std::function<bool(const QPointF&)>& keepGoing)
{
    QPolygonF line;
    line << from;
    double drift = 0;
    for (int i = 0; i < maxSteps; ++i) {
        const double base = std::atan2(towards.y() - from.y(), towards.x() - from.x());
        drift = std::clamp(drift + rng.uniform(-wobble, wobble), -1.0, 1.0);
        from += QPointF(step * std::cos(base + drift), step * std::sin(base + drift));
        line << from;
        if (!keepGoing(from))
            break;
    }
    return line;
}

void PlaceSites(WorldMap& map, const RegionPlan& plan, Rng& rng)
{
    auto farFromSites = [&](const QPointF& p, double d) {
        return NearestOf(p, map.sites, [](const Site& s) { return s.pos; }) >= d;
    };
    auto plainLand = [&](const QPointF& p, double margin) {
        return map.onLand(p) && !map.blocked(p, margin) && !map.inLake(p) && map.coastDistance(p) > 14
               && NearestOf(p, map.peaks, [](const Peak& k) { return k.pos; }) > 22
               && LineDistance(p, map.canyons) > 16 && LineDistance(p, map.rivers) > 6
               // keep clear of the written names of ranges and towns
               && NearestOf(p, map.ranges, [](const Area& a) { return a.labelPos; }) > 55
               && NearestOf(p, map.sitesOfKind("town"), [](const Site* s) { return s->pos + QPointF(0, 24); }) > 38;
    };
    QVector<int> usedPeaks;
    for (const auto& [kind, count] : plan.sites) {
        const QVector<Word>& names = Lexicon::Names(plan.climate, kind);
        for (int i = 0; i < count && i < names.size(); ++i) {
            QPointF p(-1, -1);
            if (kind == QLatin1String("cave")) {
                for (int t = 0; t < 400 && !Valid(p); ++t) {
                    const int k = rng.range(0, map.peaks.size() - 1);
                    if (usedPeaks.contains(k))
                        continue;
                    const Peak& pk = map.peaks[k];
                    const QPointF c = pk.pos + QPointF(rng.uniform(-3, 3), pk.size * 0.30);
                    if (map.onLand(c) && !map.blocked(c, 30) && farFromSites(c, 34)) {
                        p = c;
                        usedPeaks << k;
                    }
                }
            } else if (kind == QLatin1String("camp") && !map.forests.isEmpty() && rng.chance(0.6)) {
                p = FindPoint(rng, [&](const QPointF& c) {
                    return plainLand(c, 40) && AreaDistance(c, map.forests) < 18 && farFromSites(c, 55);
                });
            } else if (kind == QLatin1String("mill") && !map.rivers.isEmpty()) {
                p = FindPoint(rng, [&](const QPointF& c) {
                    return map.onLand(c) && !map.blocked(c, 40) && LineDistance(c, map.rivers) < 14
                           && LineDistance(c, map.rivers) > 7 && farFromSites(c, 45) && !map.inLake(c);
                });
            }
            if (!Valid(p))
                p = FindPoint(rng, [&](const QPointF& c) { return plainLand(c, 40) && farFromSites(c, 48); });
            if (!Valid(p))
                p = FindPoint(rng, [&](const QPointF& c) { return plainLand(c, 30) && farFromSites(c, 30); });
            if (Valid(p))
                map.sites.push_back(Site{kind, names[i].de, names[i].en, p, 1});
        }
    }
}

WorldMap BuildRegion(const RegionPlan& plan, Rng& rng)
{
    WorldMap map;
    map.id = plan.id;
    map.title = plan.title;
    map.climate = plan.climate;
    map.pictureWidth = plan.width;
    map.pictureHeight = plan.height;
    map.cartouche = plan.cartouche;
    map.compass = plan.compass;
    map.compassRadius = 52;
    map.land = NoisyBlob(plan.landCentre, plan.rx, plan.ry, 0.2, 300, rng);

    // Mountains along their spines, in two loose rows.
    const QVector<Word>& rangeNames = Lexicon::Names(plan.climate, "range");
    for (int s = 0; s < plan.spines.size(); ++s) {
        const QPolygonF& spine = plan.spines[s];
        for (int i = 0; i + 1 < spine.size(); ++i) {
            const QLineF seg(spine[i], spine[i + 1]);
            const int steps = int(seg.length() / 20);
            for (int k = 0; k < steps; ++k) {
                for (int row = 0; row < 2; ++row) {
                    const QPointF p = seg.pointAt((k + rng.uniform(0, 0.6)) / steps)
                                      + QPointF(rng.uniform(-14, 14), row * 22 - 11 + rng.uniform(-6, 6));
                    if (map.onLand(p) && map.coastDistance(p) > 18 && !map.blocked(p, 30))
                        map.peaks.push_back(Peak{p, rng.uniform(15, 27)});
                }
            }
        }
        if (s < rangeNames.size()) {
            QPointF label = spine[spine.size() / 2];
            for (const Peak& k : map.peaks)
                if (DistanceToPolyline(k.pos, spine, false) < 30)
                    label.setY(std::min(label.y(), k.pos.y()));
            map.ranges.push_back(Area{"range", rangeNames[s].de, rangeNames[s].en, spine,
                                      QPointF(spine[spine.size() / 2].x(), std::max(40.0, label.y() - 36))});
        }
    }
    auto peakDistance = [&](const QPointF& p) { return NearestOf(p, map.peaks, [](const Peak& k) { return k.pos; }); };

    // Lakes (oases in the desert).
    const QVector<Word>& lakeNames = Lexicon::Names(plan.climate, "lake");
    const bool desert = plan.climate == Climate::Desert;
    for (int i = 0; i < plan.lakes && i < lakeNames.size(); ++i) {
        const QPointF c = FindPoint(rng, [&](const QPointF& p) {
            return map.onLand(p) && !map.blocked(p, 70) && map.coastDistance(p) > 60 && peakDistance(p) > 55
                   && AreaDistance(p, map.lakes) > 120;
        });
        if (!Valid(c))
            continue;
        const double r = desert ? rng.uniform(11, 15) : rng.uniform(20, 34);
        // Oasis names go above the water: the palm grove and its name lie below it.
        map.lakes.push_back(Area{"lake", lakeNames[i].de, lakeNames[i].en,
                                 NoisyBlob(c, r * 1.3, r * 0.8, 0.22, 40, rng),
                                 c + QPointF(0, desert ? -r - 10 : r + 14)});
    }

    // Rivers run from the mountains (or a lake) towards the nearest coast.
    for (int i = 0; i < plan.rivers && !map.peaks.isEmpty(); ++i) {
        const QPointF start = i < map.lakes.size() && i % 2 == 1
                                  ? map.lakes[i].shape.boundingRect().center()
                                  : map.peaks[rng.range(0, map.peaks.size() - 1)].pos + QPointF(0, 14);
        // Towards a stretch of coast well away from the source, so that rivers cross the land.
        QVector<QPointF> mouths;
        for (const QPointF& v : map.land)
            if (v.x() > 20 && v.y() > 20 && v.x() < 1004 && v.y() < 748 && Distance(start, v) > 260
                && Distance(start, v) < 620 && !map.blocked(v, 20))
                mouths << v;
        const QPointF target = mouths.isEmpty() ? QPointF(-1, -1) : mouths[rng.range(0, mouths.size() - 1)];
        if (!Valid(target))
            continue;
        // A river that reaches another one joins it.
        map.rivers.push_back(Wander(start, target, 9, 0.3, 160, rng, [&](const QPointF& p) {
            return map.onLand(p) && p.x() > 2 && p.y() > 2 && p.x() < 1022 && p.y() < 766
                   && LineDistance(p, map.rivers) > 6;
        }));
    }

    // Canyons: jagged gashes across the desert.
    for (int i = 0; i < plan.canyons; ++i) {
        const QPointF a = FindPoint(rng, [&](const QPointF& p) {
            return map.onLand(p) && !map.blocked(p, 80) && map.coastDistance(p) > 80 && peakDistance(p) > 40
                   && AreaDistance(p, map.lakes) > 60 && LineDistance(p, map.canyons) > 150;
        });
        if (!Valid(a))
            continue;
        const QPointF dir(rng.uniform(-1, 1), rng.uniform(-1, 1));
        map.canyons.push_back(Wander(a, a + dir * 400, 14, 0.5, 16, rng, [&](const QPointF& p) {
            return map.onLand(p) && !map.blocked(p, 40) && map.coastDistance(p) > 40 && AreaDistance(p, map.lakes) > 60;
        }));
    }

    // Towns, well apart.
    const QVector<Word>& townNames = Lexicon::Names(plan.climate, "town");
    for (int i = 0; i < plan.towns && i < townNames.size(); ++i) {
        double spacing = 150;
        QPointF c(-1, -1);
        while (!Valid(c) && spacing > 60) {
            c = FindPoint(rng, [&](const QPointF& p) {
                return map.onLand(p) && !map.blocked(p, 60) && !map.inLake(p) && map.coastDistance(p) > 26
                       && peakDistance(p) > 42 && LineDistance(p, map.canyons) > 36 && LineDistance(p, map.rivers) > 10
                       && AreaDistance(p, map.lakes) > (desert ? 55 : 20)
                       && NearestOf(p, map.ranges, [](const Area& a) { return a.labelPos; }) > 90
                       && NearestOf(p, map.sites, [](const Site& s) { return s.pos; }) > spacing;
            });
            spacing -= 15;
        }
        if (Valid(c))
            map.sites.push_back(Site{"town", townNames[i].de, townNames[i].en, c, i == 0 ? 3 : i < 3 ? 2 : 1});
    }

    // Forests (palm groves beside the oases in the desert).
    const QVector<Word>& forestNames = Lexicon::Names(plan.climate, "forest");
    for (int i = 0; i < plan.forests && i < forestNames.size(); ++i) {
        QPointF c(-1, -1);
        if (desert && i < map.lakes.size()) {
            const QPointF lake = map.lakes[i].shape.boundingRect().center();
            c = lake + QPointF(rng.uniform(-10, 10), rng.uniform(14, 20));
        } else {
            c = FindPoint(rng, [&](const QPointF& p) {
                return map.onLand(p) && !map.blocked(p, 60) && map.coastDistance(p) > 50 && peakDistance(p) > 45
                       && AreaDistance(p, map.lakes) > 80 && AreaDistance(p, map.forests) > 60
                       && NearestOf(p, map.ranges, [](const Area& a) { return a.labelPos; }) > 90
                       && NearestOf(p, map.sitesOfKind("town"), [](const Site* s) { return s->pos; }) > 85;
            });
        }
        const double rx = desert ? rng.uniform(24, 34) : rng.uniform(45, 78);
        const double ry = desert ? rng.uniform(14, 20) : rng.uniform(30, 52);
        QPolygonF shape = NoisyBlob(c, rx, ry, 0.25, 48, rng);
        map.forests.push_back(Area{"forest", forestNames[i].de, forestNames[i].en, shape, c});
    }

    // Roads: a spanning tree over the towns, grown from the capital.
    QVector<const Site*> towns = map.sitesOfKind("town");
    QVector<int> joined{0};
    while (joined.size() < towns.size()) {
        int bestFrom = -1, bestTo = -1;
        double best = 1e9;
        for (int a : joined)
            for (int b = 0; b < towns.size(); ++b)
                if (!joined.contains(b) && Distance(towns[a]->pos, towns[b]->pos) < best) {
                    best = Distance(towns[a]->pos, towns[b]->pos);
                    bestFrom = a;
                    bestTo = b;
                }
        joined << bestTo;
        const QPointF a = towns[bestFrom]->pos, b = towns[bestTo]->pos;
        const QPointF normal(-(b.y() - a.y()) / best, (b.x() - a.x()) / best);
        QPolygonF road;
        road << a;
        for (int k = 1; k < 5; ++k)
            road << QLineF(a, b).pointAt(k / 5.0) + normal * rng.uniform(-12, 12);
        road << b;
        map.roads.push_back(road);
    }

    PlaceSites(map, plan, rng);

    // The sea's name goes where the water is widest.
    const QVector<Word>& sea = Lexicon::Names(plan.climate, "sea");
    double bestSea = 0;
    for (int i = 0; i < 600; ++i) {
        const QPointF p(rng.uniform(90, 934), rng.uniform(60, 708));
        if (map.onLand(p) || map.blocked(p, 40) || map.blocked(p + QPointF(120, 0), 30) || map.blocked(p - QPointF(120, 0), 30))
            continue;
        const double d = std::min({map.coastDistance(p), map.coastDistance(p + QPointF(100, 0)), map.coastDistance(p - QPointF(100, 0))});
        if (d > bestSea) {
            bestSea = d;
            map.seaLabel = p;
        }
    }
    if (!sea.isEmpty()) {
        map.seaName = sea[0].de;
        map.seaNameEn = sea[0].en;
    }
    return map;
}

} // namespace

WorldMap BuildCaldora(Rng& rng)
{
    RegionPlan plan{"caldora", "Caldora", Climate::Temperate, 1024, 768, {600, 420}, 470, 385,
                    QRectF(24, 22, 300, 82), QPointF(84, 680),
                    {QPolygonF({{560, 110}, {700, 150}, {840, 130}, {930, 210}}),
                     QPolygonF({{330, 560}, {400, 640}, {470, 690}})},
                    8, 8, 3, 3, 0,
                    {{"shrine", 8}, {"cave", 8}, {"camp", 9}, {"ruin", 6}, {"stone", 6}, {"mill", 3}, {"tower", 2}}};
    return BuildRegion(plan, rng);
}

WorldMap BuildFrostmere(Rng& rng)
{
    RegionPlan plan{"frostmere", "Frostmere", Climate::Snow, 1600, 1200, {512, 620}, 820, 500,
                    QRectF(24, 22, 300, 82), QPointF(950, 680),
                    {QPolygonF({{120, 300}, {260, 360}, {380, 330}, {470, 400}}),
                     QPolygonF({{640, 520}, {760, 470}, {880, 520}})},
                    8, 8, 3, 2, 0,
                    {{"shrine", 6}, {"cave", 7}, {"camp", 5}, {"ruin", 4}, {"stone", 5}, {"mill", 2}, {"tower", 1},
                     {"tomb", 4}}};
    return BuildRegion(plan, rng);
}

WorldMap BuildQasira(Rng& rng)
{
    RegionPlan plan{"qasira", "Qasira", Climate::Desert, 1280, 960, {420, 390}, 470, 640,
                    QRectF(24, 22, 300, 82), QPointF(950, 690),
                    {QPolygonF({{110, 210}, {230, 170}, {350, 210}}), QPolygonF({{560, 600}, {640, 680}, {720, 700}})},
                    8, 4, 4, 0, 3,
                    {{"shrine", 6}, {"cave", 7}, {"camp", 6}, {"ruin", 5}, {"stone", 5}, {"tomb", 7}, {"tower", 1}}};
    return BuildRegion(plan, rng);
}
