// What the main window does with the pointer: hover texts, double clicks, the info button
// and the map's right-click menu.
#include "forms/main/frmMain.h"

#include "controls/Fonts.h"
#include "controls/clsToolTipDeluxe.h"
#include "modules/info/DescriptionLookup.h"
#include "forms/main/Dialogs.h"
#include "forms/main/MapView.h"
#include "modules/Session.h"
#include "modules/menu/MenuTable.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <QPushButton>

namespace {

// Kept at start-up for every tooltip: the system's tooltip colours, information icon.
constexpr quint32 kTipBackColour = 0x80000018;  // COLOR_INFOBK
constexpr quint32 kTipTextColour = 0x80000017;  // COLOR_INFOTEXT
constexpr int kTipIcon = 1;

using Kind = LayerHit::Kind;

} // namespace

QString frmMain::describe(const QString& shownName) const
{
    return DescriptionLookup::Describe(m_session, shownName);
}

bool frmMain::isShown(const LayerHit& control) const
{
    const MainDisplay& d = m_display;
    const bool inArray = control.index >= 0 && control.index < kMarkerCount;
    switch (control.kind) {
    case Kind::Dot: return inArray && d.DOT[size_t(control.index)].visible;
    case Kind::DotLabel: return inArray && d.lblDOT[size_t(control.index)].visible;
    case Kind::Item: return d.ITEM.visible;
    case Kind::Caption: return d.lblCaption.visible;
    case Kind::Heading: return d.lblMultiInfo.visible;
    case Kind::None: break;
    }
    return false;
}

void frmMain::setBalloonLook(const QString& title, int icon)
{
    m_toolTip->ToolTipBackColor(clsToolTipDeluxe::TranslateSystemColour(kTipBackColour));
    m_toolTip->ToolTipTextColor(clsToolTipDeluxe::TranslateSystemColour(kTipTextColour));
    m_toolTip->SetToolTipTitle(title, icon);
    const QFont font = Fonts::MsSansSerif(9);
    m_toolTip->Font(&font);
}

void frmMain::hoverMarker(const LayerHit& marker, const QString& shownName)
{
    QString text = describe(shownName);
    text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    if (!m_toolTip)
        return;
    // The balloon's stem points at the marker where it is drawn.
    const QRect drawn = m_mapView->rectOf(marker);
    m_toolTip->AddArea(m_mapView, drawn, marker.name(), text);
    m_balloonHit = marker;
    m_balloonRect = drawn;
    const QString title = marker.kind == Kind::Item ? m_display.ITEM.desc
                                                    : m_display.DOT[size_t(marker.index)].desc;
    setBalloonLook(title, kTipIcon);
}

void frmMain::hoverLabel(LabelState& label)
{
    QString text = describe(label.caption);
    text.replace(QStringLiteral("\\n"), QStringLiteral(" "));
    if (!text.trimmed().isEmpty())
        label.toolTip = text.left(80) + QStringLiteral("...");
    syncWidgets();
}

bool frmMain::hoverInfoButton()
{
    if (!m_display.btnInfo.visible)
        return false;
    if (m_toolTip) {
        m_toolTip->AddControl(m_btnInfo, m_session.InfoButtonToolTip);
        setBalloonLook(QString(), 0);
    }
    return true;
}

bool frmMain::hover(const LayerHit& control)
{
    if (!isShown(control))
        return false;
    switch (control.kind) {
    case Kind::Dot: {
        const auto i = size_t(control.index);
        // A name kept back for room shows while its marker is pointed at.
        m_mapView->update(m_layer.setPointed(control).translated(-m_mapView->pos()));
        if (m_display.LabelsHidden)
            for (LabelState& label : m_display.lblDOT)
                label.visible = false;
        m_display.lblDOT[i].visible = true;
        syncWidgets();
        hoverMarker(control, m_display.lblDOT[i].caption);
        return true;
    }
    case Kind::Item:
        hoverMarker(control, m_display.ITEM.desc);
        return true;
    case Kind::DotLabel:
        hoverLabel(m_display.lblDOT[size_t(control.index)]);
        return true;
    case Kind::Caption:
        hoverLabel(m_display.lblCaption);
        return true;
    case Kind::Heading:
    case Kind::None:
        break;
    }
    return false;
}

bool frmMain::doubleClick(const LayerHit& control)
{
    if (!isShown(control))
        return false;
    switch (control.kind) {
    case Kind::Dot:
        InfoMulti(m_display.DOT[size_t(control.index)].desc);
        return true;
    case Kind::DotLabel:
        InfoMulti(m_display.lblDOT[size_t(control.index)].caption);
        return true;
    case Kind::Item:
    case Kind::Caption:
        // The selection marker and its name act as the info button.
        clickInfoButton();
        return true;
    case Kind::Heading:
    case Kind::None:
        break;
    }
    return false;
}

void frmMain::followBalloon()
{
    if (!m_balloonHit || !m_toolTip)
        return;
    if (m_layer.isShown(m_balloonHit) && m_mapView->rectOf(m_balloonHit) == m_balloonRect)
        return;
    m_toolTip->RemoveControl(m_mapView);
    m_balloonHit = {};
}

bool frmMain::clickInfoButton()
{
    if (!m_display.cboItems.visible) {
        Dialogs::ShowInfo(m_session, m_display.InfoSubject, InfoFile, m_services, this);
        return true;
    }
    if (m_display.cboItems.text() == m_display.ComboBoxPrompt) {
        m_cboItems->setFocus();
        return true;
    }
    m_display.InfoSubject = m_display.cboItems.text();
    Dialogs::ShowInfo(m_session, m_display.InfoSubject, InfoFile, m_services, this);
    return true;
}

QString frmMain::rightClick(const QPoint& pixel)
{
    // The menu of the map on screen; the File menu before any map is shown.
    const MenuEntry* mapMenu = MenuTable::MapMenu(m_display.CurrentMap);
    const QString name = mapMenu ? QString::fromLatin1(mapMenu->name) : QStringLiteral("mnuFile");
    m_lastPopup = name;
    if (!m_services.batch)
        if (QMenu* popup = menu(name))
            popup->popup(m_mapView->mapToGlobal(pixel));
    return name;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_btnInfo && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove))
        hoverInfoButton();
    // With the result list docked, the map area changes size without the window doing so.
    if (m_results && watched == centralWidget() && event->type() == QEvent::Resize)
        applyResize();
    return QMainWindow::eventFilter(watched, event);
}
