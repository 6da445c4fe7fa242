#pragma once
// The map marker's figure: a small filled circle in the back colour with a ring in the border
// colour, 165 x 165 twips. The map view draws every marker with it.
#include <QColor>
#include <QImage>
#include <QSize>

namespace ctlLocation {

// A colour given as 0x00BBGGRR.
QColor fromBgr(quint32 colour);
// The figure at a size, for a device pixel ratio. Drawn once per look; the reference holds
// until the next call.
const QImage& figure(quint32 border, quint32 back, const QSize& size, qreal ratio);

} // namespace ctlLocation
