#pragma once
// imgMap: the map picture drawn stretched over its control size, with the markers and names
// of the display on it. The pointer reaches those markers and names here: the view finds the
// one under it and reports it as a typed hit. The view zooms (wheel, pinch) and pans (drag
// with the left button, arrow keys) with one transform; zoomed in, the part in view is scaled
// from the decoded file, never from a copy of the window's size.
#include "forms/main/MarkerLayer.h"
#include "modules/display/ViewTransform.h"
#include "modules/FileSystem.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <optional>

class MapView : public QWidget
{
    Q_OBJECT

public:
    explicit MapView(QWidget* parent = nullptr);

    // Loads a picture file; false (and an empty map) when it cannot be decoded.
    bool loadFile(const QString& path);
    void setImage(const QImage& image);
    bool hasImage() const { return !m_image.isNull(); }
    // The markers and names drawn over the picture, laid out in the parent's pixels (null: none).
    void setLayer(MarkerLayer* layer);
    // The layer took a new display; changed: its pixels that look different.
    void layerTaken(const QRect& changed);
    // Where a drawn control lies, in the view's pixels.
    QRect rectOf(const LayerHit& control) const;
    // The control the pointer is on (a hit of kind None when none).
    LayerHit hovered() const { return m_hovered; }
    // What lies under a resting pointer may change without it moving (a new display): the
    // control that is no longer there is left.
    void recheckPointer();

    // Zoom and pan. Every way in (wheel, keys, menu, batch actions) ends in these.
    const ViewTransform& view() const { return m_view; }
    void zoomAbout(double zoom, const QPointF& pixel);
    void zoomTo(double zoom);
    // Zooms so that every shown marker is in view, as close as they allow.
    void zoomToShown();
    void panBy(const QPointF& delta);
    void setDeclutter(bool on);
    bool declutter() const { return m_declutter; }
    bool isDecluttered(int index) const { return m_layer && m_layer->isDecluttered(index); }
    // The display changed: when none of its markers is in view, the view centres on them.
    void revealShown();

    // Paints the view for a printer: the picture from the decoded file at the device's
    // resolution, the names as text.
    void paintForPrinter(QPainter& painter);

signals:
    // Zoom, pan or declutter changed what is drawn where.
    void viewChanged();
    // The pointer moved onto or over a drawn control.
    void pointerMoved(const LayerHit& control);
    void doubleClicked(const LayerHit& control);
    // The right button went down on the map, off the drawn controls.
    void rightButtonDown(const QPoint& position);
    // The right button went down on a drawn control.
    void rightButtonOnControl(const LayerHit& control, const QPoint& position);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A map picture decoded once, and scaled once per size, for as long as its file stays the
    // same: showing a category again or another map only draws.
    struct Picture
    {
        FileSystem::FileStamp stamp;  // the file when it was decoded
        QImage image;
        QPixmap scaled;
    };

    // fromFile: scaled from the decoded picture for this paint, not from the kept copy.
    void drawPicture(QPainter& painter, bool fromFile = false);
    // The map area at this size in twips; the transform follows it.
    void syncArea();
    // After the transform changed: places the layer anew and repaints.
    void viewMoved();
    void paintView(QPainter& painter, const QRect& exposed, bool forPrinter);
    LayerHit hitAt(const QPointF& position) const;
    // Follows the pointer: the control it is on and the cursor for it.
    void pointAt(const QPointF& position);

    QImage m_image;
    MarkerLayer* m_layer = nullptr;
    ViewTransform m_view;
    bool m_declutter = false;
    // A left-button drag pans once it has moved beyond the drag distance: a click stays a click.
    std::optional<QPoint> m_pressedAt;
    QPoint m_dragFrom;
    bool m_panning = false;
    // Right after a zoom step the picture is drawn quickly, and smoothly once the steps rest.
    QTimer m_settle;
    QPixmap m_scaled;  // the picture at the current size, made once per size
    QString m_path;    // file of the shown picture; empty for a picture set directly
    QHash<QString, Picture> m_pictures;
    LayerHit m_hovered;
    QPoint m_pointer;  // last position of the pointer on the view
    bool m_inside = false;
};
