#include "app/Dump.h"

#include "controls/clsToolTipDeluxe.h"
#include "modules/search/SearchCache.h"
#include "forms/main/MapView.h"
#include "forms/main/frmMain.h"
#include "forms/results/ResultPanel.h"
#include "modules/search/ResultSource.h"
#include "modules/Session.h"
#include "modules/progress/ProgressStore.h"
#include "modules/Twips2Pixel_Module.h"
#include "platform/Services.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>

namespace {

QJsonObject geometry(const ControlState& s)
{
    return QJsonObject{{"left", s.left}, {"top", s.top}, {"width", s.width},
                       {"height", s.height}, {"visible", s.visible}};
}

QJsonObject marker(const MarkerState& m)
{
    QJsonObject o = geometry(m);
    o["borderColor"] = qint64(m.borderColor);
    o["found"] = m.found;
    o["desc"] = m.desc;
    o["toolTip"] = m.toolTip;
    return o;
}

QJsonObject label(const LabelState& l)
{
    QJsonObject o = geometry(l);
    o["caption"] = l.caption;
    o["foreColor"] = qint64(l.foreColor);
    o["toolTip"] = l.toolTip;
    return o;
}

QJsonArray menuItems(const QList<QAction*>& actions)
{
    QJsonArray items;
    for (const QAction* a : actions) {
        if (a->isSeparator()) {
            items.append(QJsonObject{{"name", ""}, {"separator", true}});
            continue;
        }
        QJsonObject o{{"name", a->objectName()},
                      {"caption", a->text()},
                      {"enabled", a->isEnabled()},
                      {"visible", a->isVisible()},
                      {"shortcut", a->shortcut().toString()}};
        o["children"] = a->menu() ? menuItems(a->menu()->actions()) : QJsonArray();
        items.append(o);
    }
    return items;
}

QJsonObject view(const MapView& map)
{
    const ViewTransform& v = map.view();
    return QJsonObject{{"zoom", v.zoom()},
                       {"originX", v.origin().x()},
                       {"originY", v.origin().y()},
                       {"declutter", map.declutter()}};
}

QJsonObject controls(const frmMain& main)
{
    const MainDisplay& d = main.display();
    QJsonObject imgMap = geometry(d.imgMap);
    imgMap["picture"] = d.picture;

    QJsonObject cbo = geometry(d.cboItems);
    QJsonArray items;
    for (const QString& item : d.cboItems.items)
        items.append(item);
    cbo["items"] = items;
    cbo["listIndex"] = d.cboItems.listIndex;
    cbo["text"] = d.cboItems.text();
    cbo["dropDownHeight"] = d.dropDownHeight;

    QJsonObject lblCaption = label(d.lblCaption);
    lblCaption.remove("foreColor");
    QJsonObject lblMultiInfo = label(d.lblMultiInfo);
    lblMultiInfo.remove("foreColor");
    lblMultiInfo.remove("toolTip");

    QJsonArray dots, dotLabels;
    for (int i = 0; i < kMarkerCount; ++i) {
        QJsonObject dot = marker(d.DOT[i]);
        dot["index"] = i;
        dots.append(dot);
        QJsonObject l = label(d.lblDOT[i]);
        l["index"] = i;
        l["decluttered"] = main.mapView()->isDecluttered(i);
        l["found"] = d.lblDOT[i].found;
        dotLabels.append(l);
    }
    return QJsonObject{{"imgMap", imgMap},
                       {"cboItems", cbo},
                       {"btnInfo", geometry(d.btnInfo)},
                       {"lblMultiInfo", lblMultiInfo},
                       {"lblCaption", lblCaption},
                       {"ITEM", marker(d.ITEM)},
                       {"DOT", dots},
                       {"lblDOT", dotLabels}};
}

// The result list as shown: the term typed and every row in order.
QJsonObject results(const frmMain& main)
{
    const ResultPanel* panel = main.resultPanel();
    if (!panel)
        return QJsonObject{{"term", ""}, {"rows", QJsonArray()}};
    const ResultIndex& index = panel->source().index();
    QJsonArray rows;
    for (const ResultRow& row : panel->rows()) {
        rows.append(QJsonObject{{"map", index.mapId(row.entity)},
                                {"name", index.germanName(row.entity)},
                                {"shown", index.shownName(row.entity)},
                                {"categories", QJsonArray::fromStringList(index.categories(row.entity))},
                                {"found", panel->isFound(row.entity)},
                                {"kind", MatchKindName(row.kind)}});
    }
    return QJsonObject{{"term", panel->term()}, {"rows", rows}};
}

QJsonObject progress(const frmMain& main)
{
    ProgressStore& store = main.session().progress();
    QJsonArray profiles, found;
    for (const QString& name : store.profiles())
        profiles.append(name);
    for (const FoundMark& m : store.marks())
        found.append(QJsonObject{{"map", m.entity.mapId}, {"name", m.entity.name}});
    return QJsonObject{{"profile", store.currentProfile()},
                       {"profiles", profiles},
                       {"store", store.file()},
                       {"persistent", store.isPersistent()},
                       {"hideFound", main.hideFound()},
                       {"found", found},
                       {"shown", QJsonObject{{"found", main.shownCount().found},
                                             {"total", main.shownCount().total}}}};
}

} // namespace

QJsonObject Dump::Build(const frmMain& main)
{
    const MainDisplay& d = main.display();
    const Session& session = main.session();
    const LanguageState& lang = session.language;
    const BatchRecord& automation = main.services().record;

    QJsonObject dump{
        {"format", 1},
        {"caption", main.windowTitle()},
        {"twipsPerPixel", QJsonObject{{"x", Twips2Pixel_Module::TwipsPerPixelX()},
                                      {"y", Twips2Pixel_Module::TwipsPerPixelY()}}},
        {"window", QJsonObject{{"width", d.windowWidth()}, {"height", d.windowHeight()}}},
        {"language", QJsonObject{{"name", lang.LanguageName},
                                 {"stem", lang.LanguageStem},
                                 {"file", lang.LanguageFile},
                                 {"substitute", lang.SubstituteLanguage}}},
        {"currentMap", d.CurrentMap},
        {"labelsHidden", d.LabelsHidden},
        {"infoSubject", d.InfoSubject},
        {"lastDisplay", QJsonObject{{"picture", d.LastDisplay.picture},
                                    {"dataFile", d.LastDisplay.dataFile},
                                    {"category", d.LastDisplay.category},
                                    {"caption", d.LastDisplay.caption},
                                    {"hideLabels", d.LastDisplay.hideLabels},
                                    {"selectedName", d.LastDisplay.selectedName}}},
        {"search", QJsonObject{{"term", session.search.SearchTerm},
                               {"mode", session.search.SearchMode},
                               {"lastFoundIndex", session.search.LastFoundIndex},
                               {"cacheSize", int(session.search.SearchCache.size())}}},
        {"controls", controls(main)},
        {"view", view(*main.mapView())},
        {"menus", menuItems(main.menuBar()->actions())},
        {"popupMenu", main.lastPopupMenu()},
        {"startupLanguageDialog", main.startupLanguageDialog()},
        {"messages", automation.messages()},
        {"dialogs", automation.dialogs()},
        {"shell", automation.shell()},
        {"sounds", automation.sounds()},
        {"printed", automation.printed()},
        // Where the language choice goes: the settings file, or the user's when it is read-only.
        {"settingsFile", LanguageChoice::FileFor(session.SettingsFile, session.userConfig)},
        {"errors", automation.errors()},
        {"results", results(main)},
    };
    dump["progress"] = progress(main);
    if (const clsToolTipDeluxe* tip = main.toolTip()) {
        dump["balloon"] = tip->balloonState();
        dump["tooltipObject"] = tip->objectState();
    } else {
        dump["balloon"] = QJsonObject{{"control", ""}};
        dump["tooltipObject"] = QJsonObject();
    }
    return dump;
}

bool Dump::Write(const frmMain& main, const QString& file)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(QJsonDocument(Build(main)).toJson(QJsonDocument::Indented));
    return out.commit();
}

bool Dump::WriteSnapshot(const frmMain& main, const QString& file)
{
    return main.renderMapArea().save(file, "PNG");
}
