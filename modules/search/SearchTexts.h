#pragma once
// The texts the search shows: German built in, other languages from section "frmFind" of the
// language file, where "%s" stands for the search term.
#include <QString>

namespace SearchTexts {

// Not-found message box.
QString NotFoundText(const QString& term);
QString NotFoundCaption();
// The heading over a search result on the map.
QString ResultHeading(const QString& term);

} // namespace SearchTexts
