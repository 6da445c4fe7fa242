// Draws an outdoor region as a hand-drawn parchment map from its world model.
#include <QLineF>
#include <QPainterPathStroker>
#include <cmath>

#include "MapPainters.h"
#include "PaintCommon.h"
#include "Rng.h"

namespace {

struct Palette
{
    QColor land, sea, forestTint, rockFill, rockShade, roof, tent;
    QString tree;
    bool snowCaps;
};

Palette PaletteOf(Climate c)
{
    switch (c) {
    case Climate::Snow:
        return {QColor(236, 233, 222), QColor(150, 178, 196), QColor(70, 100, 80, 40), QColor(214, 214, 218),
                QColor(150, 154, 166), QColor(120, 60, 50), QColor(170, 140, 110), "pine", true};
    case Climate::Desert:
        return {QColor(232, 204, 148), QColor(120, 170, 170), QColor(90, 130, 60, 50), QColor(214, 160, 108),
                QColor(166, 104, 66), QColor(190, 120, 70), QColor(230, 225, 205), "palm", false};
    default:
        return {QColor(226, 210, 168), QColor(150, 176, 168), QColor(90, 120, 60, 45), QColor(200, 186, 156),
                QColor(150, 130, 100), QColor(160, 60, 40), QColor(200, 180, 140), "oak", false};
    }
}

void PaintSea(QPainter& p, const WorldMap& w, const QPainterPath& land, const Palette& pal, Rng& rng)
{
    QPainterPath frame;
    frame.addRect(QRectF(-20, -20, 1064, 808));
    const QPainterPath sea = frame.subtracted(land);
    QColor water = pal.sea;
    water.setAlpha(185);
    p.fillPath(sea, water);
    p.save();
    p.setClipPath(sea);
    // Ripples following the coast.
    for (int ring = 1; ring <= 4; ++ring) {
        QPainterPathStroker stroker;
        stroker.setWidth(ring * 11);
        stroker.setJoinStyle(Qt::RoundJoin);
        QColor ink = Ink::Water;
        ink.setAlpha(150 - ring * 28);
        p.setPen(QPen(ink, 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stroker.createStroke(land).simplified());
    }
    // Little wave strokes out at sea.
    QColor wave = Ink::Water;
    wave.setAlpha(110);
    p.setPen(QPen(wave, 0.9));
    for (int i = 0; i < 260; ++i) {
        const QPointF c(rng.uniform(0, 1024), rng.uniform(0, 768));
        if (land.contains(c) || w.coastDistance(c) < 50)
            continue;
        QPainterPath s;
        s.moveTo(c);
        s.quadTo(c + QPointF(3, -3), c + QPointF(6, 0));
        s.quadTo(c + QPointF(9, -3), c + QPointF(12, 0));
        p.drawPath(s);
    }
    if (w.climate == Climate::Snow) {
        p.setPen(QPen(Ink::Faded, 0.8));
        p.setBrush(QColor(248, 250, 252));
        for (int i = 0; i < 70; ++i) {
            const QPointF c(rng.uniform(0, 1024), rng.uniform(0, 768));
            if (land.contains(c) || w.blocked(c, 0))
                continue;
            p.drawPolygon(NoisyBlob(c, rng.uniform(6, 22), rng.uniform(4, 12), 0.4, 9, rng));
        }
    }
    p.restore();
    p.setPen(QPen(Ink::Brown, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(land);
}

void PaintWater(QPainter& p, const WorldMap& w, const Palette& pal)
{
    for (const QPolygonF& river : w.rivers) {
        const QPainterPath path = SmoothPath(river, false);
        // Rivers widen towards the sea.
        for (int seg = 0; seg < 6; ++seg) {
            p.save();
            p.setPen(QPen(Ink::Water, 1.2 + seg * 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath part;
            const double from = seg / 6.0, to = (seg + 1) / 6.0;
            const int steps = 20;
            for (int k = 0; k <= steps; ++k) {
                const QPointF q = path.pointAtPercent(from + (to - from) * k / steps);
                if (k == 0)
                    part.moveTo(q);
                else
                    part.lineTo(q);
            }
            p.setBrush(Qt::NoBrush);
            p.drawPath(part);
            p.restore();
        }
    }
    for (const Area& lake : w.lakes) {
        const QPainterPath path = SmoothPath(lake.shape, true);
        QColor water = w.climate == Climate::Snow ? QColor(200, 220, 232) : pal.sea;
        p.setPen(QPen(Ink::Brown, 1.4));
        p.setBrush(water);
        p.drawPath(path);
        QColor ripple = Ink::Water;
        ripple.setAlpha(110);
        p.setPen(QPen(ripple, 0.8));
        p.setBrush(Qt::NoBrush);
        const QPointF c = lake.shape.boundingRect().center();
        QTransform shrink;
        shrink.translate(c.x(), c.y());
        shrink.scale(0.7, 0.65);
        shrink.translate(-c.x(), -c.y());
        p.drawPath(shrink.map(path));
        if (w.climate == Climate::Snow) {
            p.setPen(QPen(QColor(255, 255, 255), 0.9));
            p.drawLine(c + QPointF(-8, -3), c + QPointF(4, 2));
            p.drawLine(c + QPointF(4, 2), c + QPointF(10, -4));
        }
    }
}

void PaintGround(QPainter& p, const WorldMap& w, const QPainterPath& land, Rng& rng)
{
    if (w.climate == Climate::Desert) {
        // Dunes: soft crescents in the sand.
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 420; ++i) {
            const QPointF c(rng.uniform(0, 1024), rng.uniform(0, 768));
            if (!land.contains(c) || w.inLake(c) || w.forestAt(c) >= 0 || w.blocked(c, 10))
                continue;
            const double s = rng.uniform(6, 14);
            p.setPen(QPen(QColor(170, 120, 60, 150), 0.9));
            QPainterPath dune;
            dune.moveTo(c + QPointF(-s, 0));
            dune.quadTo(c + QPointF(0, -s * 0.6), c + QPointF(s, 0));
            p.drawPath(dune);
            p.setPen(QPen(QColor(170, 120, 60, 60), 0.7));
            p.drawLine(c + QPointF(-s * 0.3, 1), c + QPointF(s * 0.5, 2));
        }
        for (const QPolygonF& canyon : w.canyons) {
            const QPainterPath path = SmoothPath(canyon, false);
            p.setPen(QPen(QColor(150, 90, 55), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(path);
            p.setPen(QPen(QColor(95, 55, 35), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(path);
            p.setPen(QPen(Ink::Brown, 0.8));
            for (int k = 0; k <= 60; ++k) {
                const double t = k / 60.0;
                const QPointF q = path.pointAtPercent(t);
                const double a = (path.angleAtPercent(t) + 90) * M_PI / 180;
                const QPointF n(std::cos(a), -std::sin(a));
                p.drawLine(q + n * 5, q + n * 9);
                p.drawLine(q - n * 5, q - n * 9);
            }
        }
    } else {
        // Grass tufts or snow drifts.
        QColor tuft = w.climate == Climate::Snow ? QColor(150, 160, 175, 140) : QColor(110, 120, 70, 140);
        p.setPen(QPen(tuft, 0.8));
        for (int i = 0; i < 500; ++i) {
            const QPointF c(rng.uniform(0, 1024), rng.uniform(0, 768));
            if (!land.contains(c) || w.inLake(c) || w.forestAt(c) >= 0 || w.blocked(c, 10))
                continue;
            p.drawLine(c, c + QPointF(-1.5, -3));
            p.drawLine(c, c + QPointF(0, -3.5));
            p.drawLine(c, c + QPointF(1.5, -3));
        }
    }
}

void PaintRoads(QPainter& p, const WorldMap& w)
{
    QPen pen(QColor(120, 78, 40), 1.6, Qt::CustomDashLine, Qt::RoundCap);
    pen.setDashPattern({3, 2.2});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (const QPolygonF& road : w.roads)
        p.drawPath(SmoothPath(road, false));
}

void PaintForests(QPainter& p, const WorldMap& w, const Palette& pal, Rng& rng)
{
    for (const Area& f : w.forests) {
        const QPainterPath shape = SmoothPath(f.shape, true);
        p.setPen(Qt::NoPen);
        p.setBrush(pal.forestTint);
        p.drawPath(shape);
        QVector<QPointF> trees;
        const QRectF box = f.shape.boundingRect();
        const double step = pal.tree == QLatin1String("palm") ? 9 : 8.5;
        for (double y = box.top(); y < box.bottom() + 8; y += step * 0.8)
            for (double x = box.left(); x < box.right(); x += step) {
                const QPointF t(x + rng.uniform(-3, 3) + (int(y / step) % 2) * step / 2, y + rng.uniform(-2, 2));
                if (shape.contains(t) && w.onLand(t) && !w.inLake(t))
                    trees << t;
            }
        std::sort(trees.begin(), trees.end(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        for (const QPointF& t : trees)
            DrawTree(p, t + QPointF(0, 5), pal.tree, pal.tree == QLatin1String("palm") ? 8 : 9, rng);
    }
}

// Single trees and rocks between the features, so that open country does not look empty.
void PaintScatter(QPainter& p, const WorldMap& w, const QPainterPath& land, const Palette& pal, Rng& rng)
{
    QVector<QPointF> spots;
    const int count = w.climate == Climate::Snow ? 220 : w.climate == Climate::Desert ? 45 : 120;
    for (int i = 0; i < count * 4 && spots.size() < count; ++i) {
        const QPointF c(rng.uniform(0, 1024), rng.uniform(0, 768));
        if (!land.contains(c) || w.inLake(c) || w.forestAt(c) >= 0 || w.blocked(c, 16) || w.coastDistance(c) < 12)
            continue;
        const Site* s = w.nearestSite(c, {});
        if (s && QLineF(c, s->pos).length() < 40)
            continue;
        if (DistanceToPolyline(c, w.roads.isEmpty() ? QPolygonF() : w.roads.first(), false) < 6)
            continue;
        spots << c;
    }
    std::sort(spots.begin(), spots.end(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    for (const QPointF& c : spots) {
        if (w.climate == Climate::Desert) {
            p.setPen(QPen(Ink::Brown, 0.8));
            p.setBrush(pal.rockFill);
            p.drawEllipse(c, rng.uniform(2, 4), rng.uniform(1.5, 2.5));
        } else {
            DrawTree(p, c, pal.tree, 7.5, rng);
        }
    }
}

void PaintMountains(QPainter& p, const WorldMap& w, const Palette& pal)
{
    QVector<Peak> peaks = w.peaks;
    std::sort(peaks.begin(), peaks.end(), [](const Peak& a, const Peak& b) { return a.pos.y() < b.pos.y(); });
    for (const Peak& k : peaks)
        DrawMountain(p, k.pos + QPointF(0, k.size * 0.3), k.size, pal.rockFill, pal.rockShade,
                     pal.snowCaps || k.size > 24);
}

void PaintSites(QPainter& p, const WorldMap& w, const Palette& pal, Rng& rng)
{
    for (const Site& s : w.sites) {
        if (s.kind == QLatin1String("town"))
            DrawTown(p, s.pos, s.size, rng, pal.roof);
        else if (s.kind == QLatin1String("camp"))
            DrawTent(p, s.pos, s.name.contains("Ork") ? QColor(120, 70, 50) : pal.tent);
        else if (s.kind == QLatin1String("shrine"))
            DrawShrine(p, s.pos);
        else if (s.kind == QLatin1String("cave"))
            DrawCave(p, s.pos);
        else if (s.kind == QLatin1String("ruin"))
            DrawRuin(p, s.pos, rng);
        else if (s.kind == QLatin1String("stone"))
            DrawStandingStone(p, s.pos);
        else if (s.kind == QLatin1String("mill"))
            DrawMill(p, s.pos);
        else if (s.kind == QLatin1String("tower"))
            DrawTower(p, s.pos);
        else if (s.kind == QLatin1String("tomb"))
            DrawTomb(p, s.pos, w.climate == Climate::Desert);
    }
}

void PaintLabels(QPainter& p, const WorldMap& w, const Palette& pal)
{
    const QColor halo = pal.land.lighter(104);
    for (const Area& f : w.forests)
        DrawLabel(p, f.labelPos + QPointF(0, f.shape.boundingRect().height() / 2 + 6), f.name,
                  MapFont("book", 11, false, true), QColor(50, 70, 35), halo);
    for (const Area& l : w.lakes)
        DrawLabel(p, l.labelPos, l.name, MapFont("book", 11, false, true), Ink::Water.darker(120), halo);
    for (const Area& r : w.ranges)
        DrawLabel(p, r.labelPos, r.name.toUpper(), MapFont("book", 13, true), Ink::Faded, halo);
    // Town names first; the small names of ruins, towers and tombs only where they do not collide.
    QVector<QRectF> taken;
    for (const Site& s : w.sites) {
        if (s.kind != QLatin1String("town"))
            continue;
        const QPointF at = s.pos + QPointF(0, 14 + s.size * 5);
        const QFont font = MapFont("book", 12 + s.size * 2, true);
        DrawLabel(p, at, s.name, font, Ink::Brown, halo);
        const double width = QFontMetricsF(font).horizontalAdvance(s.name);
        taken << QRectF(at.x() - width / 2, at.y() - 10, width, 20);
    }
    for (const Area& f : w.forests)
        taken << QRectF(f.labelPos.x() - 40, f.labelPos.y() + f.shape.boundingRect().height() / 2, 80, 12);
    for (const Site& s : w.sites) {
        if (s.kind != QLatin1String("ruin") && s.kind != QLatin1String("tower") && s.kind != QLatin1String("tomb"))
            continue;
        const QFont font = MapFont("book", 9, false, true);
        const QPointF at = s.pos + QPointF(0, 11);
        const double width = QFontMetricsF(font).horizontalAdvance(s.name);
        const QRectF box(at.x() - width / 2, at.y() - 6, width, 12);
        if (std::any_of(taken.begin(), taken.end(), [&](const QRectF& r) { return r.intersects(box); }))
            continue;
        DrawLabel(p, at, s.name, font, Ink::Faded, halo);
        taken << box;
    }
    if (!w.seaName.isEmpty()) {
        QColor seaHalo = pal.sea.lighter(115);
        DrawLabel(p, w.seaLabel, w.seaName, MapFont("title", 24, false, true), Ink::Water.darker(140), seaHalo);
    }
}

} // namespace

QImage PaintRegion(const WorldMap& w, quint64 seed)
{
    Rng rng(seed ^ qHash(w.id));
    const Palette pal = PaletteOf(w.climate);
    QImage image = Parchment(w.pictureWidth, w.pictureHeight, pal.land, rng);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(w.pictureWidth / 1024.0, w.pictureHeight / 768.0);
    const QPainterPath land = SmoothPath(w.land, true);
    PaintSea(p, w, land, pal, rng);
    PaintGround(p, w, land, rng);
    PaintWater(p, w, pal);
    PaintRoads(p, w);
    PaintForests(p, w, pal, rng);
    PaintScatter(p, w, land, pal, rng);
    PaintMountains(p, w, pal);
    PaintSites(p, w, pal, rng);
    PaintLabels(p, w, pal);
    DrawCartouche(p, w.cartouche, w.title, pal.land);
    DrawCompass(p, w.compass, w.compassRadius);
    DrawFrame(p, QRectF(0, 0, 1024, 768));
    p.end();
    AgeEdges(image);
    return image;
}
