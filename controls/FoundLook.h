#pragma once
// How a found entity looks on the map: its marker grey with a check, its name dimmed. Drawn
// over the usual look, so every display (category, pick, search hit, perk teachers) gets it.
#include <QImage>

namespace FoundLook {

enum class Part { Marker, Label };

// The found look made from a control's usual look (same size and pixel ratio).
QImage From(const QImage& usual, Part part);

} // namespace FoundLook
