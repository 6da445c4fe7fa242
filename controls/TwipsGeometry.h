#pragma once
// Geometry in twips, applied to widgets in pixels at the edge.
#include <QRect>
class QWidget;

namespace TwipsGeometry {

// Pixel rectangle of a twips rectangle at the current screen resolution.
QRect ToPixels(int left, int top, int width, int height);
// Places a widget from a design layout given in twips.
void Place(QWidget* widget, int left, int top, int width, int height);

} // namespace TwipsGeometry
