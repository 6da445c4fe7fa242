#include "WorldModel.h"

#include <QLineF>
#include <cmath>

#include "Rng.h"

QPolygonF NoisyBlob(const QPointF& centre, double rx, double ry, double roughness, int points, Rng& rng)
{
    // A few random harmonics of the angle make an irregular but closed outline.
    double amp[9], phase[9];
    for (int h = 0; h < 9; ++h) {
        amp[h] = rng.uniform(0.3, 1.0) * roughness / (1.0 + 0.45 * h);
        phase[h] = rng.uniform(0, 6.283185307179586);
    }
    QPolygonF shape;
    for (int i = 0; i < points; ++i) {
        const double a = 6.283185307179586 * i / points;
        double r = 1.0;
        for (int h = 0; h < 9; ++h)
            r += amp[h] * std::sin((h < 5 ? h + 2 : 2 * h) * a + phase[h]);
        r += rng.uniform(-0.35, 0.35) * roughness * 0.4;
        shape << QPointF(centre.x() + rx * r * std::cos(a), centre.y() + ry * r * std::sin(a));
    }
    return shape;
}

static double SegmentDistance(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return QLineF(p, QPointF(a.x() + t * dx, a.y() + t * dy)).length();
}

double DistanceToPolyline(const QPointF& p, const QPolygonF& line, bool closed)
{
    double best = 1e9;
    const int n = line.size();
    for (int i = 0; i + 1 < n; ++i)
        best = std::min(best, SegmentDistance(p, line[i], line[i + 1]));
    if (closed && n > 2)
        best = std::min(best, SegmentDistance(p, line[n - 1], line[0]));
    if (n == 1)
        best = QLineF(p, line[0]).length();
    return best;
}

bool WorldMap::onLand(const QPointF& p) const
{
    return land.containsPoint(p, Qt::OddEvenFill);
}

bool WorldMap::inLake(const QPointF& p) const
{
    for (const Area& lake : lakes)
        if (lake.shape.containsPoint(p, Qt::OddEvenFill))
            return true;
    return false;
}

int WorldMap::forestAt(const QPointF& p) const
{
    for (int i = 0; i < forests.size(); ++i)
        if (forests[i].shape.containsPoint(p, Qt::OddEvenFill))
            return i;
    return -1;
}

double WorldMap::coastDistance(const QPointF& p) const
{
    return DistanceToPolyline(p, land, true);
}

bool WorldMap::blocked(const QPointF& p, double margin) const
{
    if (p.x() < margin || p.y() < margin || p.x() > 1024 - margin || p.y() > 768 - margin)
        return true;
    if (cartouche.adjusted(-margin, -margin, margin, margin).contains(p))
        return true;
    return QLineF(p, compass).length() < compassRadius + margin;
}

QVector<const Site*> WorldMap::sitesOfKind(const QString& kind) const
{
    QVector<const Site*> out;
    for (const Site& s : sites)
        if (s.kind == kind)
            out << &s;
    return out;
}

const Site* WorldMap::nearestSite(const QPointF& p, const QStringList& kinds) const
{
    const Site* best = nullptr;
    double bestD = 1e9;
    for (const Site& s : sites) {
        if (!kinds.isEmpty() && !kinds.contains(s.kind))
            continue;
        const double d = QLineF(p, s.pos).length();
        if (d < bestD) {
            bestD = d;
            best = &s;
        }
    }
    return best;
}

int WorldMap::roomAt(const QPointF& p) const
{
    for (int i = 0; i < rooms.size(); ++i)
        if (rooms[i].kind != QLatin1String("corridor") && rooms[i].rect.contains(p))
            return i;
    return -1;
}
