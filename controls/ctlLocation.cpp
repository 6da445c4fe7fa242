#include "controls/ctlLocation.h"

#include <QHash>
#include <QPainter>
#include <QImage>

QColor ctlLocation::fromBgr(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

const QImage& ctlLocation::figure(quint32 border, quint32 back, const QSize& size, qreal ratio)
{
    // Up to 82 markers share a handful of looks: each look is drawn once and then copied.
    using Look = std::pair<std::pair<quint32, quint32>, std::pair<QSize, int>>;
    static QHash<Look, QImage> looks;
    const Look look{{border, back}, {size, qRound(ratio * 1000)}};
    if (const auto known = looks.constFind(look); known != looks.constEnd())
        return *known;
    if (looks.size() > 64)
        looks.clear();
    QImage figure(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)),
                  QImage::Format_ARGB32_Premultiplied);
    figure.setDevicePixelRatio(ratio);
    figure.fill(Qt::transparent);
    QPainter painter(&figure);
    painter.setRenderHint(QPainter::Antialiasing);
    // The figure fills the marker; the ring is thick enough to read the colour on any map.
    const qreal ring = std::max<qreal>(2.0, size.width() / 5.0);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
    painter.setPen(QPen(fromBgr(border), ring));
    painter.setBrush(fromBgr(back));
    painter.drawEllipse(r);
    painter.end();
    return *looks.insert(look, figure);
}
