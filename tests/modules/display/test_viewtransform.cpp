// Zoom and pan of the map area as numbers: the point under the pointer stays under it, the
// view never leaves the map, pixels and twips convert both ways, and zoom 1 is the whole map.
#include "modules/display/ViewTransform.h"

#include <QtTest>

namespace {

// A 1024 x 768 map area at 96 dpi.
const QSizeF kArea(1024 * 15.0, 768 * 15.0);

ViewTransform areaView()
{
    ViewTransform view(15.0, 15.0);
    view.setArea(kArea);
    return view;
}

bool close(const QPointF& a, const QPointF& b, double tolerance = 1e-6)
{
    return qAbs(a.x() - b.x()) <= tolerance && qAbs(a.y() - b.y()) <= tolerance;
}

// Everything in view lies on the map.
bool insideMap(const ViewTransform& view)
{
    const QRectF seen = view.visibleTwips();
    const double e = 1e-6;
    return seen.left() >= -e && seen.top() >= -e && seen.right() <= kArea.width() + e
           && seen.bottom() <= kArea.height() + e;
}

} // namespace

class TestViewTransform : public QObject
{
    Q_OBJECT

private slots:
    void zoomKeepsThePointUnderThePointer_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QPointF>("pixel");
        QTest::addColumn<bool>("stays");
        QTest::newRow("2 about the middle") << 2.0 << QPointF(512, 384) << true;
        QTest::newRow("8 about a corner spot") << 8.0 << QPointF(100, 700) << true;
        QTest::newRow("3.3 off-grid") << 3.3 << QPointF(333.5, 77.25) << true;
        // At the map's corner the edge wins: the view does not leave the map.
        QTest::newRow("4 about the top left corner") << 4.0 << QPointF(0, 0) << true;
        QTest::newRow("8 about the bottom right corner") << 8.0 << QPointF(1024, 768) << true;
        // Back to the whole map: the layout's place wins over the pointer.
        QTest::newRow("1 about a spot") << 1.0 << QPointF(100, 700) << false;
    }

    void zoomKeepsThePointUnderThePointer()
    {
        QFETCH(double, zoom);
        QFETCH(QPointF, pixel);
        QFETCH(bool, stays);
        ViewTransform view = areaView();
        // From a view already zoomed and panned, as a person would have it.
        view.zoomAbout(1.5, QPointF(700, 200));
        view.panBy(QPointF(-40, 25));
        const QPointF under = view.toTwips(pixel);
        view.zoomAbout(zoom, pixel);
        QCOMPARE(view.zoom(), zoom);
        QCOMPARE(close(view.toPixel(under), pixel, 1e-6), stays);
        QVERIFY(insideMap(view));
    }

    void zoomIsLimitedFromOneToEight()
    {
        ViewTransform view = areaView();
        view.zoomAbout(20.0, QPointF(10, 10));
        QCOMPARE(view.zoom(), 8.0);
        view.zoomAbout(0.25, QPointF(10, 10));
        QCOMPARE(view.zoom(), 1.0);
        view.zoomAbout(std::numeric_limits<double>::quiet_NaN(), QPointF(10, 10));
        QCOMPARE(view.zoom(), 1.0);
        view.zoomTo(std::numeric_limits<double>::infinity());
        QCOMPARE(view.zoom(), 1.0);
        // Steps of the square root of two land on whole zooms exactly, back and forth.
        for (int step = 0; step < 6; ++step)
            view.zoomTo(view.zoom() * 1.4142135623730951);
        QCOMPARE(view.zoom(), 8.0);
        view.zoomTo(view.zoom() / 1.4142135623730951 / 1.4142135623730951);
        QCOMPARE(view.zoom(), 4.0);
        QCOMPARE(view.origin().x() + view.area().width() / 8, view.area().width() / 2);
    }

    void wholeMapIsExactlyTheLayout()
    {
        // However the view was moved before, zoom 1 puts every twip where the layout did.
        ViewTransform view = areaView();
        view.zoomAbout(6.0, QPointF(900, 100));
        view.panBy(QPointF(123, -45));
        view.zoomTo(1.0);
        QVERIFY(view.isIdentity());
        QCOMPARE(view.origin(), QPointF(0, 0));
        QCOMPARE(view.toPixel(QPointF(7680, 1500)), QPointF(512, 100));
        view.panBy(QPointF(300, 300));
        QVERIFY(view.isIdentity());
    }

    void panStopsAtTheMapsEdges_data()
    {
        QTest::addColumn<QPointF>("delta");
        QTest::addColumn<QPointF>("origin");
        // Zoom 4 about the middle: the view starts at 3/8 of the map; at 3/4 it meets the far edge.
        QTest::newRow("small drag moves by delta/zoom")
            << QPointF(40, -20) << QPointF(5760 - 40 * 15 / 4.0, 4320 + 20 * 15 / 4.0);
        QTest::newRow("far right drag stops at the left edge") << QPointF(5000, 0) << QPointF(0, 4320);
        QTest::newRow("far left drag stops at the right edge")
            << QPointF(-5000, 0) << QPointF(kArea.width() * 0.75, 4320);
        QTest::newRow("far up drag stops at the bottom edge")
            << QPointF(0, -9000) << QPointF(5760, kArea.height() * 0.75);
    }

    void panStopsAtTheMapsEdges()
    {
        QFETCH(QPointF, delta);
        QFETCH(QPointF, origin);
        ViewTransform view = areaView();
        view.zoomTo(4.0);
        QCOMPARE(view.origin(), QPointF(5760, 4320));
        view.panBy(delta);
        QVERIFY(close(view.origin(), origin));
        QVERIFY(insideMap(view));
    }

    void pixelsAndTwipsRoundTrip()
    {
        ViewTransform view(12.0, 15.0); // another screen resolution across than down
        view.setArea(QSizeF(800 * 12.0, 600 * 15.0));
        view.zoomAbout(5.5, QPointF(210, 330));
        view.panBy(QPointF(-17, 9));
        for (const QPointF p : {QPointF(0, 0), QPointF(799.5, 599.5), QPointF(13.25, 400)})
            QVERIFY(close(view.toPixel(view.toTwips(p)), p, 1e-9));
        // The contract's rule: pixel = (twips - origin) * zoom / twipsPerPixel.
        const QPointF t(4321, 1234);
        const QPointF expected((t.x() - view.origin().x()) * 5.5 / 12.0,
                               (t.y() - view.origin().y()) * 5.5 / 15.0);
        QVERIFY(close(view.toPixel(t), expected, 1e-9));
    }

    void resizeKeepsTheMiddleOfTheView()
    {
        ViewTransform view = areaView();
        view.zoomAbout(4.0, QPointF(200, 600));
        const QPointF middle = view.visibleTwips().center();
        const QPointF share(middle.x() / kArea.width(), middle.y() / kArea.height());
        const QSizeF smaller(700 * 15.0, 500 * 15.0);
        view.setArea(smaller);
        QCOMPARE(view.zoom(), 4.0);
        const QPointF after = view.visibleTwips().center();
        QVERIFY(close(QPointF(after.x() / smaller.width(), after.y() / smaller.height()), share));
    }

    void fitShowsTheWholeRectangleCentred()
    {
        ViewTransform view = areaView();
        view.fit(QRectF(1000, 2000, kArea.width() / 3, kArea.height() / 5));
        QCOMPARE(view.zoom(), 3.0); // the width limits
        QVERIFY(view.visibleTwips().contains(QRectF(1000, 2000, kArea.width() / 3, kArea.height() / 5)));
        // A single point: as close as zoom goes, centred on it.
        view.fit(QRectF(QPointF(7000, 5000), QSizeF(0, 0)));
        QCOMPARE(view.zoom(), 8.0);
        QVERIFY(close(view.visibleTwips().center(), QPointF(7000, 5000)));
        // A rectangle larger than the map: the whole map.
        view.fit(QRectF(-500, -500, kArea.width() * 2, kArea.height() * 2));
        QVERIFY(view.isIdentity());
    }
};

QTEST_GUILESS_MAIN(TestViewTransform)
#include "test_viewtransform.moc"
