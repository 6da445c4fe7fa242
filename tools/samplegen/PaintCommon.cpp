#include "PaintCommon.h"

#include <QRadialGradient>
#include <cmath>

#include "Rng.h"

QImage Parchment(int width, int height, const QColor& base, Rng& rng)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(base);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Stains: soft darker and lighter blotches.
    const int stains = (width * height) / 9000;
    for (int i = 0; i < stains; ++i) {
        const QPointF c(rng.uniform(0, width), rng.uniform(0, height));
        const double r = rng.uniform(20, 110) * width / 1024.0;
        QColor tone = rng.chance(0.6) ? base.darker(rng.range(104, 114)) : base.lighter(rng.range(103, 108));
        tone.setAlpha(rng.range(25, 60));
        QRadialGradient g(c, r);
        g.setColorAt(0, tone);
        tone.setAlpha(0);
        g.setColorAt(1, tone);
        p.setBrush(g);
        p.drawEllipse(c, r, r * rng.uniform(0.6, 1.0));
    }
    // Fibres.
    for (int i = 0; i < stains * 3; ++i) {
        QColor fibre = base.darker(112);
        fibre.setAlpha(rng.range(10, 30));
        p.setPen(QPen(fibre, 0.7));
        const QPointF a(rng.uniform(0, width), rng.uniform(0, height));
        p.drawLine(a, a + QPointF(rng.uniform(-14, 14), rng.uniform(-3, 3)));
    }
    p.end();
    // Grain.
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int d = int(rng.next() % 13) - 6;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                           std::clamp(qBlue(c) + d, 0, 255));
        }
    }
    return image;
}

void AgeEdges(QImage& image)
{
    QPainter p(&image);
    const QRectF r = image.rect();
    QRadialGradient g(r.center(), std::hypot(r.width(), r.height()) * 0.55);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.75, QColor(60, 40, 10, 10));
    g.setColorAt(1.0, QColor(60, 35, 10, 120));
    p.fillRect(r, g);
}

QPainterPath SmoothPath(const QPolygonF& pts, bool closed)
{
    QPainterPath path;
    const int n = pts.size();
    if (n < 3) {
        path.addPolygon(pts);
        return path;
    }
    if (closed) {
        path.moveTo((pts[n - 1] + pts[0]) / 2);
        for (int i = 0; i < n; ++i)
            path.quadTo(pts[i], (pts[i] + pts[(i + 1) % n]) / 2);
        path.closeSubpath();
    } else {
        path.moveTo(pts[0]);
        for (int i = 1; i + 1 < n; ++i)
            path.quadTo(pts[i], (pts[i] + pts[i + 1]) / 2);
        path.lineTo(pts[n - 1]);
    }
    return path;
}

QFont MapFont(const QString& style, double pixelSize, bool bold, bool italic)
{
    // Z003 is a chancery script for titles; P052 a book face for names.
    QFont f(style == QLatin1String("title") ? "Z003" : style == QLatin1String("plain") ? "DejaVu Sans" : "P052");
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void DrawLabel(QPainter& p, const QPointF& centre, const QString& text, const QFont& font,
               const QColor& colour, const QColor& halo)
{
    QPainterPath path;
    const QFontMetricsF fm(font);
    const double w = fm.horizontalAdvance(text);
    path.addText(centre + QPointF(-w / 2, fm.ascent() / 2 - fm.descent() / 2), font, text);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (halo.alpha() > 0) {
        p.setPen(QPen(halo, font.pixelSize() / 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void DrawFrame(QPainter& p, const QRectF& r)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink::Brown, 3));
    p.drawRect(r.adjusted(6, 6, -6, -6));
    p.setPen(QPen(Ink::Brown, 1));
    p.drawRect(r.adjusted(11, 11, -11, -11));
    p.restore();
}

void DrawCartouche(QPainter& p, const QRectF& r, const QString& title, const QColor& paper)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Scroll ends.
    for (int side = 0; side < 2; ++side) {
        const double x = side ? r.right() - 6 : r.left() + 6;
        const QRectF curl(x - 12, r.top() + 4, 24, r.height() - 8);
        p.setPen(QPen(Ink::Brown, 1.6));
        p.setBrush(paper.darker(112));
        p.drawRoundedRect(curl, 10, 10);
        p.drawEllipse(QPointF(x, r.center().y()), 5, 5);
    }
    QPainterPath body;
    body.moveTo(r.left() + 6, r.top() + 8);
    body.cubicTo(r.left() + r.width() * 0.35, r.top(), r.left() + r.width() * 0.65, r.top() + 14, r.right() - 6, r.top() + 8);
    body.lineTo(r.right() - 6, r.bottom() - 8);
    body.cubicTo(r.left() + r.width() * 0.65, r.bottom() - 14, r.left() + r.width() * 0.35, r.bottom(), r.left() + 6, r.bottom() - 8);
    body.closeSubpath();
    p.setBrush(paper.lighter(106));
    p.setPen(QPen(Ink::Brown, 2));
    p.drawPath(body);
    p.setPen(QPen(Ink::Faded, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body.translated(0, 0).united(QPainterPath()));
    QPainterPath inner;
    inner.addRoundedRect(r.adjusted(22, 14, -22, -14), 6, 6);
    p.drawPath(inner);
    double size = r.height() * 0.58;
    QFont f = MapFont("title", size, true);
    while (QFontMetricsF(f).horizontalAdvance(title) > r.width() - 60 && size > 10)
        f = MapFont("title", size -= 2, true);
    DrawLabel(p, r.center() + QPointF(0, 2), title, f, Ink::Red.darker(110), QColor(0, 0, 0, 0));
    p.restore();
}

void DrawCompass(QPainter& p, const QPointF& c, double r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink::Brown, 1.2));
    p.drawEllipse(c, r * 0.78, r * 0.78);
    p.drawEllipse(c, r * 0.70, r * 0.70);
    for (int i = 0; i < 32; ++i) {
        const double a = i * M_PI / 16;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * r * 0.70, c + QPointF(std::cos(a), std::sin(a)) * r * (i % 4 ? 0.74 : 0.78));
    }
    // Eight points, each with a dark and a light half.
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 - M_PI / 2;
        const double len = (i % 2 ? 0.55 : 1.0) * r;
        const double wid = (i % 2 ? 0.10 : 0.16) * r;
        const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * len;
        const QPointF left = c + QPointF(std::cos(a - M_PI / 2), std::sin(a - M_PI / 2)) * wid;
        const QPointF right = c + QPointF(std::cos(a + M_PI / 2), std::sin(a + M_PI / 2)) * wid;
        p.setPen(QPen(Ink::Brown, 1));
        p.setBrush(i == 0 ? Ink::Red : Ink::Brown);
        p.drawPolygon(QPolygonF({c, left, tip}));
        p.setBrush(QColor(245, 235, 210));
        p.drawPolygon(QPolygonF({c, tip, right}));
    }
    p.setBrush(Ink::Brown);
    p.drawEllipse(c, r * 0.05, r * 0.05);
    DrawLabel(p, c + QPointF(0, -r * 1.15), "N", MapFont("title", r * 0.42, true), Ink::Red, QColor(245, 235, 210, 200));
    p.restore();
}

void DrawMountain(QPainter& p, const QPointF& pos, double s, const QColor& fill, const QColor& shade, bool snowCap)
{
    const QPointF apex = pos + QPointF(s * 0.05, -s * 1.05);
    const QPointF left = pos + QPointF(-s, 0), right = pos + QPointF(s, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({left, apex, right}));
    p.setBrush(shade);
    p.drawPolygon(QPolygonF({apex, right, pos + QPointF(s * 0.15, 0)}));
    if (snowCap) {
        p.setBrush(QColor(250, 250, 252));
        p.drawPolygon(QPolygonF({apex, apex + QPointF(-s * 0.32, s * 0.36), apex + QPointF(-s * 0.08, s * 0.28),
                                 apex + QPointF(s * 0.08, s * 0.40), apex + QPointF(s * 0.3, s * 0.32)}));
    }
    p.setPen(QPen(Ink::Brown, std::max(1.0, s / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath ridge;
    ridge.moveTo(left);
    ridge.quadTo(pos + QPointF(-s * 0.45, -s * 0.55), apex);
    ridge.quadTo(pos + QPointF(s * 0.5, -s * 0.5), right);
    p.drawPath(ridge);
    p.setPen(QPen(Ink::Faded, 0.8));
    for (int i = 1; i <= 3; ++i)
        p.drawLine(apex + QPointF(s * 0.12 * i, s * 0.3 * i), apex + QPointF(s * 0.12 * i + s * 0.2, s * 0.3 * i + s * 0.12));
}

void DrawTree(QPainter& p, const QPointF& pos, const QString& kind, double s, Rng& rng)
{
    p.setPen(QPen(Ink::Brown, 0.9));
    if (kind == QLatin1String("pine")) {
        const QColor green(52 + rng.range(-8, 8), 86 + rng.range(-8, 8), 66);
        p.setBrush(green);
        p.drawLine(pos, pos + QPointF(0, -s * 0.3));
        for (int tier = 0; tier < 3; ++tier) {
            const double y = -s * (0.25 + tier * 0.45), w = s * (0.62 - tier * 0.15);
            p.drawPolygon(QPolygonF({pos + QPointF(-w, y), pos + QPointF(0, y - s * 0.75), pos + QPointF(w, y)}));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 250));
        p.drawEllipse(pos + QPointF(-s * 0.2, -s * 1.2), s * 0.12, s * 0.08);
    } else if (kind == QLatin1String("palm")) {
        p.setPen(QPen(QColor(110, 80, 40), 1.3));
        const QPointF top = pos + QPointF(s * 0.2, -s * 1.4);
        QPainterPath trunk;
        trunk.moveTo(pos);
        trunk.quadTo(pos + QPointF(-s * 0.15, -s * 0.7), top);
        p.setBrush(Qt::NoBrush);
        p.drawPath(trunk);
        p.setPen(QPen(QColor(60, 100, 50), 1.5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 5; ++i) {
            const double a = -M_PI + i * M_PI / 4;
            QPainterPath frond;
            frond.moveTo(top);
            frond.quadTo(top + QPointF(std::cos(a) * s * 0.5, std::sin(a) * s * 0.5 - s * 0.2),
                         top + QPointF(std::cos(a) * s * 0.9, std::sin(a) * s * 0.4 + s * 0.25));
            p.drawPath(frond);
        }
    } else {
        const QColor green(104 + rng.range(-12, 12), 128 + rng.range(-12, 12), 70 + rng.range(-8, 8));
        p.drawLine(pos, pos + QPointF(0, -s * 0.5));
        p.setBrush(green);
        p.drawEllipse(pos + QPointF(0, -s * 0.95), s * 0.55, s * 0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(green.darker(125));
        p.drawEllipse(pos + QPointF(s * 0.18, -s * 0.82), s * 0.28, s * 0.24);
    }
}

void DrawTown(QPainter& p, const QPointF& pos, int size, Rng& rng, const QColor& roof)
{
    const int houses = size == 3 ? 11 : size == 2 ? 7 : 4;
    const double spread = 6 + size * 5;
    if (size == 3) {
        p.setPen(QPen(Ink::Brown, 1.6));
        p.setBrush(QColor(0, 0, 0, 18));
        p.drawEllipse(pos, spread + 8, spread + 5);
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            const QPointF t = pos + QPointF(std::cos(a) * (spread + 8), std::sin(a) * (spread + 5));
            p.setBrush(QColor(200, 185, 150));
            p.drawRect(QRectF(t - QPointF(2.5, 2.5), QSizeF(5, 5)));
        }
    }
    QVector<QPointF> spots;
    for (int i = 0; i < houses; ++i)
        spots << pos + QPointF(rng.uniform(-spread, spread), rng.uniform(-spread * 0.7, spread * 0.7));
    std::sort(spots.begin(), spots.end(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    for (const QPointF& h : spots) {
        const double w = rng.uniform(4.5, 6.5), hh = rng.uniform(3.5, 5);
        p.setPen(QPen(Ink::Brown, 0.9));
        p.setBrush(QColor(236, 224, 196));
        p.drawRect(QRectF(h.x() - w / 2, h.y() - hh, w, hh));
        p.setBrush(roof);
        p.drawPolygon(QPolygonF({h + QPointF(-w / 2 - 1, -hh), h + QPointF(0, -hh - 4), h + QPointF(w / 2 + 1, -hh)}));
    }
    if (size >= 2) {
        p.setBrush(QColor(220, 205, 175));
        p.setPen(QPen(Ink::Brown, 1));
        p.drawRect(QRectF(pos.x() - 3, pos.y() - 14, 6, 12));
        p.setBrush(Ink::Red);
        p.drawPolygon(QPolygonF({pos + QPointF(-4, -14), pos + QPointF(0, -20), pos + QPointF(4, -14)}));
    }
}

void DrawTent(QPainter& p, const QPointF& pos, const QColor& cloth)
{
    p.setPen(QPen(Ink::Brown, 0.9));
    for (int i = 0; i < 3; ++i) {
        const QPointF b = pos + QPointF(i * 7 - 7, i == 1 ? -3 : 2);
        p.setBrush(cloth);
        p.drawPolygon(QPolygonF({b + QPointF(-4.5, 0), b + QPointF(0, -7), b + QPointF(4.5, 0)}));
        p.drawLine(b + QPointF(0, -7), b);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 110, 30));
    p.drawEllipse(pos + QPointF(0, 6), 2, 2);
}

void DrawShrine(QPainter& p, const QPointF& pos)
{
    p.setPen(QPen(Ink::Brown, 1));
    p.setBrush(QColor(235, 228, 210));
    p.drawRect(QRectF(pos.x() - 6, pos.y() - 2, 12, 3));
    p.drawRect(QRectF(pos.x() - 4, pos.y() - 10, 2, 8));
    p.drawRect(QRectF(pos.x() + 2, pos.y() - 10, 2, 8));
    p.drawPolygon(QPolygonF({pos + QPointF(-6, -10), pos + QPointF(0, -15), pos + QPointF(6, -10)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 140, 40));
    p.drawEllipse(pos + QPointF(0, -6), 1.5, 2.2);
}

void DrawCave(QPainter& p, const QPointF& pos)
{
    p.setPen(QPen(Ink::Brown, 1.2));
    p.setBrush(QColor(30, 22, 16));
    QPainterPath arch;
    arch.moveTo(pos + QPointF(-6, 3));
    arch.quadTo(pos + QPointF(-6, -7), pos + QPointF(0, -7));
    arch.quadTo(pos + QPointF(6, -7), pos + QPointF(6, 3));
    arch.closeSubpath();
    p.drawPath(arch);
}

void DrawRuin(QPainter& p, const QPointF& pos, Rng& rng)
{
    p.setPen(QPen(Ink::Brown, 1));
    p.setBrush(QColor(210, 200, 180));
    for (int i = 0; i < 4; ++i) {
        const double h = rng.uniform(4, 11);
        p.drawRect(QRectF(pos.x() - 9 + i * 5, pos.y() - h, 3, h));
    }
    p.drawLine(pos + QPointF(-11, 0.5), pos + QPointF(11, 0.5));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(pos.x() + rng.uniform(-10, 9), pos.y() + rng.uniform(1, 4), 2, 1.5));
}

void DrawStandingStone(QPainter& p, const QPointF& pos)
{
    p.setPen(QPen(Ink::Brown, 1));
    p.setBrush(QColor(170, 170, 165));
    p.drawRoundedRect(QRectF(pos.x() - 3, pos.y() - 12, 6, 12), 2.5, 2.5);
    p.setPen(QPen(QColor(60, 110, 160), 1));
    p.drawLine(pos + QPointF(0, -9), pos + QPointF(0, -3));
    p.drawLine(pos + QPointF(-1.5, -7), pos + QPointF(1.5, -5));
}

void DrawMill(QPainter& p, const QPointF& pos)
{
    p.setPen(QPen(Ink::Brown, 1));
    p.setBrush(QColor(230, 215, 185));
    p.drawPolygon(QPolygonF({pos + QPointF(-4, 0), pos + QPointF(-2.5, -10), pos + QPointF(2.5, -10), pos + QPointF(4, 0)}));
    p.setPen(QPen(Ink::Brown, 1.4));
    p.drawLine(pos + QPointF(-7, -16), pos + QPointF(7, -4));
    p.drawLine(pos + QPointF(7, -16), pos + QPointF(-7, -4));
}

void DrawTower(QPainter& p, const QPointF& pos)
{
    p.setPen(QPen(Ink::Brown, 1));
    p.setBrush(QColor(205, 195, 180));
    p.drawRect(QRectF(pos.x() - 4, pos.y() - 18, 8, 18));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(pos.x() - 5 + i * 4, pos.y() - 21, 2, 3));
    p.setBrush(QColor(90, 60, 150));
    p.drawEllipse(pos + QPointF(0, -12), 1.5, 2);
}

void DrawTomb(QPainter& p, const QPointF& pos, bool pyramid)
{
    p.setPen(QPen(Ink::Brown, 1));
    if (pyramid) {
        p.setBrush(QColor(225, 195, 140));
        p.drawPolygon(QPolygonF({pos + QPointF(-9, 0), pos + QPointF(0, -12), pos + QPointF(9, 0)}));
        p.setBrush(QColor(185, 150, 100));
        p.drawPolygon(QPolygonF({pos + QPointF(0, -12), pos + QPointF(9, 0), pos + QPointF(2, 0)}));
    } else {
        p.setBrush(QColor(175, 175, 170));
        p.drawRect(QRectF(pos.x() - 8, pos.y() - 9, 3, 9));
        p.drawRect(QRectF(pos.x() + 5, pos.y() - 9, 3, 9));
        p.drawRect(QRectF(pos.x() - 10, pos.y() - 12, 20, 3));
    }
}
