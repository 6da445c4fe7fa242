#include "forms/main/MapView.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Pictures beyond this are refused rather than exhausting memory.
constexpr qint64 kMaxPixels = 16384LL * 16384LL;
}

MapView::MapView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool MapView::loadFile(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    QImage image;
    if (size.isValid() && qint64(size.width()) * size.height() <= kMaxPixels)
        image = reader.read();
    setImage(image);
    return !image.isNull();
}

void MapView::setImage(const QImage& image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void MapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_image.isNull()) {
        painter.fillRect(rect(), QColor(226, 211, 170));
        return;
    }
    if (m_scaled.size() != size())
        m_scaled = QPixmap::fromImage(
            m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.drawPixmap(0, 0, m_scaled);
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        emit rightButtonDown(event->position().toPoint());
}
