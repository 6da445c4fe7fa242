#pragma once
// The markers and names of the map area as one drawing: what the display model shows, in
// pixels, stacked as the controls are (every name label, every marker, then the selection's
// name, the selection marker and the heading). Painted in one go and hit-tested in the same
// order, so the topmost control under the pointer wins.
#include "modules/display/MainDisplay.h"
#include "modules/display/ViewTransform.h"

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

    // Places the controls for a zoomed and panned view: each marker centred on the zoomed
    // spot of its centre, each name at its pixel offset from its marker, the heading where it
    // is. With declutter, a name that would cover one placed before it (in index order) waits
    // for the pointer on its marker. Returns the pixels that look different from before, or,
    // for a view whose drawing was moved by scrolled pixels, different from that.
    QRect arrange(const ViewTransform& view, bool declutter, const QPoint& scrolled = QPoint());
    // The control under the pointer: a decluttered name shows while its marker (or the name
    // itself, once shown) is pointed at. Returns the pixels that look different.
    QRect setPointed(const LayerHit& control);
    // Name i is hidden for the room it would take (it may show while pointed at).
    bool isDecluttered(int index) const;
    // The last take changed a marker: a new display, or the same at another scale.
    bool markersChanged() const { return m_markersChanged; }
    // Centres of the shown markers, in twips.
    QList<QPointF> markerCentres() const;

    // The topmost drawn control at a pixel of the map area; a hit of kind None elsewhere.
    LayerHit at(const QPoint& pixel) const;
    // Where a control is drawn, in pixels of the map area.
    QRect rectOf(const LayerHit& control) const;
    bool isShown(const LayerHit& control) const;
    // The plain tooltip of a control (empty: none).
    QString toolTipOf(const LayerHit& control) const;

    // Draws the shown controls that meet the exposed rectangle (map area pixels). For a
    // printer the names are text and the markers drawn at the device's resolution.
    void paint(QPainter& painter, const QRect& exposed, bool forPrinter = false) const;

private:
    struct Shape
    {
        LayerHit control;
        QRect rect;           // at the whole-map size, as laid out
        QRect drawn;          // where the view puts it
        QPointF anchor;       // twips: the marker centre it follows
        bool follows = false; // the heading stays where it is laid out
        bool shown = false;
        bool decluttered = false;
        QString caption;  // labels only
        QString toolTip;  // does not change the look
        quint32 fore = 0; // label text or marker ring
        quint32 back = kLabelGold;
        bool found = false; // drawn in the found look
        mutable QImage look; // the drawn look, once painted; a shape that changes starts without

        bool looksLike(const Shape& other) const;
    };

    const Shape* find(const LayerHit& control) const;
    bool isDrawn(const Shape& shape) const;
    // Moves and hides by the current view; calls changed(before, after) for every shape.
    template <typename Changed>
    void place(Changed changed);
    static const QImage& lookOf(const Shape& shape, qreal ratio);
    // Every control is drawn here, markers and names alike.
    static void paintShape(QPainter& painter, const Shape& shape, qreal ratio, bool forPrinter);

    std::vector<Shape> m_shapes; // bottom first
    ViewTransform m_view;
    bool m_declutter = false;
    int m_pointedName = -1; // the decluttered name shown for the pointer
    bool m_markersChanged = false;
};
