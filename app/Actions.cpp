#include "app/Actions.h"

#include "forms/about/AboutDialogAutomation.h"
#include "forms/extras/ExtrasDialogAutomation.h"
#include "forms/find/FindDialogAutomation.h"
#include "forms/lang/LanguageDialogAutomation.h"
#include "forms/main/MapView.h"
#include "forms/main/frmMain.h"
#include "forms/perks/PerksDialogAutomation.h"
#include "forms/print/PrintDialogAutomation.h"
#include "forms/results/ResultPanel.h"
#include "forms/main/MapView.h"
#include "modules/IniOps.h"
#include "platform/Services.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <algorithm>
#include <cstdio>

namespace {

// The next dialog of this name is answered through its automation interface.
template <typename Automation, typename Act>
void answer(Services& services, const char* dialogName, Act act)
{
    services.dialogs->answerNext(QString::fromLatin1(dialogName), [act](QDialog* dialog) {
        if (auto* automation = dynamic_cast<Automation*>(dialog))
            act(*automation);
    });
}

// An entry a person can choose: it and every menu that holds it are visible and enabled.
bool reachable(const QAction* action)
{
    if (!action->isVisible() || !action->isEnabled())
        return false;
    for (QObject* w : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(w))
            if (QAction* holder = menu->menuAction(); holder && holder != action && !reachable(holder))
                return false;
    return true;
}

FindDialogAutomation::Mode findModeOf(const QString& option)
{
    return option == QLatin1String("descriptions") ? FindDialogAutomation::Mode::Descriptions
                                                   : FindDialogAutomation::Mode::Names;
}

} // namespace

void BatchActions::run(const QueuedAction& a)
{
    const QString& v = a.value;
    switch (a.action) {
    case Action::Open: open(v); break;
    case Action::Pick: pick(v); break;
    case Action::PickIndex: pickIndex(v); break;
    case Action::Hover: hover(v); break;
    case Action::DoubleClick: dblclick(v); break;
    case Action::Click: clickControl(v); break;
    case Action::RightClick: rightClick(v); break;
    case Action::Resize: resize(v); break;
    case Action::FindMode: m_findMode = v; break;
    case Action::Find: find(v); break;
    case Action::FindCancel: findCancel(); break;
    case Action::FindAgain: choose(QStringLiteral("miFindAgain"), QStringLiteral("find-again")); break;
    case Action::Perks: perks(v); break;
    case Action::Language: language(v); break;
    case Action::Extras: extras(v); break;
    case Action::Print: print(v); break;
    case Action::About: about(); break;
    case Action::OpenInstallation:
        m_main.answerInstallationFolder(v);
        choose(QStringLiteral("mxOpenInstallation"), QStringLiteral("open-installation"));
        m_main.answerInstallationFolder(QString());
        break;
    case Action::Zoom: zoom(v); break;
    case Action::Pan: pan(v); break;
    case Action::Declutter: m_main.setDeclutter(v == QLatin1String("on")); break;
    case Action::FindAll: findAll(v); break;
    case Action::ShowResult: showResult(v); break;
    case Action::Profile:
        if (!m_main.switchProfile(v))
            refuse(a.option, v, QStringLiteral("not a profile name"));
        break;
    case Action::Mark: mark(a.option, v, true); break;
    case Action::Unmark: mark(a.option, v, false); break;
    case Action::MarkName: markName(a.option, v, true); break;
    case Action::UnmarkName: markName(a.option, v, false); break;
    case Action::HideFound: m_main.setHideFound(v == QLatin1String("on")); break;
    case Action::ExportProgress: progressFile(a.option, v, false); break;
    case Action::ImportMode: m_importMode = v; break;
    case Action::ImportProgress: progressFile(a.option, v, true); break;
    }
    // An answer the action did not use must not answer a later dialog.
    m_services.dialogs->clearAnswers();
}

void BatchActions::refuse(const QString& option, const QString& value, const QString& why)
{
    m_services.record.recordError(QStringLiteral("--%1 %2: %3").arg(option, value, why).trimmed());
}

bool BatchActions::choose(const QString& name, const QString& option)
{
    QAction* action = m_main.action(name);
    if (!action || action->menu()) {
        refuse(option, name, QStringLiteral("no such command"));
        return false;
    }
    if (!reachable(action)) {
        refuse(option, name, QStringLiteral("hidden or disabled"));
        return false;
    }
    action->trigger();
    return true;
}

void BatchActions::open(const QString& v) { choose(v, QStringLiteral("open")); }

void BatchActions::pick(const QString& v)
{
    const ListState& list = m_main.display().cboItems;
    const int index = list.visible ? list.items.indexOf(v) : -1;
    if (index < 0)
        return refuse(QStringLiteral("pick"), v, QStringLiteral("no such line"));
    m_main.display().SelectListIndex(index);
    m_main.syncDisplay();
}

void BatchActions::pickIndex(const QString& v)
{
    const ListState& list = m_main.display().cboItems;
    const int index = v.toInt();
    if (!list.visible || index < 0 || index >= list.items.size())
        return refuse(QStringLiteral("pick-index"), v, QStringLiteral("no such line"));
    m_main.display().SelectListIndex(index);
    m_main.syncDisplay();
}

// A marker or name of the map by the name the actions give it: "DOT:i", "lblDOT:i", "ITEM",
// "lblCaption". A hit of kind None for any other name.
static LayerHit mapControl(const QString& name)
{
    using Kind = LayerHit::Kind;
    if (name == QLatin1String("ITEM"))
        return {Kind::Item};
    if (name == QLatin1String("lblCaption"))
        return {Kind::Caption};
    const QString array = name.section(QLatin1Char(':'), 0, 0);
    const Kind kind = array == QLatin1String("DOT")      ? Kind::Dot
                      : array == QLatin1String("lblDOT") ? Kind::DotLabel
                                                         : Kind::None;
    bool ok = false;
    const int index = name.section(QLatin1Char(':'), 1).toInt(&ok);
    if (kind == Kind::None || name.count(QLatin1Char(':')) != 1 || !ok || index < 0
        || index >= kMarkerCount)
        return {};
    return {kind, index};
}

void BatchActions::hover(const QString& v)
{
    const LayerHit control = mapControl(v);
    const bool done = v == QLatin1String("btnInfo") ? m_main.hoverInfoButton()
                                                    : control && m_main.hover(control);
    if (!done)
        refuse(QStringLiteral("hover"), v, QStringLiteral("control not visible"));
}

void BatchActions::dblclick(const QString& v)
{
    const LayerHit control = mapControl(v);
    if (!control || !m_main.doubleClick(control))
        refuse(QStringLiteral("dblclick"), v, QStringLiteral("control not visible"));
}

void BatchActions::clickControl(const QString& v)
{
    if (v != QLatin1String("btnInfo") || !m_main.display().btnInfo.visible)
        return refuse(QStringLiteral("click"), v, QStringLiteral("control not visible"));
    m_main.clickInfoButton();
}

void BatchActions::rightClick(const QString& v)
{
    const QStringList xy = v.split(QLatin1Char(','));
    m_main.rightClick(QPoint(xy.value(0).toInt(), xy.value(1).toInt()));
}

void BatchActions::resize(const QString& v)
{
    const QStringList wh = v.toLower().split(QLatin1Char('x'));
    m_main.resizeMapArea(wh.value(0).toInt(), wh.value(1).toInt());
}

void BatchActions::find(const QString& term)
{
    const QString mode = std::exchange(m_findMode, QString());
    answer<FindDialogAutomation>(m_services, "frmFind", [this, term, mode](FindDialogAutomation& d) {
        if (!mode.isEmpty())
            d.chooseMode(findModeOf(mode));
        d.enterTerm(term);
        if (!d.pressFind()) {
            refuse(QStringLiteral("find"), term, QStringLiteral("Find is disabled"));
            d.cancel();
        }
    });
    choose(QStringLiteral("miFind"), QStringLiteral("find"));
}

void BatchActions::findCancel()
{
    const QString mode = std::exchange(m_findMode, QString());
    answer<FindDialogAutomation>(m_services, "frmFind", [mode](FindDialogAutomation& d) {
        if (!mode.isEmpty())
            d.chooseMode(findModeOf(mode));
        d.cancel();
    });
    choose(QStringLiteral("miFind"), QStringLiteral("find-cancel"));
}

void BatchActions::perks(const QString& v)
{
    const QString item = v.section(QLatin1Char(':'), 0, 0);
    const QString key = v.section(QLatin1Char(':'), 1);
    answer<PerksDialogAutomation>(m_services, "frmPerks", [this, v, key](PerksDialogAutomation& d) {
        if (key.isEmpty())
            return d.cancel();
        if (!d.selectNode(key)) {
            refuse(QStringLiteral("perks"), v, QStringLiteral("no such node"));
            return d.cancel();
        }
        d.pressShow();
    });
    choose(item, QStringLiteral("perks"));
}

void BatchActions::language(const QString& stem)
{
    answer<LanguageDialogAutomation>(m_services, "frmLang", [this, stem](LanguageDialogAutomation& d) {
        if (!d.selectRowByStem(stem)) {
            refuse(QStringLiteral("language"), stem, QStringLiteral("no such language row"));
            return d.cancel();
        }
        d.pressSelect();
    });
    choose(QStringLiteral("mnuLanguage"), QStringLiteral("language"));
}

void BatchActions::answerStartupLanguage(Services& services, const QString& stem)
{
    answer<LanguageDialogAutomation>(services, "frmLang", [&services, stem](LanguageDialogAutomation& d) {
        if (!d.selectRowByStem(stem)) {
            services.record.recordError(QStringLiteral("--startup-language: no language row %1").arg(stem));
            return;
        }
        d.pressSelect();
    });
}

void BatchActions::extras(const QString& file)
{
    answer<ExtrasDialogAutomation>(m_services, "frmExtras", [this, file](ExtrasDialogAutomation& d) {
        if (!d.SelectDocument(file))
            refuse(QStringLiteral("extras"), file, QStringLiteral("no such row"));
        d.cancel();
    });
    choose(QStringLiteral("mnuExtras"), QStringLiteral("extras"));
}

void BatchActions::print(const QString& v)
{
    const QString printer = v.section(QLatin1Char(':'), 0, -2);
    const QString orientation = v.section(QLatin1Char(':'), -1).toLower();
    answer<PrintDialogAutomation>(m_services, "frmPrint", [this, v, printer, orientation](PrintDialogAutomation& d) {
        if (!d.PrintOn(printer, orientation)) {
            refuse(QStringLiteral("print"), v, QStringLiteral("no such printer or orientation"));
            d.cancel();
        }
    });
    choose(QStringLiteral("miPrint"), QStringLiteral("print"));
}

void BatchActions::about()
{
    answer<AboutDialogAutomation>(m_services, "frmAbout", [](AboutDialogAutomation& d) { d.pressOK(); });
    choose(QStringLiteral("miAbout"), QStringLiteral("about"));
}

void BatchActions::zoom(const QString& v)
{
    // The wheel keeps the point under the pointer; the menu keeps the middle.
    const double factor = v.section(QLatin1Char('@'), 0, 0).toDouble();
    const QStringList xy = v.section(QLatin1Char('@'), 1).split(QLatin1Char(','));
    MapView* view = m_main.mapView();
    if (xy.size() == 2)
        view->zoomAbout(factor, view->mapFrom(m_main.mapArea(),
                                              QPoint(xy[0].toInt(), xy[1].toInt())));
    else
        view->zoomTo(factor);
}

void BatchActions::pan(const QString& v)
{
    const QStringList xy = v.split(QLatin1Char(','));
    m_main.mapView()->panBy(QPointF(xy.value(0).toInt(), xy.value(1).toInt()));
}

void BatchActions::findAll(const QString& term)
{
    if (choose(QStringLiteral("mxFindAll"), QStringLiteral("find-all")) && m_main.resultPanel())
        m_main.resultPanel()->setTerm(term);
}

void BatchActions::showResult(const QString& row)
{
    ResultPanel* panel = m_main.resultPanel();
    if (!panel || !panel->isVisible() || !panel->activateRow(row.toInt()))
        refuse(QStringLiteral("show-result"), row, QStringLiteral("no such row"));
}

void BatchActions::mark(const QString& option, const QString& v, bool found)
{
    // A right click on the control, then the entry of the marker menu.
    const LayerHit control = mapControl(v);
    const bool menuOpened =
        control && control.kind != LayerHit::Kind::Caption
        && m_main.rightClickControl(control, m_main.mapView()->rectOf(control).center());
    if (!menuOpened)
        return refuse(option, v, QStringLiteral("control not visible"));
    m_main.chooseOnMarker(control, found ? frmMain::MarkerChoice::Found : frmMain::MarkerChoice::NotFound);
}

void BatchActions::markName(const QString& option, const QString& v, bool found)
{
    const QString mapId = v.section(QLatin1Char(':'), 0, 0);
    const QString name = v.section(QLatin1Char(':'), 1);
    const MapFiles* map = m_main.installation().mapById(mapId);
    if (!map)
        return refuse(option, v, QStringLiteral("no such map"));
    // Only what the map's data file holds can be found.
    const IniOps::Reader data(map->dataFile);
    const QStringList sections = data.GetIniSections();
    const bool known = std::any_of(sections.cbegin(), sections.cend(), [&](const QString& s) {
        return data.GetIniKeys(s).contains(name);
    });
    if (!known || IsDisabledKey(name))
        return refuse(option, v, QStringLiteral("no such entity on that map"));
    if (!m_main.markEntity({mapId, name}, found))
        return refuse(option, v, QStringLiteral("the mark was not stored"));
    // For tests that end the program at any moment: a line once the mark is committed.
    static const bool trace = qEnvironmentVariableIsSet("KARVENNA_TRACE_MARKS");
    if (trace) {
        std::printf("%s %s\n", found ? "marked" : "unmarked", v.toUtf8().constData());
        std::fflush(stdout);
    }
}

void BatchActions::progressFile(const QString& option, const QString& file, bool import)
{
    const bool replace = std::exchange(m_importMode, QString()) == QLatin1String("replace");
    const bool ok = import ? m_main.importProgress(file, replace) : m_main.exportProgress(file);
    if (!ok)
        refuse(option, file, import ? QStringLiteral("not read") : QStringLiteral("not written"));
}
