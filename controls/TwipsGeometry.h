#pragma once
// Geometry in twips, applied to widgets in pixels at the edge.
#include <QRect>
#include <QString>
#include <QWidget>

namespace TwipsGeometry {

// Pixel rectangle of a twips rectangle at the current screen resolution.
QRect ToPixels(int left, int top, int width, int height);
// Places a widget from a design layout given in twips.
void Place(QWidget* widget, int left, int top, int width, int height);

// Creates a named child control at its design position.
template <typename T>
T* Make(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    Place(w, left, top, width, height);
    return w;
}

} // namespace TwipsGeometry
