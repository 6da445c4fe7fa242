#pragma once
// Name labels and the heading on the map: coloured, bold, sized to their caption. The map view
// draws every label with their look.
#include <QFont>
#include <QRect>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

namespace MapLabel {

enum class Style { Name, Heading };

// Width and height in pixels that the label takes for a caption.
QSize sizeFor(Style style, const QString& caption);
QFont fontFor(Style style);
// Height in pixels of every label of a style.
int heightOf(Style style);
// A label's look at a size, for a device pixel ratio; colours as 0x00BBGGRR. Drawn once per
// look; the reference holds until the next call.
const QImage& look(Style style, const QString& caption, quint32 fore, quint32 back,
                   const QSize& size, qreal ratio);

// Draws a label into rect: on the map through its look, on paper directly as text.
void paint(QPainter& painter, const QRect& rect, Style style, const QString& caption,
           quint32 fore, quint32 back);

} // namespace MapLabel
