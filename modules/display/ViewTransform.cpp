#include "modules/display/ViewTransform.h"

#include <algorithm>
#include <cmath>

void ViewTransform::setArea(const QSizeF& twips)
{
    if (twips == m_area)
        return;
    // The middle of the view as a share of the map, so that the same spot stays there.
    const QPointF middle = visibleTwips().center();
    const double shareX = m_area.width() > 0 ? middle.x() / m_area.width() : 0.5;
    const double shareY = m_area.height() > 0 ? middle.y() / m_area.height() : 0.5;
    m_area = twips;
    centreOn(QPointF(shareX * twips.width(), shareY * twips.height()));
}

QPointF ViewTransform::toPixel(const QPointF& twips) const
{
    return QPointF((twips.x() - m_origin.x()) * m_zoom / m_perPixelX,
                   (twips.y() - m_origin.y()) * m_zoom / m_perPixelY);
}

QPointF ViewTransform::toTwips(const QPointF& pixel) const
{
    return QPointF(pixel.x() * m_perPixelX / m_zoom + m_origin.x(),
                   pixel.y() * m_perPixelY / m_zoom + m_origin.y());
}

QRectF ViewTransform::visibleTwips() const
{
    return QRectF(m_origin, m_area / m_zoom);
}

void ViewTransform::zoomAbout(double zoom, const QPointF& pixel)
{
    if (!std::isfinite(zoom))
        return;
    const QPointF fixed = toTwips(pixel);
    // Wheel and key steps are powers of the square root of two: what repeated steps lose in
    // rounding is put back, so that two steps in are 2, not 2.0000000000000004.
    const double step = std::pow(2.0, std::round(2 * std::log2(zoom)) / 2);
    if (std::abs(zoom / step - 1) < 1e-9)
        zoom = step;
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    m_origin = QPointF(fixed.x() - pixel.x() * m_perPixelX / m_zoom,
                       fixed.y() - pixel.y() * m_perPixelY / m_zoom);
    clampOrigin();
}

void ViewTransform::zoomTo(double zoom)
{
    zoomAbout(zoom, QPointF(m_area.width() / m_perPixelX / 2, m_area.height() / m_perPixelY / 2));
}

void ViewTransform::panBy(const QPointF& delta)
{
    m_origin -= QPointF(delta.x() * m_perPixelX / m_zoom, delta.y() * m_perPixelY / m_zoom);
    clampOrigin();
}

void ViewTransform::centreOn(const QPointF& twips)
{
    const QSizeF seen = m_area / m_zoom;
    m_origin = twips - QPointF(seen.width() / 2, seen.height() / 2);
    clampOrigin();
}

void ViewTransform::fit(const QRectF& twips)
{
    const QRectF r = twips.normalized();
    double zoom = kMaxZoom;
    if (r.width() > 0)
        zoom = std::min(zoom, m_area.width() / r.width());
    if (r.height() > 0)
        zoom = std::min(zoom, m_area.height() / r.height());
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    centreOn(r.center());
}

void ViewTransform::clampOrigin()
{
    // At zoom 1 this is exactly 0,0: the whole map as laid out.
    const double maxX = std::max(0.0, m_area.width() - m_area.width() / m_zoom);
    const double maxY = std::max(0.0, m_area.height() - m_area.height() / m_zoom);
    m_origin = QPointF(std::clamp(m_origin.x(), 0.0, maxX), std::clamp(m_origin.y(), 0.0, maxY));
}
