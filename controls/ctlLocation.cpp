#include "controls/ctlLocation.h"

#include <QMouseEvent>
#include <QHash>
#include <QPainter>
#include <QImage>

ctlLocation::ctlLocation(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

QColor ctlLocation::fromBgr(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void ctlLocation::setBorderColor(quint32 colour)
{
    if (m_borderColor != colour) {
        m_borderColor = colour;
        update();
    }
}

void ctlLocation::setBackColor(quint32 colour)
{
    if (m_backColor != colour) {
        m_backColor = colour;
        update();
    }
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

void ctlLocation::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, figure(m_borderColor, m_backColor, size(), devicePixelRatioF()));
}

void ctlLocation::mouseMoveEvent(QMouseEvent* event)
{
    const Qt::MouseButtons b = event->buttons();
    const int button = (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0)
                       | (b & Qt::MiddleButton ? 4 : 0);
    const Qt::KeyboardModifiers m = event->modifiers();
    const int shift = (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0)
                      | (m & Qt::AltModifier ? 4 : 0);
    emit MouseMove(button, shift, event->position().x(), event->position().y());
}

void ctlLocation::enterEvent(QEnterEvent* event)
{
    emit MouseMove(0, 0, event->position().x(), event->position().y());
}

void ctlLocation::mouseDoubleClickEvent(QMouseEvent*)
{
    emit DblClick();
}
