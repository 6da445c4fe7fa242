// The view menu: zoom, the whole map, the shown markers, and names kept apart.
#include "forms/main/frmMain.h"

#include "forms/main/MapView.h"
#include "modules/Session.h"
#include "modules/menu/MenuTable.h"

#include <QAction>

namespace {

const QString kDeclutterKey = QStringLiteral("view/declutter");
constexpr double kZoomStep = 1.4142135623730951;

} // namespace

void frmMain::restoreViewChoices()
{
    const bool declutter = m_session.userConfig.value(kDeclutterKey, false).toBool();
    m_mapView->setDeclutter(declutter);
    if (QAction* entry = action(QStringLiteral("mxDeclutter")))
        entry->setChecked(declutter);
}

void frmMain::setDeclutter(bool on)
{
    m_mapView->setDeclutter(on);
    if (QAction* entry = action(QStringLiteral("mxDeclutter")))
        entry->setChecked(on);
    m_session.userConfig.setValue(kDeclutterKey, on);
}

void frmMain::runViewCommand(MenuCommand command)
{
    const double zoom = m_mapView->view().zoom();
    switch (command) {
    case MenuCommand::ZoomIn: m_mapView->zoomTo(zoom * kZoomStep); break;
    case MenuCommand::ZoomOut: m_mapView->zoomTo(zoom / kZoomStep); break;
    case MenuCommand::ZoomAll: m_mapView->zoomTo(1.0); break;
    case MenuCommand::ZoomToShown: m_mapView->zoomToShown(); break;
    case MenuCommand::Declutter:
        setDeclutter(action(QStringLiteral("mxDeclutter"))->isChecked());
        break;
    default: break;
    }
}
