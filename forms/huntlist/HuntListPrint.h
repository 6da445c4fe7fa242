#pragma once
// Lays a hunting list out on pages: a heading with the count, then one row per entity (name,
// position, a box to tick, the first line of its description), as many pages as it takes.
#include <QString>

class QPagedPaintDevice;
struct HuntList;
struct LanguageState;

namespace HuntListPrint {

// Returns the number of pages drawn; 0 when the device could not be painted on.
int Paint(QPagedPaintDevice& device, const HuntList& list, const QString& profile,
          const LanguageState& language);

} // namespace HuntListPrint
