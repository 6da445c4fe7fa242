#include "forms/main/frmMain.h"

#include "controls/ComboBox_Height.h"
#include "controls/MapLabel.h"
#include "controls/TwipsGeometry.h"
#include "controls/clsToolTipDeluxe.h"
#include "forms/main/Dialogs.h"
#include "forms/main/MapView.h"
#include "modules/menu/MenuTable.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"
#include "modules/search/ResultSource.h"
#include "forms/results/ResultPanel.h"
#include "modules/Twips2Pixel_Module.h"
#include "platform/Services.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QLayout>
#include <QResizeEvent>

using namespace Twips2Pixel_Module;

namespace {

int twipsWidth(MapLabel::Style style, const QString& caption)
{
    return PixelsToTwipsX(MapLabel::sizeFor(style, caption).width());
}

MapLabel::Style styleOf(LabelKind kind)
{
    return kind == LabelKind::Heading ? MapLabel::Style::Heading : MapLabel::Style::Name;
}

void place(QWidget* w, const ControlState& s)
{
    w->setGeometry(TwipsGeometry::ToPixels(s.left, s.top, s.width, s.height));
    w->setVisible(s.visible);
}

} // namespace

frmMain::frmMain(Session& session, Services& services, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_services(services), m_display(session.language)
{
    setObjectName(QStringLiteral("frmMain"));
    m_display.measureWidth = [](const QString& caption, LabelKind kind) {
        return twipsWidth(styleOf(kind), caption);
    };
    m_display.measureHeight = [](LabelKind kind) {
        return PixelsToTwipsY(MapLabel::heightOf(styleOf(kind)));
    };
    m_display.loadPicture = [this](const QString& path) {
        return m_mapView->loadFile(path);
    };
    buildMapArea();
    buildMenus();
    restoreViewChoices();
    m_hideFound = m_session.userConfig.value(QStringLiteral("progress/hideFound"), false).toBool();
    // Design size of the client area: imgMap 14175 x 10365 twips.
    resizeMapArea(TwipsToPixelsX(14175), TwipsToPixelsY(10365));
}

frmMain::~frmMain()
{
    // The map view is a child and outlives the layer, a member: it must not reach it while the
    // window goes.
    m_mapView->setLayer(nullptr);
    // The result list reads the source, a member.
    delete m_results;
}

QWidget* frmMain::mapArea() const { return centralWidget(); }

void frmMain::buildMapArea()
{
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("mapArea"));
    setCentralWidget(area);

    m_mapView = new MapView(area);
    m_mapView->setObjectName(QStringLiteral("imgMap"));
    m_mapView->setLayer(&m_layer);
    connect(m_mapView, &MapView::pointerMoved, this, [this](const LayerHit& control) {
        hover(control);
    });
    connect(m_mapView, &MapView::doubleClicked, this, [this](const LayerHit& control) {
        doubleClick(control);
    });
    connect(m_mapView, &MapView::rightButtonDown, this, [this](const QPoint& p) {
        rightClick(p);
    });
    // A balloon stays only on a marker that stays where it was.
    connect(m_mapView, &MapView::viewChanged, this, [this] { followBalloon(); });
    connect(m_mapView, &MapView::rightButtonOnControl, this,
            [this](const LayerHit& control, const QPoint& p) { rightClickControl(control, p); });

    // The list and the button stay real widgets, above the map.
    m_btnInfo = new QPushButton(QStringLiteral("i"), area);
    m_btnInfo->setObjectName(QStringLiteral("btnInfo"));
    m_btnInfo->setFont([] { QFont f = QFont(); f.setBold(true); f.setItalic(true); return f; }());
    m_btnInfo->hide();
    m_btnInfo->installEventFilter(this);
    connect(m_btnInfo, &QPushButton::clicked, this, [this] { clickInfoButton(); });

    m_cboItems = new QComboBox(area);
    m_cboItems->setObjectName(QStringLiteral("cboItems"));
    m_cboItems->hide();
    connect(m_cboItems, &QComboBox::currentIndexChanged, this, &frmMain::onListActivated);
}

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    QList<QMenu*> stack;  // stack[level - 1] holds entries of that level
    for (const MenuEntry& entry : MenuTable::Entries()) {
        stack.resize(std::min<qsizetype>(stack.size(), entry.level));
        QMenu* parentMenu = entry.level > 0 ? stack.value(entry.level - 1) : nullptr;

        if (entry.kind == MenuKind::Separator) {
            QAction* separator = parentMenu->addSeparator();
            m_actions.append(separator);
            m_entryByAction.insert(separator, &entry);
            continue;
        }
        QAction* action = nullptr;
        if (entry.kind == MenuKind::Menu) {
            auto* menu = new QMenu(QString::fromUtf8(entry.designCaption()), this);
            menu->setObjectName(QString::fromUtf8(entry.name));
            action = parentMenu ? parentMenu->addMenu(menu)
                     : entry.popup ? menu->menuAction()
                                   : bar->addMenu(menu);
            m_menuByName.insert(menu->objectName(), menu);
            stack.append(menu);
        } else {
            action = new QAction(QString::fromUtf8(entry.designCaption()), this);
            if (parentMenu)
                parentMenu->addAction(action);
            else
                bar->addAction(action);
            if (entry.shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
            action->setEnabled(entry.kind != MenuKind::Divider && entry.kind != MenuKind::Status
                               && entry.enabled);
            action->setCheckable(entry.checkable);
            if (entry.kind == MenuKind::Status)
                action->setVisible(false);
            else if (entry.kind != MenuKind::Divider)
                connect(action, &QAction::triggered, this,
                        [this, &entry, action] { runMenuEntry(entry, action); });
            if (entry.command == MenuCommand::Declutter)
                action->setCheckable(true);
        }
        action->setObjectName(QString::fromUtf8(entry.name));
        m_actions.append(action);
        m_actionByName.insert(action->objectName(), action);
        m_entryByAction.insert(action, &entry);
    }
}

QAction* frmMain::action(const QString& name) const { return m_actionByName.value(name); }
QMenu* frmMain::menu(const QString& name) const { return m_menuByName.value(name); }

void frmMain::runMenuEntry(const MenuEntry& entry, QAction* action)
{
    if (entry.kind == MenuKind::Command) {
        runCommand(entry);
        return;
    }
    // Category and perk items belong to the map of the top menu that holds them.
    const MenuEntry* top = MenuTable::TopMenuOf(entry);
    const MapFiles* map = top && top->map ? m_installation.mapById(QString::fromLatin1(top->map)) : nullptr;
    if (!map)
        return;
    if (entry.kind == MenuKind::Perks) {
        showPerks(*map);
        return;
    }
    const QString category = QString::fromUtf8(entry.category);
    if (entry.kind == MenuKind::List || entry.kind == MenuKind::ListThenAll)
        Change(map->picture, map->dataFile, category);
    if (entry.kind == MenuKind::All || entry.kind == MenuKind::ListThenAll) {
        // The captions as the menus show them now, accelerators included.
        const QString mapCaption = m_menuByName.value(QString::fromLatin1(top->name))->title();
        ChangeMulti(map->picture, map->dataFile, category,
                    mapCaption + QStringLiteral(": ") + action->text(), entry.hideLabels);
    }
}

void frmMain::Change(const QString& picture, const QString& dataFile, const QString& category)
{
    m_display.Change(picture, dataFile, category);
    syncDisplay();
    m_cboItems->setFocus();
}

void frmMain::ChangeMulti(const QString& picture, const QString& dataFile, const QString& category,
                          const QString& caption, bool hideLabels)
{
    m_display.ChangeMulti(picture, dataFile, category, caption, hideLabels);
    syncDisplay();
}

void frmMain::ClearUI()
{
    m_display.ClearUI();
    syncDisplay();
}

void frmMain::InfoMulti(const QString& name)
{
    m_display.InfoSubject = name;
    Dialogs::ShowInfo(m_session, name, InfoFile, m_services, this);
}

void frmMain::RestoreStartImage()
{
    m_display.ClearPicture();
    m_mapView->setImage(m_startImage.toImage());
    // The title picture is no map: it shows whole, whatever zoom the last map had.
    m_mapView->zoomTo(1.0);
}

int frmMain::ShellExec(const QString& target)
{
    return m_services.shell->open(target, QStringLiteral("open"), m_session.ProgramFolder);
}

void frmMain::Translate_UI()
{
    for (QAction* action : std::as_const(m_actions)) {
        const MenuEntry* entry = m_entryByAction.value(action);
        if (!entry || !entry->isCaptioned())
            continue;
        action->setText(MenuTable::Caption(*entry, m_session.language));
    }
    m_display.ComboBoxPrompt = QStringLiteral("   ")
                               + LOCAL::Text(m_session.language, QStringLiteral("ui"),
                                             QStringLiteral("ComboBoxPrompt"),
                                             QStringLiteral("------------ Please select ------------"));
    m_session.InfoButtonToolTip =
        LOCAL::Text(m_session.language, QStringLiteral("ui"), QStringLiteral("InfoButtonToolTip"),
                    QStringLiteral("Displays informations about selected entity."));
}

void frmMain::Translate_UI_DE()
{
    m_display.ComboBoxPrompt = QStringLiteral("  ------------ Bitte Auswählen ------------");
    m_session.InfoButtonToolTip = QStringLiteral("Zeigt Informationen zur ausgewählten Entität an.");
}

void frmMain::ApplyGermanCaptions()
{
    for (QAction* action : std::as_const(m_actions)) {
        const MenuEntry* entry = m_entryByAction.value(action);
        if (entry && entry->isCaptioned())
            action->setText(QString::fromUtf8(entry->german));
    }
}

void frmMain::CacheTranslationTable() { LOCAL::CacheTranslationTable(m_session.language); }

void frmMain::EndProgram()
{
    m_ended = true;
    hide();
    QCoreApplication::exit(0);
}

void frmMain::syncDisplay()
{
    applyProgress();
    syncWidgets();
}

void frmMain::syncWidgets()
{
    m_syncing = true;
    const MainDisplay& d = m_display;
    m_mapView->setGeometry(TwipsGeometry::ToPixels(d.imgMap.left, d.imgMap.top, d.imgMap.width,
                                                   d.imgMap.height));
    m_mapView->layerTaken(m_layer.take(d));
    m_mapView->recheckPointer();
    followBalloon();

    QStringList current;
    for (int i = 0; i < m_cboItems->count(); ++i)
        current.append(m_cboItems->itemText(i));
    if (current != d.cboItems.items) {
        m_cboItems->clear();
        m_cboItems->addItems(d.cboItems.items);
    }
    m_cboItems->setCurrentIndex(d.cboItems.listIndex);
    place(m_cboItems, d.cboItems);
    place(m_btnInfo, d.btnInfo);
    if (QAction* print = action(QStringLiteral("miPrint")))
        print->setEnabled(d.printEnabled);
    m_syncing = false;
}

void frmMain::onListActivated(int index)
{
    if (m_syncing || index < 0)
        return;
    m_display.SelectListIndex(index);
    syncDisplay();
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    applyResize();
}

void frmMain::applyResize()
{
    const QSize client = centralWidget()->size();
    if (client.isEmpty())
        return;
    const int w = PixelsToTwipsX(client.width()) + 90;
    const int h = PixelsToTwipsY(client.height()) + 800;
    if (w == m_display.windowWidth() && h == m_display.windowHeight() && m_display.dropDownHeight)
        return;
    onResize();
}

void frmMain::onResize()
{
    const QSize client = centralWidget()->size();
    const bool ok = m_display.Resize(PixelsToTwipsX(client.width()) + 90,
                                     PixelsToTwipsY(client.height()) + 800);
    ComboBox_Height::SetComboBoxHeight(this, m_cboItems, m_display.dropDownHeight);
    syncDisplay();
    if (!ok)
        RestoreStartImage();
    replayResultsOnMap();
    emit mapAreaResized();
}

void frmMain::resizeMapArea(int widthPixels, int heightPixels)
{
    // The menu bar may wrap onto more lines in a narrow window: adjust until the client
    // area has the asked size.
    int menuHeight = menuBar()->heightForWidth(widthPixels);
    if (menuHeight <= 0)
        menuHeight = menuBar()->sizeHint().height();
    resize(widthPixels, heightPixels + menuHeight);
    if (layout())
        layout()->activate();
    if (centralWidget()->height() != heightPixels && centralWidget()->height() > 0) {
        resize(width(), height() + heightPixels - centralWidget()->height());
        if (layout())
            layout()->activate();
    }
    // A docked result list takes its width beside the map area.
    if (centralWidget()->width() != widthPixels && centralWidget()->width() > 0) {
        resize(width() + widthPixels - centralWidget()->width(), height());
        if (layout())
            layout()->activate();
    }
    centralWidget()->resize(widthPixels, heightPixels);
    onResize();
}

QImage frmMain::renderMapArea() const
{
    QWidget* area = centralWidget();
    QImage image(area->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    area->render(&image);
    return image;
}

PrintPage frmMain::printPage() const
{
    return PrintPage(centralWidget()->size(), [this](QPainter& painter) {
        QWidget* area = centralWidget();
        // Stacked as on screen: the map, then the controls above it.
        for (QObject* child : area->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget || widget->isHidden() || widget->isWindow())
                continue;
            if (widget == m_mapView) {
                painter.save();
                painter.translate(m_mapView->pos());
                m_mapView->paintForPrinter(painter);
                painter.restore();
            } else {
                widget->render(&painter, widget->pos(), QRegion(), QWidget::DrawChildren);
            }
        }
    });
}
