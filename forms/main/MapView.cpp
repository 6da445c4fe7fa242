#include "forms/main/MapView.h"

#include "forms/main/MarkerLayer.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Pictures beyond this are refused rather than exhausting memory.
constexpr qint64 kMaxPixels = 16384LL * 16384LL;
constexpr qsizetype kMaxPictures = 5;
constexpr int kStripRows = 64;

} // namespace

MapView::MapView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool MapView::loadFile(const QString& path)
{
    // Every display asks for its picture again: the file is looked at, not decoded.
    const std::optional<FileSystem::FileStamp> stamp = FileSystem::StampOf(path);
    const auto known = m_pictures.constFind(path);
    if (known != m_pictures.constEnd() && stamp && known->stamp == *stamp) {
        if (m_path != path) {
            m_path = path;
            m_image = known->image;
            m_scaled = known->scaled;
            update();
        }
        return true;
    }

    QImageReader reader(path);
    const QSize size = reader.size();
    QImage image;
    if (size.isValid() && qint64(size.width()) * size.height() <= kMaxPixels)
        image = reader.read();
    setImage(image);
    if (image.isNull())
        return false;
    // The five maps are all the program shows here; anything beyond starts the cache afresh.
    if (m_pictures.size() >= kMaxPictures)
        m_pictures.clear();
    // The stamp from before the read: a change during it makes the next call decode again.
    m_pictures.insert(path, {stamp.value_or(FileSystem::FileStamp()), image, QPixmap()});
    m_path = path;
    return true;
}

void MapView::setImage(const QImage& image)
{
    m_path.clear();
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void MapView::setLayer(const MarkerLayer* layer)
{
    m_layer = layer;
    update();
}

void MapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    if (!m_layer) {
        drawPicture(painter);
    } else {
        // A strip of rows at a time: the names are copied onto rows of the picture while those
        // are still in the processor's cache, which halves what drawing them costs.
        for (int top = exposed.top(); top <= exposed.bottom(); top += kStripRows) {
            const QRect strip = QRect(exposed.left(), top, exposed.width(), kStripRows) & exposed;
            painter.setClipRect(strip);
            drawPicture(painter);
            // The layer is laid out in the parent's pixels.
            painter.translate(-pos());
            m_layer->paint(painter, strip.translated(pos()));
            painter.translate(pos());
        }
    }
    painter.end();
}

void MapView::drawPicture(QPainter& painter)
{
    if (m_image.isNull()) {
        painter.fillRect(rect(), QColor(226, 211, 170));
        return;
    }
    // A picture of the view's own size (the start image at the designed size) needs no
    // scaled copy.
    if (m_image.size() == size()) {
        painter.drawImage(0, 0, m_image);
        return;
    }
    if (m_scaled.size() != size()) {
        m_scaled = QPixmap::fromImage(
            m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        if (const auto known = m_pictures.find(m_path); known != m_pictures.end())
            known->scaled = m_scaled;
    }
    painter.drawPixmap(0, 0, m_scaled);
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        emit rightButtonDown(event->position().toPoint());
}
