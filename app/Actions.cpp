#include "app/Actions.h"

#include "controls/ModalRunner.h"
#include "forms/main/frmMain.h"
#include "platform/Automation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMetaObject>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

using Handler = void (*)(frmMain&, const QString&);

void refuse(const QString& option, const QString& value, const QString& why)
{
    Automation::instance().recordError(QStringLiteral("--%1 %2: %3").arg(option, value, why).trimmed());
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

bool choose(frmMain& main, const QString& name, const QString& option)
{
    QAction* action = main.action(name);
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

template <typename T>
T* child(QDialog* dialog, const char* name)
{
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

bool click(QDialog* dialog, const char* name)
{
    auto* button = child<QAbstractButton>(dialog, name);
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

// --find-mode applies to the next --find.
QString g_findMode;

void open(frmMain& m, const QString& v) { choose(m, v, QStringLiteral("open")); }

void pick(frmMain& m, const QString& v)
{
    const ListState& list = m.display().cboItems;
    const int index = list.visible ? list.items.indexOf(v) : -1;
    if (index < 0)
        return refuse(QStringLiteral("pick"), v, QStringLiteral("no such line"));
    m.display().SelectListIndex(index);
    m.syncDisplay();
}

void pickIndex(frmMain& m, const QString& v)
{
    const ListState& list = m.display().cboItems;
    const int index = v.toInt();
    if (!list.visible || index < 0 || index >= list.items.size())
        return refuse(QStringLiteral("pick-index"), v, QStringLiteral("no such line"));
    m.display().SelectListIndex(index);
    m.syncDisplay();
}

// A marker or name of the map by the name the actions give it: "DOT:i", "lblDOT:i", "ITEM",
// "lblCaption". A hit of kind None for any other name.
LayerHit mapControl(const QString& name)
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

void hover(frmMain& m, const QString& v)
{
    const LayerHit control = mapControl(v);
    const bool done = v == QLatin1String("btnInfo") ? m.hoverInfoButton() : control && m.hover(control);
    if (!done)
        refuse(QStringLiteral("hover"), v, QStringLiteral("control not visible"));
}

void dblclick(frmMain& m, const QString& v)
{
    const LayerHit control = mapControl(v);
    if (!control || !m.doubleClick(control))
        refuse(QStringLiteral("dblclick"), v, QStringLiteral("control not visible"));
}

void clickControl(frmMain& m, const QString& v)
{
    if (v != QLatin1String("btnInfo") || !m.display().btnInfo.visible)
        return refuse(QStringLiteral("click"), v, QStringLiteral("control not visible"));
    m.clickInfoButton();
}

void rightClick(frmMain& m, const QString& v)
{
    const QStringList xy = v.split(QLatin1Char(','));
    m.rightClick(QPoint(xy.value(0).toInt(), xy.value(1).toInt()));
}

void resize(frmMain& m, const QString& v)
{
    const QStringList wh = v.toLower().split(QLatin1Char('x'));
    m.resizeMapArea(wh.value(0).toInt(), wh.value(1).toInt());
}

void findMode(frmMain&, const QString& v) { g_findMode = v; }

void find(frmMain& m, const QString& term)
{
    const QString mode = g_findMode;
    g_findMode.clear();
    ModalRunner::SetPendingAnswer(QStringLiteral("frmFind"), [term, mode](QDialog* d) {
        if (mode == QLatin1String("descriptions"))
            click(d, "rbDescsOnly");
        else if (mode == QLatin1String("names"))
            click(d, "rbNamesOnly");
        if (auto* edit = child<QLineEdit>(d, "txtFind"))
            edit->setText(term);
        if (!click(d, "btnFind")) {
            refuse(QStringLiteral("find"), term, QStringLiteral("Find is disabled"));
            click(d, "btnAbort");
        }
    });
    choose(m, QStringLiteral("miFind"), QStringLiteral("find"));
}

void findCancel(frmMain& m, const QString&)
{
    ModalRunner::SetPendingAnswer(QStringLiteral("frmFind"), [](QDialog* d) { click(d, "btnAbort"); });
    choose(m, QStringLiteral("miFind"), QStringLiteral("find-cancel"));
}

void findAgain(frmMain& m, const QString&) { choose(m, QStringLiteral("miFindAgain"), QStringLiteral("find-again")); }

void perks(frmMain& m, const QString& v)
{
    const QString item = v.section(QLatin1Char(':'), 0, 0);
    const QString key = v.section(QLatin1Char(':'), 1);
    ModalRunner::SetPendingAnswer(QStringLiteral("frmPerks"), [v, key](QDialog* d) {
        if (key.isEmpty()) {
            click(d, "btnAbort");
            return;
        }
        auto* tree = child<QTreeWidget>(d, "tvPerks");
        QTreeWidgetItem* found = nullptr;
        if (tree)
            for (QTreeWidgetItemIterator it(tree); *it && !found; ++it)
                if ((*it)->data(0, Qt::UserRole).toString() == key)
                    found = *it;
        if (!found) {
            refuse(QStringLiteral("perks"), v, QStringLiteral("no such node"));
            click(d, "btnAbort");
            return;
        }
        tree->setCurrentItem(found);
        click(d, "btnShow");
    });
    choose(m, item, QStringLiteral("perks"));
}

void language(frmMain& m, const QString& stem)
{
    ModalRunner::SetPendingAnswer(QStringLiteral("frmLang"), [stem](QDialog* d) {
        bool selected = false;
        QMetaObject::invokeMethod(d, "selectRowByStem", Qt::DirectConnection,
                                  Q_RETURN_ARG(bool, selected), Q_ARG(QString, stem));
        if (!selected) {
            refuse(QStringLiteral("language"), stem, QStringLiteral("no such language row"));
            click(d, "btnAbort");
            return;
        }
        click(d, "btnSelect");
    });
    choose(m, QStringLiteral("mnuLanguage"), QStringLiteral("language"));
}

void extras(frmMain& m, const QString& file)
{
    ModalRunner::SetPendingAnswer(QStringLiteral("frmExtras"), [file](QDialog* d) {
        bool selected = false;
        QMetaObject::invokeMethod(d, "selectRowByTag", Qt::DirectConnection,
                                  Q_RETURN_ARG(bool, selected), Q_ARG(QString, file));
        if (!selected)
            refuse(QStringLiteral("extras"), file, QStringLiteral("no such row"));
        else
            click(d, "btnSelect");
        click(d, "btnAbort");
    });
    choose(m, QStringLiteral("mnuExtras"), QStringLiteral("extras"));
}

void print(frmMain& m, const QString& v)
{
    const QString printer = v.section(QLatin1Char(':'), 0, -2);
    const QString orientation = v.section(QLatin1Char(':'), -1).toLower();
    ModalRunner::SetPendingAnswer(QStringLiteral("frmPrint"), [v, printer, orientation](QDialog* d) {
        auto* list = child<QComboBox>(d, "cboPrinters");
        const int index = list ? list->findText(printer, Qt::MatchExactly) : -1;
        if (index < 0 || (orientation != QLatin1String("landscape") && orientation != QLatin1String("portrait"))) {
            refuse(QStringLiteral("print"), v, QStringLiteral("no such printer or orientation"));
            click(d, "btnCancel");
            return;
        }
        list->setCurrentIndex(index);
        click(d, orientation == QLatin1String("landscape") ? "rbQuerformat" : "rbHochformat");
        click(d, "btnPrint");
    });
    choose(m, QStringLiteral("miPrint"), QStringLiteral("print"));
}

void about(frmMain& m, const QString&)
{
    ModalRunner::SetPendingAnswer(QStringLiteral("frmAbout"), [](QDialog* d) { click(d, "btnOK"); });
    choose(m, QStringLiteral("miAbout"), QStringLiteral("about"));
}

struct ActionRow
{
    const char* option;
    bool takesValue;
    Handler handler;
};

const ActionRow kActions[] = {
    {"open", true, open},           {"pick", true, pick},
    {"pick-index", true, pickIndex}, {"hover", true, hover},
    {"dblclick", true, dblclick},   {"click", true, clickControl},
    {"right-click", true, rightClick}, {"resize", true, resize},
    {"find-mode", true, findMode},  {"find", true, find},
    {"find-cancel", false, findCancel}, {"find-again", false, findAgain},
    {"perks", true, perks},         {"language", true, language},
    {"extras", true, extras},       {"print", true, print},
    {"about", false, about},
};

const ActionRow* row(const QString& option)
{
    for (const ActionRow& r : kActions)
        if (option == QLatin1String(r.option))
            return &r;
    return nullptr;
}

} // namespace

bool Actions::IsAction(const QString& option, bool* takesValue)
{
    const ActionRow* r = row(option);
    if (r && takesValue)
        *takesValue = r->takesValue;
    return r != nullptr;
}

void Actions::Run(frmMain& main, const QString& option, const QString& value)
{
    if (const ActionRow* r = row(option))
        r->handler(main, value);
    ModalRunner::ClearPendingAnswers();
}
