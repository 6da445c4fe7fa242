#include "forms/main/MarkerLayer.h"

#include "controls/FoundLook.h"
#include "controls/MapLabel.h"
#include "controls/ctlLocation.h"
#include "modules/Numeric.h"
#include "modules/Twips2Pixel_Module.h"

#include <QPainter>
#include <algorithm>
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
    QRect changed;
    const PixelScale toPixels;
    auto apply = [&changed](Shape& shape, const Shape& now) {
        shape.toolTip = now.toolTip;
        if (shape.looksLike(now))
            return;
        if (shape.shown)
            changed |= shape.rect;
        if (now.shown)
            changed |= now.rect;
        const LayerHit control = shape.control;
        shape = now;
        shape.control = control;
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
    for (int i = 0; i < kMarkerCount; ++i) {
        apply(m_shapes[size_t(i)],
              label(display.lblDOT[i], display.lblDOT[i].foreColor, kLabelGold));
        apply(m_shapes[size_t(kMarkerCount + i)], marker(display.DOT[i]));
    }
    apply(m_shapes[kCaptionSlot],
          label(display.lblCaption, display.lblCaption.foreColor, kLabelGold));
    apply(m_shapes[kItemSlot], marker(display.ITEM));
    // The heading reverses the colours: gold on dark red.
    apply(m_shapes[kHeadingSlot], label(display.lblMultiInfo, kLabelGold, kMarkerRed));
    return changed;
}

LayerHit MarkerLayer::at(const QPoint& pixel) const
{
    for (auto shape = m_shapes.crbegin(); shape != m_shapes.crend(); ++shape)
        if (shape->shown && shape->rect.contains(pixel))
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
    return shape ? shape->rect : QRect();
}

bool MarkerLayer::isShown(const LayerHit& control) const
{
    const Shape* shape = find(control);
    return shape && shape->shown;
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

void MarkerLayer::paint(QPainter& painter, const QRect& exposed) const
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    for (const Shape& shape : m_shapes)
        if (shape.shown && shape.rect.intersects(exposed))
            painter.drawImage(shape.rect.topLeft(), lookOf(shape, ratio));
}
