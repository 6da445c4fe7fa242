#pragma once
// Puts a search hit on the main window's display model: its map, one marker with the name
// beside it, the heading with the search term, and the hit remembered for redrawing.
class MainDisplay;
struct SearchRecord;
struct LanguageState;
class QString;
template <typename T> class QList;

namespace SearchDisplay {

// The hit's name and the heading as the language shows them.
void Show(MainDisplay& display, LanguageState& language, const SearchRecord& record,
          const QString& term);

} // namespace SearchDisplay

namespace SearchDisplay {

// Several entities of one map at once, each with a marker and its name beside it, under the
// heading of the search term; at most as many as there are markers.
void ShowMany(MainDisplay& display, LanguageState& language,
              const QList<const SearchRecord*>& records, const QString& term);

} // namespace SearchDisplay
