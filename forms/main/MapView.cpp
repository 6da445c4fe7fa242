#include "forms/main/MapView.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
// Pictures beyond this are refused rather than exhausting memory.
constexpr qint64 kMaxPixels = 16384LL * 16384LL;

void reportFirstPaint()
{
    // The start-up benchmark (bench/) times the first paint of the map and ends right there.
    static const bool exitAfterFirstPaint = qEnvironmentVariableIsSet("KARVENNA_EXIT_AFTER_FIRST_PAINT");
    if (!exitAfterFirstPaint)
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("first-paint %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    std::_Exit(0);
}
} // namespace

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
    painter.end();
    reportFirstPaint();
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        emit rightButtonDown(event->position().toPoint());
}
