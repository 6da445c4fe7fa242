#include "controls/FoundLook.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace FoundLook {

namespace {

QImage drawn(const QImage& usual, Part part)
{
    QImage look = usual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qreal ratio = usual.devicePixelRatio();
    look.setDevicePixelRatio(ratio);
    const QSizeF size = look.deviceIndependentSize();
    QPainter painter(&look);
    painter.setRenderHint(QPainter::Antialiasing);
    if (part == Part::Label) {
        // Washed out towards white: still readable, clearly done.
        painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        painter.fillRect(QRectF(QPointF(0, 0), size), QColor(255, 255, 255, 150));
        return look;
    }
    // A grey figure in place of the coloured one, the check over it.
    look.fill(Qt::transparent);
    const qreal ring = std::max<qreal>(1.0, size.width() / 8.0);
    const QRectF r = QRectF(QPointF(0, 0), size).adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
    painter.setPen(QPen(QColor(96, 96, 96), ring));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawEllipse(r);
    QPainterPath check;
    check.moveTo(size.width() * 0.22, size.height() * 0.52);
    check.lineTo(size.width() * 0.43, size.height() * 0.74);
    check.lineTo(size.width() * 0.80, size.height() * 0.26);
    painter.setPen(QPen(QColor(0, 110, 0), std::max<qreal>(1.6, size.width() / 6.0), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(check);
    return look;
}

} // namespace

QImage From(const QImage& usual, Part part)
{
    // The usual looks are kept and shared by their makers: each found look is drawn once per
    // usual look and then copied, as a display of 81 found entries would otherwise draw 162.
    static auto* const looks = new QHash<std::pair<qint64, int>, QImage>;
    const std::pair<qint64, int> key{usual.cacheKey(), int(part)};
    if (const auto known = looks->constFind(key); known != looks->constEnd())
        return *known;
    if (looks->size() > 1024)
        looks->clear();
    return *looks->insert(key, drawn(usual, part));
}

} // namespace FoundLook
