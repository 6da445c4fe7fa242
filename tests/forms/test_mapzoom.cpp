// The zoomed map under a real pointer: the wheel zooms about the pointer, a drag pans while a
// click stays a click, markers and names answer where they are drawn at every zoom, and the
// view menu and the keys reach the same view. Events go through the window as the platform's.
#include "controls/TwipsGeometry.h"
#include "controls/clsToolTipDeluxe.h"
#include "forms/main/MapView.h"
#include "forms/lang/frmLang.h"
#include "forms/main/frmMain.h"
#include "modules/Session.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"
#include "ShownWindow.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

// Three places apart and a crowded corner of five.
const QString kCaldora = QStringLiteral("[caves]\n"
                                        "Wolfshöhle=512,384\n"
                                        "Grotte=100,100,*\n"
                                        "Kluft=900,650\n"
                                        "Lager A=300,600\nLager B=303,602\nLager C=306,604\n"
                                        "Lager D=309,606\nLager E=312,608\n");
const QString kInfo = QStringLiteral("[info]\nwolfshöhle=Hier wohnen Wölfe.\ngrotte=Feucht.\n");

} // namespace

class TestMapZoom : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<Services> m_services = RecordingServices();
    std::unique_ptr<frmMain> m_main;

    frmMain& main() { return *m_main; }
    MapView* imgMap() { return main().mapView(); }

    void start(bool asList = false)
    {
        m_main.reset();
        m_install = std::make_unique<TestInstall>();
        m_services = RecordingServices();
        m_main = StartShownWindow(m_session, *m_services, *m_install, kCaldora, kInfo);
        QVERIFY(m_main);
        ShowCaldoraCaves(*m_main, asList);
    }

    // Where a control is drawn now, in the map view's pixels.
    QPoint drawnCentre(const LayerHit& control) { return imgMap()->rectOf(control).center(); }
    QPoint inWindow(const QPoint& at) { return imgMap()->mapTo(m_main.get(), at); }
    void moveTo(const QPoint& at) { QTest::mouseMove(imgMap(), at); }
    void doubleClick(const QPoint& at)
    {
        QTest::mouseDClick(main().windowHandle(), Qt::LeftButton, {}, inWindow(at));
    }
    void drag(const QPoint& from, const QPoint& to)
    {
        QWindow* window = main().windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, inWindow(from));
        // In steps, as a hand moves.
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(window, inWindow(from + (to - from) * step / 4));
        QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(to));
    }
    void wheel(const QPoint& at, int eighths)
    {
        QWheelEvent event(at, imgMap()->mapToGlobal(at), QPoint(), QPoint(0, eighths),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(imgMap(), &event);
    }
    QStringList dialogNames()
    {
        QStringList names;
        for (const QJsonValue& dialog : m_services->record.dialogs())
            names.append(dialog["name"].toString());
        return names;
    }
    QRectF markerTwips(const ControlState& c) { return QRectF(c.left, c.top, c.width, c.height); }

private slots:
    void init() { m_session.userConfig.remove(QStringLiteral("view/declutter")); }

    void cleanup()
    {
        m_main.reset();
        m_services = RecordingServices();
    }

    void wheelZoomsAboutThePointerAndTheKeyGoesBack()
    {
        start();
        const QPoint at(200, 150);
        const QPointF under = imgMap()->view().toTwips(at);
        wheel(at, 120);
        wheel(at, 120);
        QCOMPARE(imgMap()->view().zoom(), 2.0);
        const QPointF stays = imgMap()->view().toPixel(under);
        QVERIFY(qAbs(stays.x() - at.x()) < 1e-6 && qAbs(stays.y() - at.y()) < 1e-6);
        wheel(at, -120);
        QCOMPARE(imgMap()->view().zoom(), std::sqrt(2.0));

        QTest::keyClick(m_main.get(), Qt::Key_0, Qt::ControlModifier);
        QVERIFY(imgMap()->view().isIdentity());
        QTest::keyClick(m_main.get(), Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(imgMap()->view().zoom() > 1.0);
        QTest::keyClick(m_main.get(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(imgMap()->view().zoom(), 1.0);
    }

    void markersAnswerWhereTheyAreDrawn_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("zoom 2") << 2.0;
        QTest::newRow("zoom 8") << 8.0;
    }
    void markersAnswerWhereTheyAreDrawn()
    {
        QFETCH(double, zoom);
        start();
        clsToolTipDeluxe* tip = main().toolTip();
        tip->DelayTime(0);
        const LayerHit dot{LayerHit::Kind::Dot, 0};
        const LayerHit name{LayerHit::Kind::DotLabel, 1};
        // About the marker's own spot: it stays in view at any zoom.
        imgMap()->zoomAbout(zoom, drawnCentre(dot));
        const QPoint marker = drawnCentre(dot);
        QVERIFY(imgMap()->rect().contains(marker));
        QCOMPARE(imgMap()->rectOf(dot).size(), QSize(11, 11)); // pixels, not zoomed

        moveTo(QPoint(3, 3));
        moveTo(marker);
        QCOMPARE(imgMap()->hovered(), dot);
        QCOMPARE(imgMap()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(tip->balloonState()["control"].toString(), QString("DOT:0"));
        QTRY_VERIFY_WITH_TIMEOUT(tip->isTipVisible(), 3000);
        doubleClick(marker);
        QCOMPARE(dialogNames(), QStringList{"frmInfo"});
        QCOMPARE(main().display().InfoSubject, QString("Wolfshöhle"));

        // The name of the marker at 100,100, zoomed into from the whole map about its marker.
        imgMap()->zoomTo(1.0);
        imgMap()->zoomAbout(zoom, drawnCentre({LayerHit::Kind::Dot, 1}));
        const QPoint label = drawnCentre(name);
        QVERIFY(imgMap()->rect().contains(label));
        moveTo(label);
        doubleClick(label);
        QCOMPARE(dialogNames(), (QStringList{"frmInfo", "frmInfo"}));
        QCOMPARE(main().display().InfoSubject, QString(" Grotte "));
        QCOMPARE(imgMap()->view().zoom(), zoom);

        // Off the markers the right button still brings the map's menu.
        const QPoint empty(imgMap()->width() - 3, imgMap()->height() - 3);
        QTest::mouseClick(main().windowHandle(), Qt::RightButton, {}, inWindow(empty));
        QCOMPARE(main().lastPopupMenu(), QString("mnuCaldora"));
    }

    void dragPansAndAClickStaysAClick()
    {
        start();
        // At the whole map a drag moves nothing.
        drag(QPoint(300, 300), QPoint(200, 250));
        QVERIFY(imgMap()->view().isIdentity());

        imgMap()->zoomTo(4.0);
        const QPointF origin = imgMap()->view().origin();
        drag(QPoint(300, 300), QPoint(260, 320));
        const QPointF moved = imgMap()->view().origin() - origin;
        // The picture follows the pointer: the view goes the other way, by pixels / zoom.
        QVERIFY(qAbs(moved.x() - 40 * 15 / 4.0) < 1e-6);
        QVERIFY(qAbs(moved.y() + 20 * 15 / 4.0) < 1e-6);

        // A click without movement leaves the view where it is.
        const QPointF before = imgMap()->view().origin();
        QTest::mouseClick(main().windowHandle(), Qt::LeftButton, {}, inWindow(QPoint(100, 100)));
        QCOMPARE(imgMap()->view().origin(), before);

        // Zoomed, the map takes the arrow keys: the view moves the way the arrow points.
        QCOMPARE(imgMap()->focusPolicy(), Qt::WheelFocus);
        imgMap()->setFocus();
        QTest::keyClick(imgMap(), Qt::Key_Right);
        QVERIFY(imgMap()->view().origin().x() > before.x());
        QTest::keyClick(imgMap(), Qt::Key_Up);
        QVERIFY(imgMap()->view().origin().y() < before.y());
    }

    void aNewDisplayKeepsTheZoomAndShowsWhatItShows()
    {
        start(true);
        // Zoomed into the top left corner, far from the cave in the middle.
        imgMap()->zoomAbout(8.0, QPointF(0, 0));
        const MainDisplay& d = main().display();
        main().display().SelectListIndex(d.cboItems.items.indexOf("Wolfshöhle"));
        main().syncDisplay();
        QCOMPARE(imgMap()->view().zoom(), 8.0);
        QVERIFY(imgMap()->rect().contains(drawnCentre({LayerHit::Kind::Item})));
        QVERIFY(imgMap()->view().visibleTwips().intersects(markerTwips(d.ITEM)));

        // A resize keeps the middle of the view, and the zoom.
        const QPointF middle = imgMap()->view().visibleTwips().center();
        const QSizeF area = imgMap()->view().area();
        main().resizeMapArea(700, 520);
        QCOMPARE(imgMap()->view().zoom(), 8.0);
        const QPointF now = imgMap()->view().visibleTwips().center();
        QVERIFY(qAbs(now.x() / imgMap()->view().area().width() - middle.x() / area.width()) < 0.01);
        QVERIFY(qAbs(now.y() / imgMap()->view().area().height() - middle.y() / area.height()) < 0.01);

        // A language switch starts over on the title picture, shown whole.
        m_services->dialogs->answerNext("frmLang", [](QDialog* dialog) {
            auto* lang = qobject_cast<frmLang*>(dialog);
            QVERIFY(lang && lang->selectRowByStem("Deutsch"));
            lang->btnSelect->click();
        });
        main().action("mnuLanguage")->trigger();
        QVERIFY(d.CurrentMap.isEmpty());
        QVERIFY(imgMap()->view().isIdentity());
    }

    void viewMenuZoomsToTheShownMarkers()
    {
        start();
        main().action("mxZoomToShown")->trigger();
        const QRectF seen = imgMap()->view().visibleTwips();
        const MainDisplay& d = main().display();
        for (int i = 0; i < 8; ++i)
            QVERIFY2(seen.contains(markerTwips(d.DOT[i])), qPrintable(QString::number(i)));
        main().action("mxZoomAll")->trigger();
        QVERIFY(imgMap()->view().isIdentity());
        main().action("mxZoomIn")->trigger();
        QCOMPARE(imgMap()->view().zoom(), std::sqrt(2.0));
        main().action("mxZoomOut")->trigger();
        QCOMPARE(imgMap()->view().zoom(), 1.0);
    }

    void declutterIsRememberedForTheUser()
    {
        start();
        QVERIFY(!imgMap()->declutter());
        QVERIFY(!main().action("mxDeclutter")->isChecked());
        // The five camp names overlap at the whole map: one stands on each side of the camp,
        // the other three wait for the pointer.
        main().action("mxDeclutter")->trigger();
        QVERIFY(imgMap()->declutter());
        QStringList kept;
        for (int i = 3; i < 8; ++i)
            if (imgMap()->isDecluttered(i))
                kept.append(QString::number(i));
        QCOMPARE(kept, (QStringList{"5", "6", "7"}));
        // The corner of the last name that no other name covers: gold only while it shows.
        const QRect last = imgMap()->rectOf({LayerHit::Kind::DotLabel, 7});
        const QPoint corner = imgMap()->mapTo(main().mapArea(), last.bottomRight() - QPoint(1, 1));
        const QRgb gold = QColor(255, 215, 0).rgb();
        moveTo(QPoint(3, 3));
        QVERIFY(main().renderMapArea().pixel(corner) != gold);
        moveTo(drawnCentre({LayerHit::Kind::Dot, 7}));
        QCOMPARE(imgMap()->hovered(), (LayerHit{LayerHit::Kind::Dot, 7}));
        QCOMPARE(main().renderMapArea().pixel(corner), gold);
        moveTo(QPoint(3, 3));
        QVERIFY(main().renderMapArea().pixel(corner) != gold);

        start(); // the next start of the program, same user
        QVERIFY(imgMap()->declutter());
        QVERIFY(main().action("mxDeclutter")->isChecked());
        main().setDeclutter(false);
        start();
        QVERIFY(!imgMap()->declutter());
    }
};

QTEST_MAIN(TestMapZoom)
#include "test_mapzoom.moc"
