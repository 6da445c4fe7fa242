#include "modules/progress/HuntList.h"

#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Numeric.h"
#include "modules/Session.h"
#include "modules/StringOps.h"
#include "modules/display/MainDisplay.h"
#include "modules/info/DescriptionLookup.h"

#include <QSet>
#include <algorithm>

namespace {

QString shownName(Session& session, const QString& key)
{
    return LOCAL::IsGerman(session.language) ? key : LOCAL::LocalizeName(session.language, key);
}

QString firstLine(QString description)
{
    description = description.section(QStringLiteral("\\n"), 0, 0).trimmed();
    return description;
}

qint16 coordinate(QStringView record, int n)
{
    return Numeric::ToInt16(
        Numeric::LeadingNumber(StringOps::TokenView(record, qint16(n), u",").toString()));
}

// A record's position, one link followed as the display follows it.
QPoint positionOf(const IniOps::Reader& data, QStringView record, const QString& key)
{
    if (StringOps::SplitItemView(record, 1, u",").trimmed() == u"#")
        record = data.Value(data.FindSection(StringOps::SplitItemView(record, 2, u",").trimmed()), key);
    return {coordinate(record, 1), coordinate(record, 2)};
}

HuntEntry entryOf(Session& session, const HuntLists::IsFound& isFound, const EntityId& entity,
                  QPoint position)
{
    HuntEntry e;
    e.entity = entity;
    e.shown = shownName(session, entity.name);
    e.position = position;
    e.found = isFound(entity);
    e.description = firstLine(DescriptionLookup::Describe(session, e.shown));
    return e;
}

} // namespace

int HuntList::foundCount() const
{
    return int(std::count_if(entries.cbegin(), entries.cend(), [](const HuntEntry& e) { return e.found; }));
}

namespace HuntLists {

HuntList ForShown(const MainDisplay& d, Session& session, const IsFound& isFound)
{
    HuntList list;
    const bool allAtOnce = d.lblMultiInfo.visible && !d.LastDisplay.picture.isEmpty()
                           && d.LastDisplay.selectedName.isEmpty();
    if (allAtOnce) {
        list.title = d.lblMultiInfo.caption.trimmed();
        const int shown = std::min<int>(int(d.keyList.size()), kMarkerCount);
        for (int i = 0; i < shown; ++i) {
            const MarkerState& dot = d.DOT[size_t(i)];
            if (!dot.entity.isNull() && !IsDisabledKey(dot.entity.name))
                list.entries.append(entryOf(session, isFound, dot.entity, dot.reference));
        }
    } else if (d.cboItems.visible) {
        list.title = d.currentCategory;
        const IniOps::Reader data(d.currentDataFile);
        const qsizetype section = data.FindSection(d.currentCategory);
        for (const QString& key : d.keyList)
            if (!IsDisabledKey(key))
                list.entries.append(entryOf(session, isFound, {d.CurrentMap, key},
                                            positionOf(data, data.Value(section, key), key)));
    }
    return list;
}

HuntList ForMap(const QString& dataFile, const QString& mapId, const QString& title,
                Session& session, const IsFound& isFound)
{
    HuntList list;
    list.title = title;
    const IniOps::Reader data(dataFile);
    QSet<QString> seen;
    for (const QString& section : data.GetIniSections())
        for (const IniOps::Reader::Entry& entry : data.GetIniEntries(section)) {
            if (!IsSearchableKey(entry.key) || seen.contains(entry.key))
                continue;
            seen.insert(entry.key);
            list.entries.append(entryOf(session, isFound, {mapId, entry.key},
                                        positionOf(data, entry.value, entry.key)));
        }
    std::sort(list.entries.begin(), list.entries.end(), [](const HuntEntry& a, const HuntEntry& b) {
        return QString::localeAwareCompare(a.shown, b.shown) < 0;
    });
    return list;
}

} // namespace HuntLists
