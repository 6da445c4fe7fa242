#include "modules/search/SearchDisplay.h"

#include "modules/search/SearchCache.h"
#include "modules/search/SearchTexts.h"
#include "modules/display/MainDisplay.h"
#include "modules/FileSystem.h"
#include "modules/LOCAL.h"

void SearchDisplay::Show(MainDisplay& d, LanguageState& language, const SearchRecord& record,
                         const QString& term)
{
    d.printEnabled = true;
    d.ClearUI();
    d.lblMultiInfo.top = 0;

    d.SetPicture(record.picture);
    // The right-click menu follows the map on screen.
    d.CurrentMap = FileSystem::GetFileStem(record.picture).toLower();

    // The marker's corner lies on the point itself, unlike a pick in the list.
    d.PlaceMarker(d.ITEM, record.entity, record.x, record.y, MarkerAnchor::Corner);

    const QString label = LOCAL::IsGerman(language) ? record.name
                                                    : LOCAL::LocalizeName(language, record.name);
    d.ITEM.desc = label;
    d.SetCaption(d.lblCaption, label, LabelKind::Name);
    d.lblCaption.toolTip = record.description.toString();
    d.ITEM.visible = true;
    d.lblCaption.visible = true;

    // The hidden list keeps the lines of the last single selection; a line naming the hit is
    // picked, which runs the selection handler as a pick would.
    for (int k = 0; k < d.cboItems.items.size(); ++k) {
        if (d.cboItems.items[k] == record.name)
            d.SelectListIndex(k);
    }

    d.SetCaption(d.lblCaption, u' ' + d.lblCaption.caption + u' ', LabelKind::Name);
    d.lblCaption.left = d.ITEM.right() + 50;
    if (d.lblCaption.right() > d.windowWidth())
        d.lblCaption.left = d.ITEM.left - d.lblCaption.width - 50;
    d.lblCaption.top = d.ITEM.top - 40;
    d.lblCaption.visible = true;

    d.SetCaption(d.lblMultiInfo, SearchTexts::ResultHeading(language, term), LabelKind::Heading);
    d.lblMultiInfo.left = d.windowWidth() - d.lblMultiInfo.width - 120;
    d.lblMultiInfo.visible = true;

    d.InfoSubject = record.name;
    d.LastDisplay = LastDisplayRecord{QString(), record.dataFile, record.category, QString(),
                                      false, label};
}

void SearchDisplay::ShowMany(MainDisplay& d, LanguageState& language,
                             const QList<const SearchRecord*>& records, const QString& term)
{
    if (records.isEmpty())
        return;
    const SearchRecord& first = *records.first();
    d.printEnabled = true;
    d.ClearUI();
    d.SetPicture(first.picture);
    d.CurrentMap = FileSystem::GetFileStem(first.picture).toLower();
    const bool german = LOCAL::IsGerman(language);
    const int count = std::min<int>(records.size(), kMarkerCount);
    for (int i = 0; i < count; ++i) {
        const SearchRecord& r = *records[i];
        d.PlaceMarker(d.DOT[i], r.entity, r.x, r.y);
        const QString name = german ? r.entity.name : LOCAL::LocalizeName(language, r.entity.name);
        d.DOT[i].desc = name;
        d.DOT[i].visible = true;
        d.SetCaption(d.lblDOT[i], u' ' + name + u' ', LabelKind::Name);
        d.PlaceLabelBeside(d.DOT[i], d.lblDOT[i], i % 2 == 1, true);
        d.lblDOT[i].visible = true;
    }
    d.SetCaption(d.lblMultiInfo, SearchTexts::ResultHeading(language, term), LabelKind::Heading);
    d.lblMultiInfo.top = 0;
    d.lblMultiInfo.left = d.windowWidth() - d.lblMultiInfo.width - 120;
    d.lblMultiInfo.visible = true;
    // Nothing a resize could replay from a data file: the window shows these again itself.
    d.LastDisplay = LastDisplayRecord{first.picture, QString(), QString(), QString(), false, QString()};
}
