// Draws a dungeon level: rock hatching, flagstone floors, walls, pillars, stairs and fittings.
#include <cmath>

#include "MapPainters.h"
#include "PaintCommon.h"
#include "Rng.h"

namespace {

QPainterPath Floor(const WorldMap& w)
{
    QPainterPath floor;
    floor.setFillRule(Qt::WindingFill);
    for (const Room& r : w.rooms) {
        QPainterPath room;
        if (r.kind == QLatin1String("cave"))
            room.addRoundedRect(r.rect, 26, 26);
        else
            room.addRect(r.rect);
        floor = floor.united(room);
    }
    return floor;
}

void PaintRock(QPainter& p, const WorldMap& w, const QPainterPath& floor, Rng& rng)
{
    // Short hatch strokes in clusters around the rooms: solid rock.
    QPainterPathStroker stroker;
    stroker.setWidth(64);
    const QPainterPath band = stroker.createStroke(floor).united(floor);
    p.save();
    p.setClipPath(band.subtracted(floor));
    const QColor ink(70, 52, 34, 170);
    for (int i = 0; i < 2600; ++i) {
        const QPointF c(rng.uniform(0, 1024), rng.uniform(0, 768));
        if (!band.contains(c))
            continue;
        const double a = rng.uniform(0, M_PI);
        const QPointF d(std::cos(a), std::sin(a));
        const QPointF n(-d.y(), d.x());
        p.setPen(QPen(ink, 0.8));
        for (int k = -2; k <= 2; ++k)
            p.drawLine(c + n * (k * 2.4) - d * 4, c + n * (k * 2.4) + d * 4);
    }
    p.restore();
    Q_UNUSED(w);
}

void PaintFloor(QPainter& p, const WorldMap& w, const QPainterPath& floor)
{
    const QColor stone = w.climate == Climate::Temple ? QColor(236, 222, 190) : QColor(222, 220, 206);
    p.setPen(Qt::NoPen);
    p.setBrush(stone);
    p.drawPath(floor);
    p.save();
    p.setClipPath(floor);
    p.setPen(QPen(QColor(120, 100, 70, 70), 0.6));
    for (int x = 0; x <= 1024; x += 16)
        p.drawLine(QPointF(x, 0), QPointF(x, 768));
    for (int y = 0; y <= 768; y += 16)
        p.drawLine(QPointF(0, y), QPointF(1024, y));
    p.restore();
    p.setPen(QPen(Ink::Brown, 3.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(floor.simplified());
}

void PaintStairs(QPainter& p, const Stairs& s)
{
    p.setPen(QPen(Ink::Brown, 1));
    p.setBrush(QColor(205, 195, 175));
    p.drawRect(s.rect);
    const int steps = 6;
    for (int i = 1; i < steps; ++i) {
        if (s.vertical) {
            const double y = s.rect.top() + i * s.rect.height() / steps;
            p.drawLine(QPointF(s.rect.left(), y), QPointF(s.rect.right(), y));
        } else {
            const double x = s.rect.left() + i * s.rect.width() / steps;
            p.drawLine(QPointF(x, s.rect.top()), QPointF(x, s.rect.bottom()));
        }
    }
    const QPointF c = s.rect.center();
    p.setBrush(Ink::Brown);
    const double d = s.down ? 1 : -1;
    p.drawPolygon(QPolygonF({c + QPointF(-4, -3 * d), c + QPointF(4, -3 * d), c + QPointF(0, 4 * d)}));
}

void PaintFixture(QPainter& p, const Site& f)
{
    const QPointF c = f.pos;
    p.setPen(QPen(Ink::Brown, 1));
    if (f.kind == QLatin1String("altar")) {
        p.setBrush(QColor(190, 170, 140));
        p.drawRect(QRectF(c.x() - 14, c.y() - 7, 28, 14));
        p.setBrush(Ink::Red);
        p.drawEllipse(c, 3, 3);
    } else if (f.kind == QLatin1String("statue")) {
        p.setBrush(QColor(200, 200, 195));
        p.drawEllipse(c, 8, 8);
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(5, -5), c + QPointF(-5, 5));
    } else if (f.kind == QLatin1String("well")) {
        p.setBrush(QColor(120, 160, 190));
        p.drawEllipse(c, 14, 14);
        p.setBrush(QColor(70, 110, 150));
        p.drawEllipse(c, 9, 9);
    } else if (f.kind == QLatin1String("sarcophagus")) {
        p.setBrush(QColor(185, 180, 165));
        p.drawPolygon(QPolygonF({c + QPointF(-6, -14), c + QPointF(6, -14), c + QPointF(8, -6), c + QPointF(5, 14),
                                 c + QPointF(-5, 14), c + QPointF(-8, -6)}));
        p.drawLine(c + QPointF(0, -10), c + QPointF(0, 8));
        p.drawLine(c + QPointF(-4, -4), c + QPointF(4, -4));
    } else if (f.kind == QLatin1String("niche")) {
        p.setBrush(QColor(150, 135, 110));
        p.drawRect(QRectF(c.x() - 9, c.y() - 4, 18, 8));
    } else if (f.kind == QLatin1String("urn")) {
        p.setBrush(QColor(170, 110, 70));
        p.drawEllipse(c, 4, 4);
    } else if (f.kind == QLatin1String("shelf")) {
        p.setBrush(QColor(140, 100, 60));
        p.drawRect(QRectF(c.x() - 4, c.y() - 12, 8, 24));
    } else if (f.kind == QLatin1String("bones")) {
        p.drawLine(c + QPointF(-4, -2), c + QPointF(4, 2));
        p.drawLine(c + QPointF(-3, 3), c + QPointF(3, -3));
    } else {
        p.setBrush(QColor(140, 125, 100));
        p.drawEllipse(c, 2.5, 2);
        p.drawEllipse(c + QPointF(4, 2), 2, 1.5);
    }
}

} // namespace

QImage PaintDungeon(const WorldMap& w, quint64 seed)
{
    Rng rng(seed ^ qHash(w.id));
    const QColor paper = w.climate == Climate::Temple ? QColor(222, 200, 158) : QColor(208, 200, 182);
    QImage image = Parchment(w.pictureWidth, w.pictureHeight, paper, rng);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(w.pictureWidth / 1024.0, w.pictureHeight / 768.0);
    const QPainterPath floor = Floor(w);
    PaintRock(p, w, floor, rng);
    PaintFloor(p, w, floor);
    for (const Stairs& s : w.stairs)
        PaintStairs(p, s);
    p.setPen(QPen(Ink::Brown, 1.2));
    p.setBrush(QColor(170, 160, 140));
    for (const QPointF& c : w.pillars)
        p.drawEllipse(c, 7, 7);
    for (const Site& f : w.fixtures)
        PaintFixture(p, f);
    const QColor halo(240, 230, 205, 220);
    for (const Room& r : w.rooms) {
        if (r.kind == QLatin1String("corridor") || r.name.isEmpty())
            continue;
        const double size = r.rect.width() < 100 ? 9 : 12;
        const QPointF at = r.rect.center() + QPointF(0, r.rect.height() / 2 - size - 4);
        DrawLabel(p, at, r.name, MapFont("book", size, true, true), Ink::Brown, halo);
    }
    DrawCartouche(p, w.cartouche, w.title, paper);
    DrawCompass(p, w.compass, w.compassRadius);
    DrawFrame(p, QRectF(0, 0, 1024, 768));
    p.end();
    AgeEdges(image);
    return image;
}
