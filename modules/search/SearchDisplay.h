#pragma once
// Puts a search hit on the main window's display model: its map, one marker with the name
// beside it, the heading with the search term, and the hit remembered for redrawing.
class MainDisplay;
struct SearchRecord;
class QString;

namespace SearchDisplay {

void Show(MainDisplay& display, const SearchRecord& record, const QString& term);

} // namespace SearchDisplay
