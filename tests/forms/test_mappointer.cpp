// The pointer on the drawn map, as a person uses it: the cursor is moved and the buttons are
// pressed through the platform, so Enter and Leave, the cursor position and Qt's own
// double-click detection run as for a real mouse. Markers and names react as the controls they
// stand for.
#include "controls/BalloonWindow.h"
#include "controls/TwipsGeometry.h"
#include "modules/Session.h"
#include "controls/clsToolTipDeluxe.h"
#include "forms/main/MapView.h"
#include "forms/main/frmMain.h"
#include "modules/LOCAL.h"
#include "support/RecordedServices.h"
#include "support/TestInstall.h"
#include "ShownWindow.h"

#include <QApplication>
#include <QToolTip>
#include <QtTest>
#include <memory>

namespace {

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

BalloonWindow* balloonWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* tip = qobject_cast<BalloonWindow*>(w))
            return tip;
    return nullptr;
}

} // namespace

class TestMapPointer : public QObject
{
    Q_OBJECT

    Session m_session;

private:
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<Services> m_services = RecordingServices();
    std::unique_ptr<frmMain> m_main;

    frmMain& main() { return *m_main; }
    MapView* imgMap() { return main().mapView(); }

    // The window as the program starts it, shown, with the caves of Caldora all at once (or
    // as a list to pick from).
    void start(bool hideLabels = false, bool asList = false)
    {
        m_main.reset();
        m_install = std::make_unique<TestInstall>();
        m_services = RecordingServices();
        m_main = StartShownWindow(m_session, *m_services, *m_install, kCaldora, kInfo);
        QVERIFY(m_main);
        ShowCaldoraCaves(*m_main, asList, hideLabels);
    }

    QRect pixelsOf(const ControlState& c)
    {
        return TwipsGeometry::ToPixels(c.left, c.top, c.width, c.height);
    }
    // Centre of a control of the model, in the map view's pixels.
    QPoint centreOf(const ControlState& c)
    {
        return imgMap()->mapFrom(main().mapArea(), pixelsOf(c).center());
    }
    // A spot of the map far from every marker and name.
    QPoint emptySpot() { return QPoint(5, imgMap()->height() - 5); }

    // The mouse as the platform reports it, at pixels of the map view. A move sets the
    // cursor's position, which the platform turns into events.
    QPoint inWindow(const QPoint& at) { return imgMap()->mapTo(m_main.get(), at); }
    void moveTo(const QPoint& at) { QTest::mouseMove(imgMap(), at); }
    void doubleClick(const QPoint& at)
    {
        QTest::mouseDClick(main().windowHandle(), Qt::LeftButton, {}, inWindow(at));
    }
    void rightClick(const QPoint& at)
    {
        QTest::mouseClick(main().windowHandle(), Qt::RightButton, {}, inWindow(at));
    }
    QStringList dialogNames()
    {
        QStringList names;
        for (const QJsonValue& dialog : m_services->record.dialogs())
            names.append(dialog["name"].toString());
        return names;
    }

private slots:
    void cleanup()
    {
        m_main.reset();
        m_services = RecordingServices();
    }

    void restingOnAMarkerShowsItsBalloonBelowIt()
    {
        start();
        clsToolTipDeluxe* tip = main().toolTip();
        tip->DelayTime(800); // long enough to see the tip wait for it
        const MarkerState& dot = main().display().DOT[0];
        moveTo(emptySpot());
        moveTo(centreOf(dot));
        QCOMPARE(imgMap()->cursor().shape(), Qt::PointingHandCursor);
        const QJsonObject balloon = tip->balloonState();
        QCOMPARE(balloon["control"].toString(), QString("DOT:0"));
        QCOMPARE(balloon["title"].toString(), QString("Wolfshöhle"));
        QCOMPARE(balloon["text"].toString(), QString("Hier wohnen Wölfe.\r\nViele."));
        QVERIFY(!tip->isTipVisible());
        QTRY_VERIFY_WITH_TIMEOUT(tip->isTipVisible(), 3000);
        // The stem's point touches the marker's lower edge, where the marker is drawn.
        const QRect drawn(main().mapArea()->mapToGlobal(pixelsOf(dot).topLeft()),
                          pixelsOf(dot).size());
        QVERIFY(balloonWindow()->stemOnTop());
        QCOMPARE(balloonWindow()->geometry().top(), drawn.bottom() + 1);
        QVERIFY(balloonWindow()->geometry().left() <= drawn.right());

        // Off the marker, still on the map: the balloon goes, the cursor is the map's again.
        moveTo(emptySpot());
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isTipVisible(), 2000);
        QVERIFY(!imgMap()->testAttribute(Qt::WA_SetCursor));
    }

    void aMarkerThatGoesTakesItsBalloonAlong()
    {
        start();
        clsToolTipDeluxe* tip = main().toolTip();
        tip->DelayTime(0);
        const QPoint spot = centreOf(main().display().DOT[1]);
        moveTo(emptySpot());
        moveTo(spot);
        QTRY_VERIFY_WITH_TIMEOUT(tip->isTipVisible(), 2000);
        main().ClearUI();
        QVERIFY(!tip->isTipVisible());
        QVERIFY(!imgMap()->testAttribute(Qt::WA_SetCursor));
        // The last registration stays on record for the dump.
        QCOMPARE(tip->balloonState()["control"].toString(), QString("DOT:1"));

        moveTo(spot + QPoint(1, 0));
        doubleClick(spot);
        QTest::qWait(300);
        QVERIFY(!tip->isTipVisible());
        QVERIFY(dialogNames().isEmpty());
        // The disabled key's marker was never shown: its place reacts to nothing either.
        QVERIFY(!main().hover({LayerHit::Kind::Dot, 2}));
        QVERIFY(!main().doubleClick({LayerHit::Kind::Dot, 2}));
    }

    void pointingAtAMarkerShowsOnlyItsHiddenName()
    {
        start(true);
        const MainDisplay& d = main().display();
        QVERIFY(!d.lblDOT[0].visible && !d.lblDOT[1].visible);
        moveTo(centreOf(d.DOT[0]));
        QVERIFY(d.lblDOT[0].visible);
        // The name is drawn: gold where it stands.
        const QRect name = pixelsOf(d.lblDOT[0]);
        QCOMPARE(main().renderMapArea().pixel(name.topLeft()), QColor(255, 215, 0).rgb());

        moveTo(emptySpot());
        moveTo(centreOf(d.DOT[1]));
        QVERIFY(!d.lblDOT[0].visible);
        QVERIFY(d.lblDOT[1].visible);
        QVERIFY(main().renderMapArea().pixel(name.topLeft()) != QColor(255, 215, 0).rgb());
    }

    void restingOnANameGivesItsShortDescription()
    {
        start();
        const LabelState& label = main().display().lblDOT[1];
        moveTo(centreOf(label));
        QCOMPARE(label.toolTip, QString("Feucht...."));
        // Names keep the usual arrow.
        QVERIFY(!imgMap()->testAttribute(Qt::WA_SetCursor));
        const QPoint at = centreOf(label);
        QHelpEvent help(QEvent::ToolTip, at, imgMap()->mapToGlobal(at));
        QCoreApplication::sendEvent(imgMap(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Feucht...."));

        QHelpEvent off(QEvent::ToolTip, emptySpot(), imgMap()->mapToGlobal(emptySpot()));
        QCoreApplication::sendEvent(imgMap(), &off);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void doubleClickOpensTheInformationWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("subject");
        QTest::newRow("marker") << "DOT:1"
                                << "Grotte";
        QTest::newRow("name") << "lblDOT:0"
                              << " Wolfshöhle ";
        QTest::newRow("selection marker") << "ITEM"
                                          << "Wolfshöhle";
        QTest::newRow("selection name") << "lblCaption"
                                        << "Wolfshöhle";
    }
    void doubleClickOpensTheInformationWindow()
    {
        QFETCH(QString, control);
        QFETCH(QString, subject);
        const bool picked = !control.contains(':');
        start(false, picked);
        const MainDisplay& d = main().display();
        if (picked) {
            main().display().SelectListIndex(d.cboItems.items.indexOf("Wolfshöhle"));
            main().syncDisplay();
        }
        const auto index = size_t(control.section(':', 1).toInt());
        const ControlState* at = &d.DOT[index];
        if (control == "ITEM")
            at = &d.ITEM;
        else if (control == "lblCaption")
            at = &d.lblCaption;
        else if (control.startsWith("lbl"))
            at = &d.lblDOT[index];
        QVERIFY(at->visible);
        moveTo(centreOf(*at));
        doubleClick(centreOf(*at));
        QCOMPARE(dialogNames(), QStringList{"frmInfo"});
        QCOMPARE(d.InfoSubject, subject);
    }

    void rightClickOnTheMapGivesTheMapMenuOffTheMarkersOnly()
    {
        start();
        // On a marker the right button opens the marker's own menu.
        rightClick(centreOf(main().display().DOT[0]));
        QCOMPARE(main().lastPopupMenu(), QString("mxMarkerMenu"));
        rightClick(emptySpot());
        QCOMPARE(main().lastPopupMenu(), QString("mnuCaldora"));
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
