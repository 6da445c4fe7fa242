#pragma once
// The markers and names of the map area as one drawing: what the display model shows, in
// pixels, stacked as the controls are (every name label, every marker, then the selection's
// name, the selection marker and the heading). Painted in one go and hit-tested in the same
// order, so the topmost control under the pointer wins.
#include "modules/display/MainDisplay.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

constexpr quint32 kLabelGold = 55295; // RGB(255, 215, 0): name label background, marker fill

// One control drawn on the map: what the pointer reaches and what the window acts on.
struct LayerHit
{
    enum class Kind { None, DotLabel, Dot, Caption, Item, Heading };
    Kind kind = Kind::None;
    int index = -1; // element of DOT or lblDOT; -1 for the single controls

    explicit operator bool() const { return kind != Kind::None; }
    bool operator==(const LayerHit&) const = default;
    // The control's name as the dump reports it: "DOT:3", "lblDOT:3", "ITEM", "lblCaption".
    QString name() const;
};

class MarkerLayer
{
public:
    MarkerLayer();

    // Takes what the model shows now; returns the pixels of the map area that look different
    // from what was taken before (an empty rectangle when nothing changed).
    QRect take(const MainDisplay& display);

    // The topmost shown control at a pixel of the map area; a hit of kind None elsewhere.
    LayerHit at(const QPoint& pixel) const;
    // Where a control lies, in pixels of the map area.
    QRect rectOf(const LayerHit& control) const;
    bool isShown(const LayerHit& control) const;
    // The plain tooltip of a control (empty: none).
    QString toolTipOf(const LayerHit& control) const;

    // Draws the shown controls that meet the exposed rectangle (map area pixels).
    void paint(QPainter& painter, const QRect& exposed) const;

private:
    struct Shape
    {
        LayerHit control;
        QRect rect;
        bool shown = false;
        QString caption;  // labels only
        QString toolTip;  // does not change the look
        quint32 fore = 0; // label text or marker ring
        quint32 back = kLabelGold;
        bool found = false; // drawn in the found look
        mutable QImage look; // the drawn look, once painted; a shape that changes starts without

        bool looksLike(const Shape& other) const;
    };

    const Shape* find(const LayerHit& control) const;
    static const QImage& lookOf(const Shape& shape, qreal ratio);

    std::vector<Shape> m_shapes; // bottom first
};
