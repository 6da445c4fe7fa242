#pragma once
// Zoom and pan of the map area as one transform: a point p of the map area (twips, as the
// layout places it at the whole-map size) is drawn at pixel (p - origin) * zoom / twipsPerPixel.
// Zoom 1 with origin 0,0 is the whole map; the view never leaves the map.
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class ViewTransform
{
public:
    static constexpr double kMinZoom = 1.0;
    static constexpr double kMaxZoom = 8.0;

    ViewTransform() = default;
    ViewTransform(double twipsPerPixelX, double twipsPerPixelY)
        : m_perPixelX(twipsPerPixelX), m_perPixelY(twipsPerPixelY)
    {
    }

    double zoom() const { return m_zoom; }
    QPointF origin() const { return m_origin; }
    bool isIdentity() const { return m_zoom == 1.0 && m_origin.isNull(); }
    // The map area at the whole-map size, in twips.
    QSizeF area() const { return m_area; }

    // The map area got a new size (twips): the map point in the middle of the view stays
    // in the middle, at the same zoom.
    void setArea(const QSizeF& twips);

    QPointF toPixel(const QPointF& twips) const;
    QPointF toTwips(const QPointF& pixel) const;
    // The part of the map area in view, in twips.
    QRectF visibleTwips() const;

    // Zoom (clamped to 1..8) keeping the map point under pixel in place, as far as the map's
    // edges allow.
    void zoomAbout(double zoom, const QPointF& pixel);
    // The same about the middle of the view.
    void zoomTo(double zoom);
    // The picture moves with the pointer by delta pixels.
    void panBy(const QPointF& delta);
    // Puts a map point (twips) in the middle of the view, as far as the edges allow.
    void centreOn(const QPointF& twips);
    // The largest zoom at which rect (twips) fits into the view, centred on it.
    void fit(const QRectF& twips);

private:
    void clampOrigin();

    double m_perPixelX = 15.0;
    double m_perPixelY = 15.0;
    double m_zoom = 1.0;
    QPointF m_origin;
    QSizeF m_area;
};
