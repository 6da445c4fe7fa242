// Found progress in the main window: the marker menu, marks, hiding what is found, the count of
// the shown category, profiles and the hunting list.
#include "forms/main/frmMain.h"

#include "forms/main/Dialogs.h"
#include "forms/main/MapView.h"
#include "modules/Session.h"
#include "modules/menu/MenuTable.h"
#include "modules/progress/ProgressStore.h"
#include "modules/progress/ProgressTexts.h"
#include "platform/Services.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace {

using Kind = LayerHit::Kind;

const QString kHideFoundKey = QStringLiteral("progress/hideFound");

// The entity a marker, its name or the selection marker stands for.
EntityId entityOf(const MainDisplay& d, const LayerHit& control)
{
    const bool inArray = control.index >= 0 && control.index < kMarkerCount;
    switch (control.kind) {
    case Kind::Dot:
    case Kind::DotLabel: return inArray ? d.DOT[size_t(control.index)].entity : EntityId();
    case Kind::Item:
    case Kind::Caption: return d.ITEM.entity;
    case Kind::Heading:
    case Kind::None: break;
    }
    return {};
}

} // namespace

ProgressStore& frmMain::progress()
{
    const bool opening = !m_session.progressOpened();
    ProgressStore& store = m_session.progress();
    if (opening) {
        const auto& lang = m_session.language;
        if (store.openProblem() == ProgressStore::OpenProblem::KeptAside)
            reportProgressProblem(ProgressTexts::Text(lang, "StoreDamaged", store.keptAsideAs()));
        else if (store.openProblem() == ProgressStore::OpenProblem::NotWritable)
            reportProgressProblem(ProgressTexts::Text(lang, "StoreNotWritable",
                                                      store.file() + QStringLiteral("\r\n(")
                                                          + store.lastError() + u')'));
    }
    return store;
}

void frmMain::reportProgressProblem(const QString& text)
{
    const QString caption = ProgressTexts::Text(m_session.language, "MessageCaption");
    // Never inside a display: a person's message box waits until the window is drawn.
    if (m_services.batch)
        m_services.messages->show(this, MessageService::Icon::Critical, caption, text);
    else
        QTimer::singleShot(0, this, [this, caption, text] {
            m_services.messages->show(this, MessageService::Icon::Critical, caption, text);
        });
}

bool frmMain::isFound(const EntityId& entity) { return progress().isFound(entity); }

void frmMain::applyProgress()
{
    const MainDisplay& d = m_display;
    // Until something is shown the store stays closed: the start never waits for it.
    const bool showing = d.lblMultiInfo.visible || d.cboItems.visible || d.ITEM.visible;
    if (showing || m_session.progressOpened()) {
        ProgressStore& store = progress();
        store.refresh();
        m_shownCount = FoundDisplay::Apply(
            m_display, [&store](const EntityId& e) { return store.isFound(e); }, m_hideFound,
            m_hiddenFound);
    }
    if (QAction* count = action(QStringLiteral("mxFoundCount"))) {
        count->setText(QStringLiteral("%1 / %2").arg(m_shownCount.found).arg(m_shownCount.total));
        count->setVisible(m_shownCount.total > 0);
    }
    if (QAction* hide = action(QStringLiteral("mxHideFound")))
        hide->setChecked(m_hideFound);
}

bool frmMain::rightClickControl(const LayerHit& control, const QPoint& pixel)
{
    const EntityId entity = entityOf(m_display, control);
    if (!isShown(control) || entity.isNull())
        return false;
    m_markerTarget = control;
    m_lastPopup = QString::fromLatin1(MenuTable::kMarkerMenu);
    const bool found = isFound(entity);
    action(QStringLiteral("mxFound"))->setChecked(found);
    action(QStringLiteral("mxNotFound"))->setChecked(!found);
    if (!m_services.batch)
        if (QMenu* popup = menu(m_lastPopup))
            popup->popup(m_mapView->mapToGlobal(pixel));
    return true;
}

bool frmMain::chooseOnMarker(const LayerHit& control, MarkerChoice choice)
{
    const EntityId entity = entityOf(m_display, control);
    if (!isShown(control) || entity.isNull())
        return false;
    if (choice == MarkerChoice::Information)
        return doubleClick(control);
    return markEntity(entity, choice == MarkerChoice::Found);
}

bool frmMain::markEntity(const EntityId& entity, bool found)
{
    ProgressStore& store = progress();
    if (!store.setFound(entity, found)) {
        m_services.messages->show(this, MessageService::Icon::Critical,
                                  ProgressTexts::Text(m_session.language, "MessageCaption"),
                                  ProgressTexts::Text(m_session.language, "MarkFailed", store.lastError()));
        return false;
    }
    syncDisplay();
    emit progressChanged();
    return true;
}

void frmMain::setHideFound(bool hide)
{
    m_hideFound = hide;
    m_session.userConfig.setValue(kHideFoundKey, hide);
    syncDisplay();
}

bool frmMain::switchProfile(const QString& name)
{
    ProgressStore& store = progress();
    const bool ok = store.switchProfile(name);
    syncDisplay();
    emit progressChanged();
    return ok;
}

bool frmMain::exportProgress(const QString& file)
{
    ProgressStore& store = progress();
    if (store.exportTo(file))
        return true;
    m_services.messages->show(this, MessageService::Icon::Critical,
                              ProgressTexts::Text(m_session.language, "MessageCaption"),
                              ProgressTexts::Text(m_session.language, "ProfileError",
                                                  file + QStringLiteral(": ") + store.lastError()));
    return false;
}

bool frmMain::importProgress(const QString& file, bool replace)
{
    ProgressStore& store = progress();
    const bool ok = store.importFrom(file, replace ? ProgressStore::ImportMode::Replace
                                                   : ProgressStore::ImportMode::Merge);
    if (!ok)
        m_services.messages->show(this, MessageService::Icon::Critical,
                                  ProgressTexts::Text(m_session.language, "MessageCaption"),
                                  ProgressTexts::Text(m_session.language, "ProfileError",
                                                      file + QStringLiteral(": ") + store.lastError()));
    syncDisplay();
    emit progressChanged();
    return ok;
}

void frmMain::showProfiles()
{
    Dialogs::ShowProfiles(m_session.language, progress(), m_services, this);
    syncDisplay();
    emit progressChanged();
}

void frmMain::showHuntList()
{
    const MapFiles* map = m_installation.mapById(m_display.CurrentMap);
    const MenuEntry* mapMenu = MenuTable::MapMenu(m_display.CurrentMap);
    QString title = mapMenu ? menu(QString::fromLatin1(mapMenu->name))->title() : QString();
    Dialogs::ShowHuntList(m_session, progress(), m_display, map ? map->dataFile : QString(),
                          title.remove(u'&'), m_services, this);
}
