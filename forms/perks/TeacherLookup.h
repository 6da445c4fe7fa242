#pragma once
// Showing the teachers of a perk: which nodes can be shown, the caption above the teachers
// and the map picture they are drawn on.
#include "forms/main/Dialogs.h"

#include <QList>
#include <QString>

struct LanguageState;

namespace TeacherLookup {

// True for a perk node; the root, the groups (one-letter keys) and "no node" show nothing.
bool IsPerkKey(const QString& key);

// The caption of the teacher display for a perk's node text, by the region in dataFile.
// German: "Caldora: Lehrer für " + text; otherwise the language file's region text + " " + text.
// Of several region names in the path the last test wins; no region name leaves it empty.
QString Caption(const LanguageState& language, const QString& dataFile, const QString& text);

// The map picture of a region's data file: the path with every "data" replaced by "jpg".
// An installation folder whose path holds "data" spoils that path; then the picture of the
// main window's map with the same data file (or the same file name) is taken.
QString Picture(const QString& dataFile, const QList<MapSource>& maps);

} // namespace TeacherLookup
