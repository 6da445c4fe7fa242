#pragma once
// Found progress on the display model: which markers and names stand for found entities, which
// of them "hide found" takes off the map, and how many of the shown category are found.
#include "modules/display/MainDisplay.h"

#include <bitset>
#include <functional>

namespace FoundDisplay {

struct Count
{
    int found = 0;
    int total = 0; // 0: no category is shown
    bool operator==(const Count&) const = default;
};

// Markers of the all-at-once display that hiding took off the map; kept by the window between
// calls, so that they come back when hiding ends or their mark goes.
using Hidden = std::bitset<kMarkerCount>;

// Sets every found flag of the display from isFound. With hide, the found markers of the
// all-at-once display and their names are hidden; the selection marker of a pick or a search
// hit stays (it was asked for by name) and only looks found. Returns the shown category's count:
// the all-at-once display's entries, or the list's entries.
Count Apply(MainDisplay& display, const std::function<bool(const EntityId&)>& isFound, bool hide,
            Hidden& hidden);

} // namespace FoundDisplay
