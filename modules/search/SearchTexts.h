#pragma once
// The texts the search shows: German built in, other languages from section "frmFind" of the
// language file, where "%s" stands for the search term.
#include <QString>

struct LanguageState;

namespace SearchTexts {

// Not-found message box.
QString NotFoundText(const LanguageState& language, const QString& term);
QString NotFoundCaption(const LanguageState& language);
// The heading over a search result on the map.
QString ResultHeading(const LanguageState& language, const QString& term);

} // namespace SearchTexts
