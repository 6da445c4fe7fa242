#include "controls/BalloonWindow.h"
#include "controls/clsToolTipDeluxe.h"

#include <QApplication>
#include <QJsonObject>
#include <QPalette>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Counts how often the object filters an event, to see whether filters pile up.
class CountingTip : public clsToolTipDeluxe
{
public:
    int filtered = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        ++filtered;
        return clsToolTipDeluxe::eventFilter(watched, event);
    }
};

class CountingWidget : public QWidget
{
public:
    using QWidget::QWidget;
    int destroyedReceivers() const { return receivers(SIGNAL(destroyed(QObject*))); }
};

BalloonWindow* tipWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* tip = qobject_cast<BalloonWindow*>(w))
            return tip;
    return nullptr;
}

quint32 colourRef(const QColor& c)
{
    return quint32(c.red()) | quint32(c.green()) << 8 | quint32(c.blue()) << 16;
}

// A window with one hover target in the middle and room around it.
struct HoverScene
{
    QWidget window;
    QWidget* target = nullptr;
    QWidget* elsewhere = nullptr;
    HoverScene()
    {
        window.resize(400, 300);
        window.move(100, 100);
        target = new QWidget(&window);
        target->setObjectName("DOT:3");
        target->setGeometry(100, 80, 40, 20);
        elsewhere = new QWidget(&window);
        elsewhere->setGeometry(300, 250, 40, 20);
        window.show();
    }
};

} // namespace

class TestToolTip : public QObject
{
    Q_OBJECT

private slots:
    void timesAreClamped_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("above range") << 40000 << 32767;
        QTest::newRow("upper bound") << 32767 << 32767;
        QTest::newRow("negative") << -5 << 0;
        QTest::newRow("inside") << 1234 << 1234;
    }
    void timesAreClamped()
    {
        QFETCH(int, value);
        QFETCH(int, expected);
        QWidget owner;
        clsToolTipDeluxe tip;
        tip.Create(&owner, true, true);
        tip.VisibleTime(value);
        tip.DelayTime(value);
        QCOMPARE(tip.objectState().value("visibleTime").toInt(), expected);
        QCOMPARE(tip.objectState().value("delayTime").toInt(), expected);
    }

    void settersBeforeCreateHaveNoEffectExceptMaxWidth()
    {
        QWidget owner;
        QWidget control(&owner);
        clsToolTipDeluxe tip;
        const QJsonObject before = tip.objectState();
        const QJsonObject balloonBefore = tip.balloonState();
        QFont font("Serif");
        font.setPointSize(20);
        font.setItalic(true);

        tip.VisibleTime(111);
        tip.DelayTime(222);
        tip.ToolTipTextColor(0x0000FF);
        tip.ToolTipBackColor(0x00FF00);
        tip.SetToolTipTitle("Title", 2);
        tip.Font(&font);
        tip.AddControl(&control, "text");
        tip.MaxWidth(123);
        tip.Create(&owner, true, true);

        const QJsonObject state = tip.objectState();
        QCOMPARE(state.value("maxWidth").toInt(), 123);
        QCOMPARE(state.value("visibleTime"), before.value("visibleTime"));
        QCOMPARE(state.value("delayTime"), before.value("delayTime"));
        QCOMPARE(tip.balloonState(), balloonBefore);
        QCOMPARE(tip.balloonState().value("control").toString(), QString());
        QVERIFY(tipWindow());
        QCOMPARE(tipWindow()->look().maxWidth, 123);
        QVERIFY(tipWindow()->look().title.isEmpty());
    }

    void stateShowsWhatWasSet()
    {
        QWidget owner;
        QWidget control(&owner);
        control.setObjectName("btnInfo");
        clsToolTipDeluxe tip;
        tip.Create(&owner, true, false);
        tip.ToolTipTextColor(0x80000017);
        tip.ToolTipBackColor(0x123456);
        tip.SetToolTipTitle("Wolf", 1);
        QFont font("MS Sans Serif");
        font.setPointSize(9);
        tip.Font(&font);
        tip.AddControl(&control, "first");
        tip.AddControl(&control, "second");

        const QJsonObject balloon = tip.balloonState();
        QCOMPARE(balloon.value("control").toString(), QString("btnInfo"));
        QCOMPARE(balloon.value("text").toString(), QString("second"));
        QCOMPARE(balloon.value("title").toString(), QString("Wolf"));
        QCOMPARE(balloon.value("icon").toInt(), 1);
        QCOMPARE(balloon.value("textColor").toInteger(), qint64(0x80000017));
        QCOMPARE(balloon.value("backColor").toInteger(), qint64(0x123456));
        const QJsonObject f = balloon.value("font").toObject();
        QCOMPARE(f.value("name").toString(), QString("MS Sans Serif"));
        QCOMPARE(f.value("size").toDouble(), 9.0);
        QCOMPARE(f.value("italic").toBool(), false);
        QCOMPARE(tip.objectState().value("balloon").toBool(), false);
        QCOMPARE(tip.objectState().value("alwaysTip").toBool(), true);

        // The drawn tip uses the system colour the reference names, and the plain RGB value.
        QCOMPARE(colourRef(tipWindow()->look().text),
                 colourRef(QApplication::palette().color(QPalette::Active, QPalette::ToolTipText)));
        QCOMPARE(tipWindow()->look().back, QColor(0x56, 0x34, 0x12));
    }

    void fontHeight_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("height");
        QTest::newRow("9 pt at 96 dpi") << 9.0 << 96 << -12;
        QTest::newRow("8 pt rounds the height") << 8.0 << 96 << -11;
        QTest::newRow("points rounded first") << 9.4 << 96 << -12;
        QTest::newRow("10 pt at 120 dpi") << 10.0 << 120 << -17;
        QTest::newRow("9 pt at 144 dpi") << 9.0 << 144 << -18;
    }
    void fontHeight()
    {
        QFETCH(double, points);
        QFETCH(int, dpi);
        QFETCH(int, height);
        QCOMPARE(clsToolTipDeluxe::FontHeight(points, dpi), height);
    }

    void fontKeepsStyleAndMapsWindowsFamilies()
    {
        QWidget owner;
        clsToolTipDeluxe tip;
        tip.Create(&owner, true, true);
        QFont font("MS Sans Serif");
        font.setPointSize(9);
        font.setBold(true);
        font.setItalic(true);
        tip.Font(&font);
        const QFont shown = tipWindow()->look().font;
        const int dpi = qRound(owner.screen()->logicalDotsPerInchY());
        QCOMPARE(shown.pixelSize(), -clsToolTipDeluxe::FontHeight(9, dpi));
        QVERIFY(shown.bold());
        QVERIFY(shown.italic());
        QVERIFY(!shown.families().contains("MS Sans Serif"));

        tip.Font(nullptr);  // nothing: the previous font stays
        QCOMPARE(tipWindow()->look().font, shown);
    }

    void systemColours_data()
    {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<int>("role");  // -1: returned unchanged
        QTest::newRow("tooltip background") << 0x80000018u << int(QPalette::ToolTipBase);
        QTest::newRow("tooltip text") << 0x80000017u << int(QPalette::ToolTipText);
        QTest::newRow("window") << 0x80000005u << int(QPalette::Base);
        QTest::newRow("window text") << 0x80000008u << int(QPalette::Text);
        QTest::newRow("button face") << 0x8000000Fu << int(QPalette::Button);
        QTest::newRow("plain colour") << 0x00123456u << -1;
        QTest::newRow("other high byte") << 0x01000017u << -1;
    }
    void systemColours()
    {
        QFETCH(quint32, colour);
        QFETCH(int, role);
        const quint32 expected =
            role < 0 ? colour
                     : colourRef(QApplication::palette().color(QPalette::Active,
                                                               QPalette::ColorRole(role)));
        QCOMPARE(clsToolTipDeluxe::TranslateSystemColour(colour), expected);
    }

    void unknownSystemColourIsBlack()
    {
        QCOMPARE(clsToolTipDeluxe::TranslateSystemColour(0x80000000u | 99), 0u);
    }

    void repeatedRegistrationsDoNotPileUp()
    {
        QWidget owner;
        auto* control = new CountingWidget(&owner);
        CountingTip tip;
        tip.Create(&owner, true, true);
        tip.AddControl(control, "once");
        const int tipChildren = tip.children().size();
        const int ownerChildren = owner.children().size();
        const int controlChildren = control->children().size();
        const int topLevels = QApplication::topLevelWidgets().size();

        for (int i = 0; i < 1000; ++i) {
            tip.AddControl(control, QString("text %1").arg(i));
            tip.ToolTipBackColor(0x80000018);
            tip.SetToolTipTitle("Title", 1);
            QFont font("MS Sans Serif", 9);
            tip.Font(&font);
        }

        QCOMPARE(tip.children().size(), tipChildren);
        QCOMPARE(owner.children().size(), ownerChildren);
        QCOMPARE(control->children().size(), controlChildren);
        QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
        QCOMPARE(control->destroyedReceivers(), 1);
        tip.filtered = 0;
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(control, &leave);
        QCOMPARE(tip.filtered, 1);
        QCOMPARE(tip.balloonState().value("text").toString(), QString("text 999"));
    }

    void destroyedControlIsForgotten()
    {
        QWidget owner;
        auto* control = new QWidget(&owner);
        control->setObjectName("DOT:1");
        clsToolTipDeluxe tip;
        tip.Create(&owner, true, true);
        tip.AddControl(control, "text");
        delete control;
        QCOMPARE(tip.balloonState().value("control").toString(), QString());
        tip.showTipFor(control);  // a stale pointer is not used
        QVERIFY(!tip.isTipVisible());
    }

    void tipShowsAfterDelayAndHidesWhenPointerLeaves()
    {
        HoverScene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        clsToolTipDeluxe tip;
        tip.Create(&scene.window, true, true);
        tip.MaxWidth(150);
        tip.DelayTime(300);
        tip.VisibleTime(10000);
        tip.SetToolTipTitle("Wolf", 1);
        tip.AddControl(scene.target,
                       "A grey wolf that hunts in packs along the northern roads.\r\nDangerous.");

        QTest::mouseMove(scene.target, QPoint(20, 10));
        QTest::qWait(100);
        QVERIFY(!tip.isTipVisible());
        QTRY_VERIFY_WITH_TIMEOUT(tip.isTipVisible(), 2000);

        BalloonWindow* window = tipWindow();
        QVERIFY(window);
        // The text wraps at the maximum width; only the bubble's margins come on top.
        QVERIFY(window->width() > 150);
        QVERIFY(window->width() <= 150 + 40);
        // Several lines: the text wrapped instead of growing past the maximum width.
        QVERIFY(window->bubbleRect().height() > 4 * QFontMetrics(window->look().font).height());
        // The stem's point touches the control's lower edge.
        const QRect target(scene.target->mapToGlobal(QPoint(0, 0)), scene.target->size());
        QVERIFY(window->stemOnTop());
        QCOMPARE(window->geometry().top(), target.bottom() + 1);
        QVERIFY(window->geometry().left() <= target.right());

        QTest::mouseMove(scene.elsewhere, QPoint(5, 5));
        QTRY_VERIFY_WITH_TIMEOUT(!tip.isTipVisible(), 1000);
    }

    void tipHidesAfterVisibleTime()
    {
        HoverScene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        clsToolTipDeluxe tip;
        tip.Create(&scene.window, true, true);
        tip.DelayTime(0);
        tip.VisibleTime(200);
        tip.AddControl(scene.target, "short");
        QTest::mouseMove(scene.target, QPoint(5, 5));
        QTRY_VERIFY_WITH_TIMEOUT(tip.isTipVisible(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!tip.isTipVisible(), 2000);
    }

    void registrationWhilePointerRestsShowsTip()
    {
        // The main window registers from its mouse-move handler, after the pointer entered.
        HoverScene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        QTest::mouseMove(scene.target, QPoint(5, 5));
        QTRY_VERIFY(scene.target->underMouse());
        clsToolTipDeluxe tip;
        tip.Create(&scene.window, true, true);
        tip.DelayTime(50);
        tip.AddControl(scene.target, "late");
        QTRY_VERIFY_WITH_TIMEOUT(tip.isTipVisible(), 1000);
        QCOMPARE(tipWindow()->text(), QString("late"));
    }

    void emptyTextShowsNoTip()
    {
        HoverScene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        clsToolTipDeluxe tip;
        tip.Create(&scene.window, true, true);
        tip.DelayTime(0);
        tip.AddControl(scene.target, QString());
        QTest::mouseMove(scene.target, QPoint(5, 5));
        QTest::qWait(150);
        QVERIFY(!tip.isTipVisible());
    }

    void inactiveWindowShowsTipsOnlyWithAlwaysTip_data()
    {
        QTest::addColumn<bool>("alwaysTip");
        QTest::newRow("always") << true;
        QTest::newRow("active only") << false;
    }
    void inactiveWindowShowsTipsOnlyWithAlwaysTip()
    {
        QFETCH(bool, alwaysTip);
        HoverScene scene;
        QWidget other;
        other.setGeometry(600, 100, 100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!scene.window.isActiveWindow());

        clsToolTipDeluxe tip;
        tip.Create(&scene.window, alwaysTip, true);
        tip.DelayTime(0);
        tip.AddControl(scene.target, "text");
        QTest::mouseMove(scene.target, QPoint(5, 5));
        QTest::qWait(150);
        QCOMPARE(tip.isTipVisible(), alwaysTip);
    }

    void anAreaOfASurfaceHasItsOwnTip()
    {
        // A widget that draws several things (a map's markers): the tip belongs to one area.
        HoverScene scene;
        scene.window.setMouseTracking(true);
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        clsToolTipDeluxe tip;
        tip.Create(&scene.window, true, true);
        tip.DelayTime(0);
        const QRect area(200, 40, 11, 11);
        const QPoint off(20, 20);
        tip.AddArea(&scene.window, area, "DOT:7", "Marker");
        QCOMPARE(tip.balloonState().value("control").toString(), QString("DOT:7"));

        QTest::mouseMove(&scene.window, off);
        QTest::qWait(100);
        QVERIFY(!tip.isTipVisible());
        QTest::mouseMove(&scene.window, area.center());
        QTRY_VERIFY_WITH_TIMEOUT(tip.isTipVisible(), 1000);
        QCOMPARE(tipWindow()->geometry().top(), scene.window.mapToGlobal(area.bottomLeft()).y() + 1);

        // A click puts it away until the pointer has left the area.
        QTest::mouseClick(&scene.window, Qt::LeftButton, {}, area.center());
        QVERIFY(!tip.isTipVisible());
        QTest::mouseMove(&scene.window, area.center() + QPoint(1, 1));
        QTest::qWait(100);
        QVERIFY(!tip.isTipVisible());
        QTest::mouseMove(&scene.window, off);
        QTest::mouseMove(&scene.window, area.center());
        QTRY_VERIFY_WITH_TIMEOUT(tip.isTipVisible(), 1000);

        // What the area stood for has gone: so has the tip; the registration stays on record.
        tip.RemoveControl(&scene.window);
        QVERIFY(!tip.isTipVisible());
        QTest::mouseMove(&scene.window, area.center() + QPoint(1, 0));
        QTest::qWait(100);
        QVERIFY(!tip.isTipVisible());
        QCOMPARE(tip.balloonState().value("text").toString(), QString("Marker"));
    }

    void titleLineAndItsRemoval()
    {
        QWidget owner;
        owner.setGeometry(100, 100, 200, 200);
        auto* control = new QWidget(&owner);
        control->setGeometry(10, 10, 20, 20);
        owner.show();
        clsToolTipDeluxe tip;
        tip.Create(&owner, true, true);
        tip.AddControl(control, "one line");

        tip.showTipFor(control);
        const int plain = tipWindow()->bubbleRect().height();
        tip.SetToolTipTitle("Title", 3);
        tip.showTipFor(control);
        const int titled = tipWindow()->bubbleRect().height();
        tip.SetToolTipTitle(QString(), 3);
        tip.showTipFor(control);

        QVERIFY(titled > plain);
        QCOMPARE(tipWindow()->bubbleRect().height(), plain);
    }

    void lineBreaksAndRectangularShape()
    {
        QWidget owner;
        owner.setGeometry(100, 100, 200, 200);
        auto* control = new QWidget(&owner);
        control->setGeometry(10, 10, 20, 20);
        owner.show();
        clsToolTipDeluxe tip;
        tip.Create(&owner, true, false);
        tip.AddControl(control, "one");
        tip.showTipFor(control);
        const int oneLine = tipWindow()->height();
        // No stem: the whole window is the rectangle.
        QCOMPARE(tipWindow()->bubbleRect().size(), tipWindow()->size());

        tip.AddControl(control, "one\r\ntwo");
        tip.showTipFor(control);
        const int lineHeight = QFontMetrics(tipWindow()->look().font).height();
        QVERIFY(tipWindow()->height() >= oneLine + lineHeight - 1);
    }
};

QTEST_MAIN(TestToolTip)
#include "test_tooltip.moc"
