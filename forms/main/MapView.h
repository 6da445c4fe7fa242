#pragma once
// imgMap: the map picture drawn stretched over its control size, with the markers and names
// of the display on it. The pointer reaches those markers and names here: the view finds the
// one under it and reports it as a typed hit.
#include "forms/main/MarkerLayer.h"
#include "modules/FileSystem.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
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
    void setLayer(const MarkerLayer* layer);
    // Where a drawn control lies, in the view's pixels.
    QRect rectOf(const LayerHit& control) const;
    // The control the pointer is on (a hit of kind None when none).
    LayerHit hovered() const { return m_hovered; }
    // What lies under a resting pointer may change without it moving (a new display): the
    // control that is no longer there is left.
    void recheckPointer();

signals:
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

private:
    // A map picture decoded once, and scaled once per size, for as long as its file stays the
    // same: showing a category again or another map only draws.
    struct Picture
    {
        FileSystem::FileStamp stamp;  // the file when it was decoded
        QImage image;
        QPixmap scaled;
    };

    void drawPicture(QPainter& painter);
    LayerHit hitAt(const QPointF& position) const;
    // Follows the pointer: the control it is on and the cursor for it.
    void pointAt(const QPointF& position);

    QImage m_image;
    const MarkerLayer* m_layer = nullptr;
    QPixmap m_scaled;  // the picture at the current size, made once per size
    QString m_path;    // file of the shown picture; empty for a picture set directly
    QHash<QString, Picture> m_pictures;
    LayerHit m_hovered;
    QPoint m_pointer;  // last position of the pointer on the view
    bool m_inside = false;
};
