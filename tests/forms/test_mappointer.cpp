// The pointer on the drawn map: markers and names react as the controls they stand for, and
// the forwarding surface that makes them do so.
#include "controls/TwipsGeometry.h"
#include "controls/clsToolTipDeluxe.h"
#include "forms/main/ProxyPointer.h"
#include "forms/main/frmMain.h"
#include "modules/Globals.h"
#include "modules/LOCAL.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"

#include <QToolTip>
#include <QtTest>
#include <memory>

namespace {

// Records the pointer events a proxy receives.
class Recorder : public QWidget
{
public:
    using QWidget::QWidget;
    QList<QEvent::Type> events;
    QPoint lastPosition;

protected:
    bool event(QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::ToolTip:
            events.append(e->type());
            break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            events.append(e->type());
            lastPosition = static_cast<QMouseEvent*>(e)->position().toPoint();
            break;
        default:
            break;
        }
        return QWidget::event(e);
    }
};

// The drawing surface; counts the presses that stay with it.
class Surface : public QWidget
{
public:
    using QWidget::QWidget;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

// A surface that "draws" two controls, A at 10,10 and B at 60,10 (40 x 20 each), whose
// proxies sit in a parent without size as the main window keeps them.
struct Scene
{
    QWidget window;
    Surface* surface = nullptr;
    Recorder* a = nullptr;
    Recorder* b = nullptr;
    bool bDrawn = true;
    std::unique_ptr<ProxyPointer> pointer;

    Scene()
    {
        window.resize(200, 100);
        surface = new Surface(&window);
        surface->setGeometry(0, 0, 200, 100);
        auto* shelf = new QWidget(&window);
        shelf->setGeometry(0, 0, 0, 0);
        shelf->setAttribute(Qt::WA_NoMousePropagation);
        a = new Recorder(shelf);
        a->setGeometry(10, 10, 40, 20);
        a->setMouseTracking(true); // as the map's controls: moves without a button held
        a->setCursor(Qt::PointingHandCursor);
        a->setToolTip("Alpha");
        b = new Recorder(shelf);
        b->setGeometry(60, 10, 40, 20);
        b->setMouseTracking(true);
        pointer = std::make_unique<ProxyPointer>(surface, [this](const QPoint& p) -> QWidget* {
            if (QRect(10, 10, 40, 20).contains(p))
                return a;
            if (bDrawn && QRect(60, 10, 40, 20).contains(p))
                return b;
            return nullptr;
        });
        window.show();
    }
    void clear()
    {
        a->events.clear();
        b->events.clear();
    }
};

using Events = QList<QEvent::Type>;

// Caldora caves: a plain place, a special one, a disabled key.
const QString kCaldora = QStringLiteral("[caves]\n"
                                        "Wolfshöhle=512,384\n"
                                        "Grotte=100,100,*\n"
                                        "/Alt=300,300\n");
const QString kInfo = QStringLiteral("[info]\n"
                                     "wolfshöhle=Hier wohnen Wölfe.\\nViele.\n"
                                     "grotte=Feucht.\n");

bool near(QRgb pixel, const QColor& colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

} // namespace

class TestMapPointer : public QObject
{
    Q_OBJECT

    std::unique_ptr<Services> m_services = RecordingServices();

private:
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<frmMain> m_main;

    frmMain& main() { return *m_main; }
    QWidget* imgMap() { return main().mapArea()->findChild<QWidget*>("imgMap"); }

    // The window as the program starts it, shown, with the caves of Caldora all at once.
    void start(bool hideLabels = false)
    {
        m_main.reset();
        m_install = std::make_unique<TestInstall>();
        m_install->writeMinimalInstallation(kCaldora, "[general]\nlanguage=\n");
        m_install->writeText("info.data", kInfo);
        m_install->writeText("registry.ini",
                             "[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
        qputenv("KARVENNA_REGISTRY", m_install->file("registry.ini").toUtf8());
        G().ProgramFolder = m_install->path();
        LOCAL::State().LanguageName = QStringLiteral("Deutsch");
        m_services = RecordingServices();
        m_main = std::make_unique<frmMain>(*m_services);
        m_main->Create();
        QVERIFY(m_main->Load());
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        const MapFiles& caldora = m_main->maps()[0];
        m_main->ChangeMulti(caldora.picture, caldora.dataFile, "caves", "&Caldora: &Höhlen",
                            hideLabels);
    }

    // Centre of a control of the model, in the map view's pixels.
    QPoint centreOf(const ControlState& c)
    {
        const QRect r = TwipsGeometry::ToPixels(c.left, c.top, c.width, c.height);
        return imgMap()->mapFrom(main().mapArea(), r.center());
    }
    QRect pixelsOf(const ControlState& c)
    {
        return TwipsGeometry::ToPixels(c.left, c.top, c.width, c.height);
    }
    // A spot of the map far from every marker and name.
    QPoint emptySpot() { return QPoint(5, imgMap()->height() - 5); }

private slots:
    void cleanup()
    {
        m_main.reset();
        m_services = RecordingServices();
    }

    // The forwarding surface

    void proxiesGetEnterMovesAndLeaveAsThePointerGoes()
    {
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        QTest::mouseMove(scene.surface, QPoint(150, 80));
        scene.clear();

        QTest::mouseMove(scene.surface, QPoint(20, 15));
        QCOMPARE(scene.a->events, (Events{QEvent::Enter, QEvent::MouseMove}));
        QCOMPARE(scene.a->lastPosition, QPoint(10, 5)); // in the proxy's own coordinates
        QVERIFY(scene.a->underMouse());
        QCOMPARE(scene.pointer->hovered(), scene.a);
        QCOMPARE(scene.surface->cursor().shape(), Qt::PointingHandCursor);

        scene.clear();
        QTest::mouseMove(scene.surface, QPoint(70, 15));
        QCOMPARE(scene.a->events, (Events{QEvent::Leave}));
        QCOMPARE(scene.b->events, (Events{QEvent::Enter, QEvent::MouseMove}));
        QVERIFY(!scene.a->underMouse());
        // B has no cursor of its own: the surface's shows.
        QVERIFY(!scene.surface->testAttribute(Qt::WA_SetCursor));

        scene.clear();
        QTest::mouseMove(scene.surface, QPoint(150, 80));
        QCOMPARE(scene.b->events, (Events{QEvent::Leave}));
        QCOMPARE(scene.pointer->hovered(), nullptr);
    }

    void buttonsOnAControlStayWithIt()
    {
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        QTest::mousePress(scene.surface, Qt::RightButton, {}, QPoint(20, 15));
        QVERIFY(scene.a->events.contains(QEvent::MouseButtonPress));
        QCOMPARE(scene.surface->presses, 0);
        QTest::mouseRelease(scene.surface, Qt::RightButton, {}, QPoint(20, 15));

        QTest::mouseDClick(scene.surface, Qt::LeftButton, {}, QPoint(70, 15));
        // QtTest keeps the button down after a double click on a widget.
        QTest::mouseRelease(scene.surface, Qt::LeftButton, {}, QPoint(70, 15));
        QVERIFY(scene.b->events.contains(QEvent::MouseButtonDblClick));
        QCOMPARE(scene.surface->presses, 0);

        QTest::mousePress(scene.surface, Qt::RightButton, {}, QPoint(150, 80));
        QCOMPARE(scene.surface->presses, 1);
        QTest::mouseRelease(scene.surface, Qt::RightButton, {}, QPoint(150, 80));
    }

    void aControlThatGoesAwayUnderARestingPointerIsLeft()
    {
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        QTest::mouseMove(scene.surface, QPoint(70, 15));
        QCOMPARE(scene.pointer->hovered(), scene.b);
        scene.clear();
        scene.pointer->recheck(); // still drawn: nothing happens
        QVERIFY(scene.b->events.isEmpty());
        scene.bDrawn = false;
        scene.pointer->recheck();
        QCOMPARE(scene.b->events, (Events{QEvent::Leave}));
        QCOMPARE(scene.pointer->hovered(), nullptr);
    }

    void tooltipRequestsGoToTheControl()
    {
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        QHelpEvent onA(QEvent::ToolTip, QPoint(20, 15), scene.surface->mapToGlobal(QPoint(20, 15)));
        QCoreApplication::sendEvent(scene.surface, &onA);
        QVERIFY(scene.a->events.contains(QEvent::ToolTip));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Alpha"));

        QHelpEvent onB(QEvent::ToolTip, QPoint(70, 15), scene.surface->mapToGlobal(QPoint(70, 15)));
        QCoreApplication::sendEvent(scene.surface, &onB);
        QVERIFY(scene.b->events.contains(QEvent::ToolTip));
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // The main window's drawn markers and names

    void restingOnAPaintedMarkerShowsItsBalloonAfterTheDelay()
    {
        start();
        clsToolTipDeluxe* tip = main().toolTip();
        tip->DelayTime(800); // long enough to see the tip wait for it
        const MarkerState& dot = main().display().DOT[0];
        QTest::mouseMove(imgMap(), centreOf(dot));
        QCOMPARE(imgMap()->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!tip->isTipVisible());
        QTRY_VERIFY_WITH_TIMEOUT(tip->isTipVisible(), 3000);
        const QJsonObject balloon = tip->balloonState();
        QCOMPARE(balloon["control"].toString(), QString("DOT:0"));
        QCOMPARE(balloon["title"].toString(), QString("Wolfshöhle"));
        QCOMPARE(balloon["text"].toString(), QString("Hier wohnen Wölfe.\r\nViele."));
        // The marker's widget stands where the marker is drawn, for the balloon's stem.
        QWidget* proxy = main().mapArea()->findChild<QWidget*>("DOT:0");
        QCOMPARE(QRect(proxy->mapTo(main().mapArea(), QPoint(0, 0)), proxy->size()), pixelsOf(dot));

        QTest::mouseMove(imgMap(), emptySpot());
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isTipVisible(), 2000);
        QVERIFY(!imgMap()->testAttribute(Qt::WA_SetCursor));
    }

    void hiddenMarkersDoNotReact()
    {
        start();
        const QPoint spot = centreOf(main().display().DOT[1]);
        main().ClearUI();
        QCOMPARE(main().controlAt(imgMap()->mapTo(main().mapArea(), spot)), nullptr);
        QTest::mouseMove(imgMap(), spot);
        QTest::qWait(400);
        QCOMPARE(main().toolTip()->balloonState()["control"].toString(), QString());
        QVERIFY(!main().toolTip()->isTipVisible());
        // The disabled key's marker was never shown.
        QVERIFY(!main().mapArea()->findChild<QWidget*>("DOT:2")->isVisible());
    }

    void pointingAtAMarkerShowsOnlyItsHiddenName()
    {
        start(true);
        const MainDisplay& d = main().display();
        QVERIFY(!d.lblDOT[0].visible && !d.lblDOT[1].visible);
        QTest::mouseMove(imgMap(), centreOf(d.DOT[0]));
        QVERIFY(d.lblDOT[0].visible);
        // The name is drawn: gold where it stands.
        const QRect name = pixelsOf(d.lblDOT[0]);
        QCOMPARE(main().renderMapArea().pixel(name.topLeft()), QColor(255, 215, 0).rgb());

        QTest::mouseMove(imgMap(), emptySpot());
        QTest::mouseMove(imgMap(), centreOf(d.DOT[1]));
        QVERIFY(!d.lblDOT[0].visible);
        QVERIFY(d.lblDOT[1].visible);
        QVERIFY(main().renderMapArea().pixel(name.topLeft()) != QColor(255, 215, 0).rgb());
    }

    void restingOnAPaintedNameGivesItsShortDescription()
    {
        start();
        const LabelState& label = main().display().lblDOT[1];
        QTest::mouseMove(imgMap(), centreOf(label));
        QCOMPARE(label.toolTip, QString("Feucht...."));
        QCOMPARE(main().mapArea()->findChild<QWidget*>("lblDOT:1")->toolTip(), label.toolTip);
        const QPoint at = centreOf(label);
        QHelpEvent help(QEvent::ToolTip, at, imgMap()->mapToGlobal(at));
        QCoreApplication::sendEvent(imgMap(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Feucht...."));
        QToolTip::hideText();
    }

    void doubleClickOnAPaintedControlOpensTheInformationWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("subject");
        QTest::newRow("name") << "lblDOT:0"
                              << " Wolfshöhle ";
        QTest::newRow("marker") << "DOT:1"
                                << "Grotte";
    }
    void doubleClickOnAPaintedControlOpensTheInformationWindow()
    {
        QFETCH(QString, control);
        QFETCH(QString, subject);
        start();
        const MainDisplay& d = main().display();
        const int index = control.section(':', 1).toInt();
        const QPoint at =
            control.startsWith("lbl") ? centreOf(d.lblDOT[index]) : centreOf(d.DOT[index]);
        QTest::mouseDClick(imgMap(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(imgMap(), Qt::LeftButton, {}, at);
        QCOMPARE(main().display().InfoSubject, subject);
        const QJsonArray dialogs = m_services->record.dialogs();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs.last()["name"].toString(), QString("frmInfo"));
    }

    void rightClickGivesTheMapMenuOffTheMarkersOnly()
    {
        start();
        const QPoint marker = centreOf(main().display().DOT[0]);
        QTest::mousePress(imgMap(), Qt::RightButton, {}, marker);
        QCOMPARE(main().lastPopupMenu(), QString());
        QTest::mouseRelease(imgMap(), Qt::RightButton, {}, marker);
        QTest::mousePress(imgMap(), Qt::RightButton, {}, emptySpot());
        QCOMPARE(main().lastPopupMenu(), QString("mnuCaldora"));
        QTest::mouseRelease(imgMap(), Qt::RightButton, {}, emptySpot());
    }

    void renderedMapShowsMarkersAndNamesInTheirColours()
    {
        start();
        const MainDisplay& d = main().display();
        const QImage image = main().renderMapArea();
        const QRect plain = pixelsOf(d.DOT[0]);
        const QRect special = pixelsOf(d.DOT[1]);
        const QColor gold(255, 215, 0), red(192, 0, 0), green(34, 139, 34);
        QVERIFY(near(image.pixel(plain.center()), gold, 10));
        QVERIFY(near(image.pixel(plain.left() + 1, plain.center().y()), red, 40));
        QVERIFY(near(image.pixel(special.left() + 1, special.center().y()), green, 40));
        QCOMPARE(image.pixel(pixelsOf(d.lblDOT[1]).topLeft()), gold.rgb());
        QCOMPARE(image.pixel(pixelsOf(d.lblMultiInfo).topLeft()), red.rgb());

        main().ClearUI();
        const QImage cleared = main().renderMapArea();
        QVERIFY(!near(cleared.pixel(plain.center()), gold, 10));
        QVERIFY(near(cleared.pixel(plain.center()), QColor(200, 180, 140), 12));
    }
};

QTEST_MAIN(TestMapPointer)
#include "test_mappointer.moc"
