#include "forms/main/MapView.h"

#include <QHelpEvent>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
// Pictures beyond this are refused rather than exhausting memory.
constexpr qint64 kMaxPixels = 16384LL * 16384LL;
constexpr qsizetype kMaxPictures = 5;
constexpr int kStripRows = 64;

} // namespace

MapView::MapView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A marker is reached by moving onto it, without a button held.
    setMouseTracking(true);
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
    m_hovered = {};
    unsetCursor();
    update();
}

QRect MapView::rectOf(const LayerHit& control) const
{
    // The layer is laid out in the parent's pixels.
    return m_layer ? m_layer->rectOf(control).translated(-pos()) : QRect();
}

LayerHit MapView::hitAt(const QPointF& position) const
{
    return m_layer ? m_layer->at(position.toPoint() + pos()) : LayerHit();
}

void MapView::pointAt(const QPointF& position)
{
    m_inside = true;
    m_pointer = position.toPoint();
    const LayerHit hit = hitAt(position);
    if (hit != m_hovered) {
        m_hovered = hit;
        // The markers show a hand, as links do; names and the map the usual arrow.
        if (hit.kind == LayerHit::Kind::Dot || hit.kind == LayerHit::Kind::Item)
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }
}

void MapView::recheckPointer()
{
    if (m_inside && m_hovered && hitAt(m_pointer) != m_hovered) {
        m_hovered = {};
        unsetCursor();
    }
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

bool MapView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const LayerHit hit = hitAt(help->pos());
    const QString text = hit ? m_layer->toolTipOf(hit) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this, rectOf(hit));
    }
    return true;
}

void MapView::enterEvent(QEnterEvent* event)
{
    pointAt(event->position());
    if (m_hovered)
        emit pointerMoved(m_hovered);
}

void MapView::leaveEvent(QEvent*)
{
    m_inside = false;
    m_hovered = {};
    unsetCursor();
}

void MapView::mouseMoveEvent(QMouseEvent* event)
{
    pointAt(event->position());
    if (m_hovered)
        emit pointerMoved(m_hovered);
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    // A button pressed without a move before it still finds its control; buttons on a
    // control mean nothing but the double click.
    pointAt(event->position());
    if (!m_hovered && event->button() == Qt::RightButton)
        emit rightButtonDown(event->position().toPoint());
    else if (m_hovered && event->button() == Qt::RightButton)
        emit rightButtonOnControl(m_hovered, event->position().toPoint());
}

void MapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    pointAt(event->position());
    if (m_hovered)
        emit doubleClicked(m_hovered);
    else
        mousePressEvent(event);
}
