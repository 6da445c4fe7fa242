// What the main window does with the pointer: hover texts, double clicks, the info button
// and the map's right-click menu.
#include "forms/main/frmMain.h"

#include "controls/Fonts.h"
#include "controls/MapLabel.h"
#include "controls/clsToolTipDeluxe.h"
#include "controls/ctlLocation.h"
#include "modules/info/DescriptionLookup.h"
#include "forms/main/Dialogs.h"
#include "forms/main/MapView.h"
#include "modules/Globals.h"
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

// "DOT:12" -> 12; -1 when the name is not of that control array or out of range.
int arrayIndex(const QString& control, const QString& array)
{
    if (!control.startsWith(array + QLatin1Char(':')))
        return -1;
    bool ok = false;
    const int i = control.mid(array.size() + 1).toInt(&ok);
    return ok && i >= 0 && i < kMarkerCount ? i : -1;
}

} // namespace

QString frmMain::describe(const QString& shownName) const
{
    return DescriptionLookup::Describe(shownName);
}

void frmMain::registerBalloon(QWidget* control, const QString& text, const QString& title, int icon)
{
    if (!m_toolTip)
        return;
    m_toolTip->AddControl(control, text);
    m_toolTip->ToolTipBackColor(clsToolTipDeluxe::TranslateSystemColour(kTipBackColour));
    m_toolTip->ToolTipTextColor(clsToolTipDeluxe::TranslateSystemColour(kTipTextColour));
    m_toolTip->SetToolTipTitle(title, icon);
    const QFont font = Fonts::MsSansSerif(9);
    m_toolTip->Font(&font);
}

void frmMain::hoverMarker(int i)
{
    if (m_display.LabelsHidden)
        for (LabelState& label : m_display.lblDOT)
            label.visible = false;
    m_display.lblDOT[i].visible = true;
    syncDisplay();
    QString text = describe(m_display.lblDOT[i].caption);
    text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    // The balloon's stem points at the marker where it is drawn.
    registerBalloon(placedProxy({LayerHit::Kind::Dot, i}), text, m_display.DOT[i].desc, kTipIcon);
}

void frmMain::hoverItem()
{
    QString text = describe(m_display.ITEM.desc);
    text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    registerBalloon(placedProxy({LayerHit::Kind::Item}), text, m_display.ITEM.desc, kTipIcon);
}

void frmMain::hoverLabel(LabelState& label)
{
    QString text = describe(label.caption);
    text.replace(QStringLiteral("\\n"), QStringLiteral(" "));
    if (!text.trimmed().isEmpty())
        label.toolTip = text.left(80) + QStringLiteral("...");
    syncDisplay();
}

void frmMain::hoverInfoButton()
{
    registerBalloon(m_btnInfo, G().InfoButtonToolTip, QString(), 0);
}

bool frmMain::hover(const QString& control)
{
    if (const int i = arrayIndex(control, QStringLiteral("DOT")); i >= 0) {
        if (!m_display.DOT[i].visible)
            return false;
        hoverMarker(i);
        return true;
    }
    if (const int i = arrayIndex(control, QStringLiteral("lblDOT")); i >= 0) {
        if (!m_display.lblDOT[i].visible)
            return false;
        hoverLabel(m_display.lblDOT[i]);
        return true;
    }
    if (control == QLatin1String("ITEM") && m_display.ITEM.visible) {
        hoverItem();
        return true;
    }
    if (control == QLatin1String("lblCaption") && m_display.lblCaption.visible) {
        hoverLabel(m_display.lblCaption);
        return true;
    }
    if (control == QLatin1String("btnInfo") && m_display.btnInfo.visible) {
        hoverInfoButton();
        return true;
    }
    return false;
}

bool frmMain::doubleClick(const QString& control)
{
    if (const int i = arrayIndex(control, QStringLiteral("DOT")); i >= 0) {
        if (!m_display.DOT[i].visible)
            return false;
        InfoMulti(m_display.DOT[i].desc);
        return true;
    }
    if (const int i = arrayIndex(control, QStringLiteral("lblDOT")); i >= 0) {
        if (!m_display.lblDOT[i].visible)
            return false;
        InfoMulti(m_display.lblDOT[i].caption);
        return true;
    }
    if ((control == QLatin1String("ITEM") && m_display.ITEM.visible)
        || (control == QLatin1String("lblCaption") && m_display.lblCaption.visible)) {
        // The selection marker and its name act as the info button.
        clickInfoButton();
        return true;
    }
    return false;
}

bool frmMain::clickInfoButton()
{
    if (!m_display.cboItems.visible) {
        Dialogs::ShowInfo(*this);
        return true;
    }
    if (m_display.cboItems.text() == m_display.ComboBoxPrompt) {
        m_cboItems->setFocus();
        return true;
    }
    m_display.InfoSubject = m_display.cboItems.text();
    Dialogs::ShowInfo(*this);
    return true;
}

QString frmMain::rightClick(const QPoint& pixel)
{
    static const QHash<QString, QString> menuOfMap{
        {QStringLiteral("caldora"), QStringLiteral("mnuCaldora")},
        {QStringLiteral("frostmere"), QStringLiteral("mnuFrostmere")},
        {QStringLiteral("qasira"), QStringLiteral("mnuQasira")},
        {QStringLiteral("ancestors"), QStringLiteral("mnuancestors")},
        {QStringLiteral("urkesh"), QStringLiteral("mnuUrKesh")},
    };
    const QString name = menuOfMap.value(m_display.CurrentMap, QStringLiteral("mnuFile"));
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
    return QMainWindow::eventFilter(watched, event);
}
