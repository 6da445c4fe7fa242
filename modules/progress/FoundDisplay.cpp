#include "modules/progress/FoundDisplay.h"

#include <algorithm>

namespace FoundDisplay {

Count Apply(MainDisplay& d, const std::function<bool(const EntityId&)>& isFound, bool hide,
            Hidden& hidden)
{
    Count count;
    // The heading also stands over a search hit; only ChangeMulti leaves a picture in
    // LastDisplay without a selected name.
    const bool allAtOnce = d.lblMultiInfo.visible && !d.LastDisplay.picture.isEmpty()
                           && d.LastDisplay.selectedName.isEmpty();
    // ChangeMulti fills the first entries of its key list, at most one per marker.
    const int shown = allAtOnce ? std::min<int>(int(d.keyList.size()), kMarkerCount) : 0;
    for (int i = 0; i < kMarkerCount; ++i) {
        MarkerState& dot = d.DOT[size_t(i)];
        LabelState& label = d.lblDOT[size_t(i)];
        const bool inDisplay = i < shown && !dot.entity.isNull() && !IsDisabledKey(dot.entity.name);
        const bool found = inDisplay && isFound(dot.entity);
        dot.found = label.found = found;
        if (inDisplay) {
            ++count.total;
            count.found += found;
        }
        if (found && hide) {
            dot.visible = label.visible = false;
            hidden.set(size_t(i));
        } else if (hidden.test(size_t(i))) {
            if (inDisplay) {
                dot.visible = true;
                label.visible = !d.LabelsHidden;
            }
            hidden.reset(size_t(i));
        }
    }
    d.ITEM.found = d.lblCaption.found = d.ITEM.visible && !d.ITEM.entity.isNull() && isFound(d.ITEM.entity);

    if (!allAtOnce && d.cboItems.visible) {
        for (const QString& key : std::as_const(d.keyList))
            if (!IsDisabledKey(key)) {
                ++count.total;
                count.found += isFound({d.CurrentMap, key});
            }
    }
    return count;
}

} // namespace FoundDisplay
