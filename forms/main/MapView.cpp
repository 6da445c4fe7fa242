#include "forms/main/MapView.h"

#include "modules/Twips2Pixel_Module.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

namespace {
// Pictures beyond this are refused rather than exhausting memory.
constexpr qint64 kMaxPixels = 16384LL * 16384LL;
constexpr qsizetype kMaxPictures = 5;
constexpr int kStripRows = 64;
// One wheel notch (120 eighths of a degree) zooms by the square root of two.
constexpr double kWheelEighthsPerDoubling = 240.0;
// An arrow key moves the view by this share of its size.
constexpr double kKeyPanShare = 0.1;
// How long zoom steps may rest before the picture is drawn smoothly again.
constexpr int kSettleMs = 150;
// On paper a screen pixel gets at least this many picture pixels (about 190 dpi).
constexpr int kPrintPixelsPerPixel = 2;

QRectF boundsOf(const QList<QPointF>& points)
{
    double left = points.first().x(), right = left, top = points.first().y(), bottom = top;
    for (const QPointF& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

} // namespace

MapView::MapView(QWidget* parent)
    : QWidget(parent),
      m_view(Twips2Pixel_Module::TwipsPerPixelX(), Twips2Pixel_Module::TwipsPerPixelY())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A marker is reached by moving onto it, without a button held.
    setMouseTracking(true);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, qOverload<>(&QWidget::update));
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

void MapView::setLayer(MarkerLayer* layer)
{
    m_layer = layer;
    m_hovered = {};
    unsetCursor();
    if (m_layer)
        m_layer->arrange(m_view, m_declutter);
    update();
}

void MapView::layerTaken(const QRect& changed)
{
    QRect dirty = changed;
    const ViewTransform before = m_view;
    syncArea();
    if (m_layer) {
        dirty |= m_layer->arrange(m_view, m_declutter);
        if (m_layer->markersChanged())
            revealShown();
    }
    if (m_view.zoom() != before.zoom() || m_view.origin() != before.origin())
        viewMoved();
    else if (!dirty.isEmpty())
        update(dirty.translated(-pos()));
}

void MapView::syncArea()
{
    m_view.setArea(QSizeF(width() * Twips2Pixel_Module::TwipsPerPixelX(),
                          height() * Twips2Pixel_Module::TwipsPerPixelY()));
}

void MapView::viewMoved()
{
    if (m_layer)
        m_layer->arrange(m_view, m_declutter);
    // Zoomed in, the map takes the keys: the arrows pan.
    setFocusPolicy(m_view.zoom() > 1.0 ? Qt::WheelFocus : Qt::NoFocus);
    recheckPointer();
    update();
    emit viewChanged();
}

void MapView::zoomAbout(double zoom, const QPointF& pixel)
{
    syncArea();
    m_view.zoomAbout(zoom, pixel);
    m_settle.start();
    viewMoved();
}

void MapView::zoomTo(double zoom)
{
    syncArea();
    m_view.zoomTo(zoom);
    m_settle.start();
    viewMoved();
}

void MapView::panBy(const QPointF& delta)
{
    syncArea();
    const QPointF from = m_view.toPixel(QPointF(0, 0));
    m_view.panBy(delta);
    const QPointF moved = m_view.toPixel(QPointF(0, 0)) - from;
    const QPoint whole = moved.toPoint();
    const bool wholePixels = qAbs(moved.x() - whole.x()) < 1e-6 && qAbs(moved.y() - whole.y()) < 1e-6;
    if (!m_layer || !wholePixels || qAbs(whole.x()) >= width() || qAbs(whole.y()) >= height()) {
        viewMoved();
        return;
    }
    // A drag by whole pixels moves what is drawn: only the strip that comes into view, and what
    // does not move with the map (the heading), are painted anew.
    const QRect dirty = m_layer->arrange(m_view, m_declutter, whole);
    if (!whole.isNull())
        scroll(whole.x(), whole.y());
    if (!dirty.isEmpty())
        update(dirty.translated(-pos()));
    recheckPointer();
    emit viewChanged();
}

void MapView::setDeclutter(bool on)
{
    if (on == m_declutter)
        return;
    m_declutter = on;
    viewMoved();
}

void MapView::zoomToShown()
{
    const QList<QPointF> centres = m_layer ? m_layer->markerCentres() : QList<QPointF>();
    if (centres.isEmpty())
        return;
    syncArea();
    const QRectF bounds = boundsOf(centres);
    // Room around the outer markers for their names.
    const double marginX = std::max(bounds.width() * 0.15, 100.0 * Twips2Pixel_Module::TwipsPerPixelX());
    const double marginY = std::max(bounds.height() * 0.15, 40.0 * Twips2Pixel_Module::TwipsPerPixelY());
    m_view.fit(bounds.adjusted(-marginX, -marginY, marginX, marginY));
    viewMoved();
}

void MapView::revealShown()
{
    if (!m_layer || m_view.zoom() <= 1.0)
        return;
    const QList<QPointF> centres = m_layer->markerCentres();
    if (centres.isEmpty())
        return;
    const QRectF seen = m_view.visibleTwips();
    for (const QPointF& c : centres)
        if (seen.contains(c))
            return;
    m_view.centreOn(boundsOf(centres).center());
    m_layer->arrange(m_view, m_declutter);
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
    LayerHit hit = hitAt(position);
    if (m_layer) {
        // A name kept back for room shows while its marker is pointed at.
        const QRect shown = m_layer->setPointed(hit);
        if (!shown.isEmpty()) {
            update(shown.translated(-pos()));
            hit = hitAt(position);
        }
    }
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
        if (m_layer)
            update(m_layer->setPointed({}).translated(-pos()));
    }
}

void MapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paintView(painter, event->rect(), false);
    painter.end();
}

void MapView::paintForPrinter(QPainter& painter)
{
    painter.save();
    painter.setClipRect(rect());
    paintView(painter, rect(), true);
    painter.restore();
}

void MapView::paintView(QPainter& painter, const QRect& exposed, bool forPrinter)
{
    if (!m_layer) {
        drawPicture(painter);
    } else if (!m_view.isIdentity() || forPrinter) {
        // Zoomed, the picture is scaled anew for every paint: once, then the layer over it.
        painter.save();
        painter.setClipRect(exposed);
        drawPicture(painter, forPrinter);
        painter.translate(-pos());
        m_layer->paint(painter, exposed.translated(pos()), forPrinter);
        painter.restore();
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
}

void MapView::drawPicture(QPainter& painter, bool fromFile)
{
    if (m_image.isNull()) {
        painter.fillRect(rect(), QColor(226, 211, 170));
        return;
    }
    if (!m_view.isIdentity() || fromFile) {
        // The part in view, taken from the decoded picture: as sharp as the file allows at
        // any zoom and on any device.
        const QRectF seen = m_view.visibleTwips();
        const QSizeF area = m_view.area();
        const double sx = area.width() > 0 ? m_image.width() / area.width() : 0;
        const double sy = area.height() > 0 ? m_image.height() / area.height() : 0;
        const QRectF source(seen.x() * sx, seen.y() * sy, seen.width() * sx, seen.height() * sy);
        painter.save();
        // While zoom steps follow each other on screen the quick filter keeps up with them;
        // the steps' end, snapshots and printers get the smooth one.
        const bool stepping = m_settle.isActive() && painter.device() == this;
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !stepping);
        if (fromFile && source.width() < width() * kPrintPixelsPerPixel) {
            // Paper shows the file's pixels as blocks where the view enlarges them: the part
            // in view goes to the printer smoothly enlarged from the file instead.
            const QRect aligned = source.toAlignedRect() & m_image.rect();
            const QImage part = m_image.copy(aligned).scaled(size() * kPrintPixelsPerPixel,
                                                             Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation);
            const double kx = double(part.width()) / aligned.width();
            const double ky = double(part.height()) / aligned.height();
            const QRectF within((source.x() - aligned.x()) * kx, (source.y() - aligned.y()) * ky,
                                source.width() * kx, source.height() * ky);
            painter.drawImage(QRectF(rect()), part, within);
        } else {
            painter.drawImage(QRectF(rect()), m_image, source);
        }
        painter.restore();
        return;
    }
    // A picture of the view's own size (the start image at the designed size) needs no
    // scaled copy.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize device = (QSizeF(size()) * ratio).toSize();
    if (m_image.size() == device) {
        painter.drawImage(0, 0, m_image);
        return;
    }
    if (m_scaled.size() != device) {
        // Made for the device's pixels: sharp on a high-density screen as well.
        m_scaled = QPixmap::fromImage(
            m_image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(ratio);
        if (const auto known = m_pictures.find(m_path); known != m_pictures.end())
            known->scaled = m_scaled;
    }
    painter.drawPixmap(0, 0, m_scaled);
}

bool MapView::event(QEvent* event)
{
    if (event->type() == QEvent::NativeGesture) {
        // A pinch on a touchpad, where the platform reports one.
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            zoomAbout(m_view.zoom() * (1.0 + gesture->value()), gesture->position());
            return true;
        }
        return QWidget::event(event);
    }
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
    if (m_pressedAt && (event->buttons() & Qt::LeftButton)) {
        const QPoint at = event->position().toPoint();
        if (!m_panning
            && (at - *m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
            m_panning = true;
            m_dragFrom = *m_pressedAt;
            setCursor(Qt::ClosedHandCursor);
        }
        if (m_panning) {
            panBy(at - m_dragFrom);
            m_dragFrom = at;
            return;
        }
    }
    pointAt(event->position());
    if (m_hovered)
        emit pointerMoved(m_hovered);
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    // Only a zoomed map can be dragged; at the whole map a press is what it always was.
    if (event->button() == Qt::LeftButton && m_view.zoom() > 1.0)
        m_pressedAt = event->position().toPoint();
    // A button pressed without a move before it still finds its control; buttons on a
    // control mean nothing but the double click.
    pointAt(event->position());
    if (!m_hovered && event->button() == Qt::RightButton)
        emit rightButtonDown(event->position().toPoint());
    else if (m_hovered && event->button() == Qt::RightButton)
        emit rightButtonOnControl(m_hovered, event->position().toPoint());
}

void MapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressedAt.reset();
    if (std::exchange(m_panning, false)) {
        m_hovered = {};
        unsetCursor();
        pointAt(event->position());
    }
}

void MapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    pointAt(event->position());
    if (m_hovered)
        emit doubleClicked(m_hovered);
    else
        mousePressEvent(event);
}

void MapView::wheelEvent(QWheelEvent* event)
{
    const int eighths = event->angleDelta().y();
    if (eighths == 0 || !hasImage()) {
        event->ignore();
        return;
    }
    QToolTip::hideText();
    zoomAbout(m_view.zoom() * std::pow(2.0, eighths / kWheelEighthsPerDoubling),
              event->position());
    if (m_view.zoom() > 1.0)
        setFocus(Qt::MouseFocusReason);
}

void MapView::keyPressEvent(QKeyEvent* event)
{
    const double stepX = width() * kKeyPanShare;
    const double stepY = height() * kKeyPanShare;
    // The view moves the way the arrow points: the picture the other way.
    switch (event->key()) {
    case Qt::Key_Left: panBy(QPointF(stepX, 0)); break;
    case Qt::Key_Right: panBy(QPointF(-stepX, 0)); break;
    case Qt::Key_Up: panBy(QPointF(0, stepY)); break;
    case Qt::Key_Down: panBy(QPointF(0, -stepY)); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void MapView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const ViewTransform before = m_view;
    syncArea();
    if (m_view.zoom() != before.zoom() || m_view.origin() != before.origin())
        viewMoved();
}
