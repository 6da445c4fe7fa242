#pragma once
// The hand-drawn look shared by all maps and pictures: parchment, ink, cartouche, compass rose.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

class Rng;

namespace Ink {
inline const QColor Brown(62, 44, 26);
inline const QColor Faded(110, 84, 54);
inline const QColor Red(130, 30, 20);
inline const QColor Water(58, 92, 130);
} // namespace Ink

// Paper of the given colour with stains, grain and darker edges.
QImage Parchment(int width, int height, const QColor& base, Rng& rng);
void AgeEdges(QImage& image);

QPainterPath SmoothPath(const QPolygonF& points, bool closed);
QFont MapFont(const QString& style, double pixelSize, bool bold = false, bool italic = false);
// Text centred on centre, with a light halo so that it reads over drawings.
void DrawLabel(QPainter& p, const QPointF& centre, const QString& text, const QFont& font,
               const QColor& colour, const QColor& halo);

void DrawFrame(QPainter& p, const QRectF& rect);
void DrawCartouche(QPainter& p, const QRectF& rect, const QString& title, const QColor& paper);
void DrawCompass(QPainter& p, const QPointF& centre, double radius);

// Map symbols, drawn around pos in reference pixels.
void DrawMountain(QPainter& p, const QPointF& pos, double size, const QColor& fill, const QColor& shade, bool snowCap);
void DrawTree(QPainter& p, const QPointF& pos, const QString& kind, double size, Rng& rng);
void DrawTown(QPainter& p, const QPointF& pos, int size, Rng& rng, const QColor& roof);
void DrawTent(QPainter& p, const QPointF& pos, const QColor& cloth);
void DrawShrine(QPainter& p, const QPointF& pos);
void DrawCave(QPainter& p, const QPointF& pos);
void DrawRuin(QPainter& p, const QPointF& pos, Rng& rng);
void DrawStandingStone(QPainter& p, const QPointF& pos);
void DrawMill(QPainter& p, const QPointF& pos);
void DrawTower(QPainter& p, const QPointF& pos);
void DrawTomb(QPainter& p, const QPointF& pos, bool pyramid);
