// The main window's side of the result list: it docks the panel beside the map and shows
// what the panel's rows ask for.
#include "forms/main/frmMain.h"

#include "forms/results/ResultPanel.h"
#include "modules/menu/MenuTable.h"
#include "modules/Session.h"
#include "modules/search/ResultSource.h"
#include "modules/search/SearchDisplay.h"
#include "platform/Services.h"

#include <QAction>
#include <QMenu>

void frmMain::showResults()
{
    if (!m_results) {
        QList<ResultSource::Map> maps;
        for (const MapFiles& map : m_installation.maps())
            maps.append({map.dataFile, map.picture});
        m_resultSource = std::make_unique<ResultSource>(m_session, maps, InfoFile);
        // The map as its menu names it now, without the accelerator.
        const auto mapTitle = [this](const QString& mapId) {
            const MenuEntry* entry = MenuTable::MapMenu(mapId);
            const QMenu* menu = entry ? m_menuByName.value(QString::fromLatin1(entry->name)) : nullptr;
            return menu ? QString(menu->title()).remove(u'&') : mapId;
        };
        const auto found = [this](const EntityId& entity) { return isFound(entity); };
        m_results = new ResultPanel(*m_resultSource, m_session.language, found, mapTitle, this);
        // A mark made on the map, a profile switched or imported: the found column follows.
        connect(this, &frmMain::progressChanged, m_results, &ResultPanel::refresh);
        m_results->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        addDockWidget(Qt::RightDockWidgetArea, m_results);
        // Room for a name, its map and a category or two.
        resizeDocks({m_results}, {440}, Qt::Horizontal);
        centralWidget()->installEventFilter(this);
        connect(m_results, &ResultPanel::entityActivated, this, &frmMain::showResult);
        connect(m_results, &ResultPanel::entitiesShown, this, &frmMain::showResultsOnMap);
        connect(m_results, &ResultPanel::linkBroken, this, [this](const LinkError& error) {
            m_services.messages->show(this, MessageService::Icon::Critical, LinkError::caption(),
                                      error.text());
            EndProgram();
        });
    }
    m_results->show();
    m_results->raise();
    m_results->refresh();
    m_results->focusTerm();
}

void frmMain::showResult(int entity)
{
    const ResultIndex& index = m_resultSource->index();
    if (entity < 0 || entity >= index.entityCount())
        return;
    m_resultsOnMap.clear();
    SearchDisplay::Show(m_display, m_session.language, index.record(entity), m_results->term());
    syncDisplay();
    action(QStringLiteral("miPrint"))->setEnabled(true);
}

void frmMain::showResultsOnMap(const QList<int>& entities)
{
    const ResultIndex& index = m_resultSource->index();
    QList<const SearchRecord*> records;
    for (const int e : entities)
        records.append(&index.record(e));
    SearchDisplay::ShowMany(m_display, m_session.language, records, m_results->term());
    m_resultsOnMap = entities;
    m_resultsDisplay = m_display.LastDisplay;
    syncDisplay();
    action(QStringLiteral("miPrint"))->setEnabled(true);
}

void frmMain::replayResultsOnMap()
{
    // A new size places the marks for the new scale, as long as nothing else was shown since.
    if (m_resultsOnMap.isEmpty() || !m_resultSource || m_display.LastDisplay != m_resultsDisplay)
        return;
    const QList<int> entities = m_resultsOnMap;
    if (std::any_of(entities.begin(), entities.end(),
                    [&](int e) { return e >= m_resultSource->index().entityCount(); }))
        return;
    showResultsOnMap(entities);
}
