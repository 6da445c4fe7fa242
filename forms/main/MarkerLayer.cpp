#include "forms/main/MarkerLayer.h"

#include "controls/FoundLook.h"
#include "controls/MapLabel.h"
#include "controls/ctlLocation.h"
#include "modules/Numeric.h"
#include "modules/Twips2Pixel_Module.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Kind = LayerHit::Kind;

// Places of the single controls behind the two arrays.
constexpr int kCaptionSlot = 2 * kMarkerCount;
constexpr int kItemSlot = kCaptionSlot + 1;
constexpr int kHeadingSlot = kItemSlot + 1;

int slotOf(const LayerHit& control)
{
    const bool inArray = control.index >= 0 && control.index < kMarkerCount;
    switch (control.kind) {
    case Kind::DotLabel:
        return inArray ? control.index : -1;
    case Kind::Dot:
        return inArray ? kMarkerCount + control.index : -1;
    case Kind::Caption:
        return kCaptionSlot;
    case Kind::Item:
        return kItemSlot;
    case Kind::Heading:
        return kHeadingSlot;
    case Kind::None:
        break;
    }
    return -1;
}

// Twips to pixels as Twips2Pixel_Module converts them, with the screen's resolution asked once
// for all 165 controls instead of four times for each.
class PixelScale
{
public:
    PixelScale()
        : m_x(Twips2Pixel_Module::TwipsPerPixelX()), m_y(Twips2Pixel_Module::TwipsPerPixelY())
    {
    }
    QRect operator()(const ControlState& s) const
    {
        return QRect(pixels(s.left, m_x), pixels(s.top, m_y), pixels(s.width, m_x),
                     pixels(s.height, m_y));
    }

private:
    static int pixels(int twips, double perPixel)
    {
        return int(std::clamp<qint64>(Numeric::RoundHalfEven(twips / perPixel),
                                      std::numeric_limits<qint32>::min(),
                                      std::numeric_limits<qint32>::max()));
    }
    double m_x, m_y;
};

} // namespace

QString LayerHit::name() const
{
    switch (kind) {
    case Kind::DotLabel: return QStringLiteral("lblDOT:%1").arg(index);
    case Kind::Dot: return QStringLiteral("DOT:%1").arg(index);
    case Kind::Caption: return QStringLiteral("lblCaption");
    case Kind::Item: return QStringLiteral("ITEM");
    case Kind::Heading: return QStringLiteral("lblMultiInfo");
    case Kind::None: break;
    }
    return QString();
}

MarkerLayer::MarkerLayer() : m_shapes(kHeadingSlot + 1)
{
    for (int i = 0; i < kMarkerCount; ++i) {
        m_shapes[size_t(i)].control = {Kind::DotLabel, i};
        m_shapes[size_t(kMarkerCount + i)].control = {Kind::Dot, i};
    }
    m_shapes[kCaptionSlot].control = {Kind::Caption, -1};
    m_shapes[kItemSlot].control = {Kind::Item, -1};
    m_shapes[kHeadingSlot].control = {Kind::Heading, -1};
}

bool MarkerLayer::Shape::looksLike(const Shape& other) const
{
    if (shown != other.shown)
        return false;
    // Hidden controls look alike whatever they hold.
    return !shown || (rect == other.rect && fore == other.fore && back == other.back &&
                      caption == other.caption && found == other.found);
}

QRect MarkerLayer::take(const MainDisplay& display)
{
    const PixelScale toPixels;
    std::vector<bool> restyled(m_shapes.size(), false);
    auto apply = [this, &restyled](size_t slot, const Shape& now, const ControlState* marker) {
        Shape& shape = m_shapes[slot];
        auto follow = [&shape, marker] {
            // Names follow their marker; the heading stays put.
            shape.follows = marker != nullptr;
            if (marker)
                shape.anchor = QPointF(marker->left + marker->width / 2.0,
                                       marker->top + marker->height / 2.0);
        };
        shape.toolTip = now.toolTip;
        follow();
        if (shape.looksLike(now))
            return;
        restyled[slot] = true;
        const LayerHit control = shape.control;
        const QRect drawn = shape.drawn;
        const bool decluttered = shape.decluttered;
        shape = now;
        shape.control = control;
        shape.drawn = drawn;
        shape.decluttered = decluttered;
        follow();
    };
    auto label = [&toPixels](const LabelState& state, quint32 fore, quint32 back) {
        Shape shape;
        shape.rect = toPixels(state);
        shape.shown = state.visible;
        shape.caption = state.caption;
        shape.toolTip = state.toolTip;
        shape.fore = fore;
        shape.back = back;
        shape.found = state.found;
        return shape;
    };
    auto marker = [&toPixels](const MarkerState& state) {
        Shape shape;
        shape.rect = toPixels(state);
        shape.shown = state.visible;
        shape.toolTip = state.toolTip;
        shape.fore = state.borderColor;
        shape.found = state.found;
        return shape;
    };
    // What was drawn before, to compare with what is drawn now.
    std::vector<std::pair<bool, QRect>> before;
    before.reserve(m_shapes.size());
    for (const Shape& shape : m_shapes)
        before.emplace_back(isDrawn(shape), shape.drawn);

    for (int i = 0; i < kMarkerCount; ++i) {
        apply(size_t(i), label(display.lblDOT[i], display.lblDOT[i].foreColor, kLabelGold),
              &display.DOT[i]);
        apply(size_t(kMarkerCount + i), marker(display.DOT[i]), &display.DOT[i]);
    }
    apply(kCaptionSlot, label(display.lblCaption, display.lblCaption.foreColor, kLabelGold),
          &display.ITEM);
    apply(kItemSlot, marker(display.ITEM), &display.ITEM);
    // The heading reverses the colours: gold on dark red.
    apply(kHeadingSlot, label(display.lblMultiInfo, kLabelGold, kMarkerRed), nullptr);

    m_markersChanged = false;
    for (size_t i = kMarkerCount; i <= size_t(kItemSlot); ++i)
        m_markersChanged = m_markersChanged || (restyled[i] && i != size_t(kCaptionSlot));

    QRect changed;
    size_t slot = 0;
    place([&](const Shape& shape) {
        const auto& [wasDrawn, was] = before[slot];
        const bool isNow = isDrawn(shape);
        if (restyled[slot] || wasDrawn != isNow || (isNow && was != shape.drawn)) {
            if (wasDrawn)
                changed |= was;
            if (isNow)
                changed |= shape.drawn;
        }
        ++slot;
    });
    return changed;
}

bool MarkerLayer::isDrawn(const Shape& shape) const
{
    return shape.shown && (!shape.decluttered || shape.control.index == m_pointedName);
}

template <typename Changed>
void MarkerLayer::place(Changed changed)
{
    const bool identity = m_view.isIdentity();
    const double perPixelX = Twips2Pixel_Module::TwipsPerPixelX();
    const double perPixelY = Twips2Pixel_Module::TwipsPerPixelY();
    std::vector<QRect> placedNames;
    for (Shape& shape : m_shapes) {
        QPoint shift;
        if (shape.follows && !identity) {
            const QPointF zoomed = m_view.toPixel(shape.anchor);
            shift = QPoint(qRound(zoomed.x() - shape.anchor.x() / perPixelX),
                           qRound(zoomed.y() - shape.anchor.y() / perPixelY));
        }
        shape.drawn = shape.rect.translated(shift);
        shape.decluttered = false;
        if (m_declutter && shape.control.kind == Kind::DotLabel && shape.shown) {
            shape.decluttered = std::any_of(placedNames.begin(), placedNames.end(),
                                            [&shape](const QRect& r) { return r.intersects(shape.drawn); });
            if (!shape.decluttered)
                placedNames.push_back(shape.drawn);
        }
        changed(shape);
    }
}

QRect MarkerLayer::arrange(const ViewTransform& view, bool declutter, const QPoint& scrolled)
{
    std::vector<std::pair<bool, QRect>> before;
    before.reserve(m_shapes.size());
    for (const Shape& shape : m_shapes)
        before.emplace_back(isDrawn(shape), shape.drawn.translated(scrolled));
    m_view = view;
    m_declutter = declutter;
    QRect changed;
    size_t slot = 0;
    place([&](const Shape& shape) {
        const auto& [wasDrawn, was] = before[slot++];
        const bool isNow = isDrawn(shape);
        if (wasDrawn != isNow || (isNow && was != shape.drawn)) {
            if (wasDrawn)
                changed |= was;
            if (isNow)
                changed |= shape.drawn;
        }
    });
    return changed;
}

QRect MarkerLayer::setPointed(const LayerHit& control)
{
    int name = -1;
    if (control.kind == Kind::Dot)
        name = control.index;
    else if (control.kind == Kind::DotLabel && control.index == m_pointedName)
        name = m_pointedName;
    if (name == m_pointedName)
        return QRect();
    QRect changed;
    for (const int index : {m_pointedName, name})
        if (index >= 0 && index < kMarkerCount && m_shapes[size_t(index)].decluttered
            && m_shapes[size_t(index)].shown)
            changed |= m_shapes[size_t(index)].drawn;
    m_pointedName = name;
    return changed;
}

QList<QPointF> MarkerLayer::markerCentres() const
{
    QList<QPointF> centres;
    for (const Shape& shape : m_shapes)
        if (shape.shown && (shape.control.kind == Kind::Dot || shape.control.kind == Kind::Item))
            centres.append(shape.anchor);
    return centres;
}

bool MarkerLayer::isDecluttered(int index) const
{
    return index >= 0 && index < kMarkerCount && m_shapes[size_t(index)].shown
           && m_shapes[size_t(index)].decluttered;
}

LayerHit MarkerLayer::at(const QPoint& pixel) const
{
    for (auto shape = m_shapes.crbegin(); shape != m_shapes.crend(); ++shape)
        if (isDrawn(*shape) && shape->drawn.contains(pixel))
            return shape->control;
    return {};
}

const MarkerLayer::Shape* MarkerLayer::find(const LayerHit& control) const
{
    const int slot = slotOf(control);
    return slot >= 0 ? &m_shapes[size_t(slot)] : nullptr;
}

QRect MarkerLayer::rectOf(const LayerHit& control) const
{
    const Shape* shape = find(control);
    return shape ? shape->drawn : QRect();
}

bool MarkerLayer::isShown(const LayerHit& control) const
{
    const Shape* shape = find(control);
    return shape && isDrawn(*shape);
}

QString MarkerLayer::toolTipOf(const LayerHit& control) const
{
    const Shape* shape = find(control);
    return shape ? shape->toolTip : QString();
}

const QImage& MarkerLayer::lookOf(const Shape& shape, qreal ratio)
{
    // Kept with the shape: a strip-wise paint and a hover repaint do not look it up again.
    if (!shape.look.isNull() && shape.look.devicePixelRatio() == ratio)
        return shape.look;
    const QSize size = shape.rect.size();
    switch (shape.control.kind) {
    case Kind::Dot:
    case Kind::Item:
        shape.look = ctlLocation::figure(shape.fore, shape.back, size, ratio);
        break;
    case Kind::DotLabel:
    case Kind::Caption:
        shape.look = MapLabel::look(MapLabel::Style::Name, shape.caption, shape.fore, shape.back,
                                    size, ratio);
        break;
    case Kind::Heading:
        shape.look = MapLabel::look(MapLabel::Style::Heading, shape.caption, shape.fore, shape.back,
                                    size, ratio);
        break;
    case Kind::None:
        break;
    }
    if (shape.found)
        shape.look = FoundLook::From(shape.look, shape.control.kind == Kind::Dot || shape.control.kind == Kind::Item
                                                     ? FoundLook::Part::Marker : FoundLook::Part::Label);
    return shape.look;
}

void MarkerLayer::paintShape(QPainter& painter, const Shape& shape, qreal ratio, bool forPrinter)
{
    const bool isName = shape.control.kind == Kind::DotLabel || shape.control.kind == Kind::Caption
                        || shape.control.kind == Kind::Heading;
    if (forPrinter && isName) {
        // Text on paper stays text: sharp at any resolution, and it can be searched.
        const auto style = shape.control.kind == Kind::Heading ? MapLabel::Style::Heading
                                                               : MapLabel::Style::Name;
        MapLabel::paint(painter, shape.drawn, style, shape.caption, shape.fore, shape.back);
        return;
    }
    painter.drawImage(shape.drawn.topLeft(), lookOf(shape, ratio));
}

void MarkerLayer::paint(QPainter& painter, const QRect& exposed, bool forPrinter) const
{
    qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    // On paper a pixel is many dots: the markers are drawn for those.
    if (forPrinter)
        ratio = std::max<qreal>(1.0, std::ceil(painter.combinedTransform().m11()));
    for (const Shape& shape : m_shapes)
        if (isDrawn(shape) && shape.drawn.intersects(exposed))
            paintShape(painter, shape, ratio, forPrinter);
}
