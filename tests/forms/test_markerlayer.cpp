// The markers and names of the map area drawn in one layer: which control the pointer reaches
// where controls overlap, what a change repaints, and that a changed look is drawn anew. How
// the drawn map looks and reacts in the window is test_mappointer's.
#include "controls/MapLabel.h"
#include "forms/main/MarkerLayer.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

using Kind = LayerHit::Kind;

constexpr int kTwips = 15; // per pixel on the test screen (96 dpi)

// Controls given in pixels, kept in twips as the window does.
void put(ControlState& c, int x, int y, int w, int h, bool visible = true)
{
    c.left = x * kTwips;
    c.top = y * kTwips;
    c.width = w * kTwips;
    c.height = h * kTwips;
    c.visible = visible;
}

// Overlapping controls of every kind:
//   lblDOT 0 (100,100 80x16) under DOT 0 (150,95) and under lblDOT 5 (120,102 80x16);
//   a hidden DOT 2 (300,300) over lblDOT 1 (290,295 60x16);
//   ITEM (500,500) over lblCaption (490,495 60x16); the heading (600,0 100x20) over DOT 7 (610,5);
//   DOT 9 (40,40) over DOT 8 (36,36).
MainDisplay overlappingScene()
{
    MainDisplay d;
    put(d.lblDOT[0], 100, 100, 80, 16);
    put(d.DOT[0], 150, 95, 11, 11);
    put(d.lblDOT[5], 120, 102, 80, 16);
    put(d.DOT[2], 300, 300, 11, 11, false);
    put(d.lblDOT[1], 290, 295, 60, 16);
    put(d.ITEM, 500, 500, 11, 11);
    put(d.lblCaption, 490, 495, 60, 16);
    put(d.lblMultiInfo, 600, 0, 100, 20);
    put(d.DOT[7], 610, 5, 11, 11);
    put(d.DOT[8], 36, 36, 11, 11);
    put(d.DOT[9], 40, 40, 11, 11);
    return d;
}

bool near(QRgb pixel, const QColor& colour, int tolerance = 40)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

} // namespace

class TestMarkerLayer : public QObject
{
    Q_OBJECT

private slots:
    void topmostShownControlIsHit_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::newRow("label alone") << QPoint(105, 105) << int(Kind::DotLabel) << 0;
        QTest::newRow("marker above a label") << QPoint(155, 100) << int(Kind::Dot) << 0;
        QTest::newRow("later label above earlier") << QPoint(130, 110) << int(Kind::DotLabel) << 5;
        QTest::newRow("hidden marker lets its label react")
            << QPoint(305, 305) << int(Kind::DotLabel) << 1;
        QTest::newRow("selection marker above its name")
            << QPoint(505, 505) << int(Kind::Item) << -1;
        QTest::newRow("selection name") << QPoint(492, 508) << int(Kind::Caption) << -1;
        QTest::newRow("heading above a marker") << QPoint(612, 8) << int(Kind::Heading) << -1;
        QTest::newRow("later marker above earlier") << QPoint(42, 42) << int(Kind::Dot) << 9;
        QTest::newRow("earlier marker where uncovered") << QPoint(37, 37) << int(Kind::Dot) << 8;
        QTest::newRow("last pixel of a marker") << QPoint(160, 105) << int(Kind::Dot) << 0;
        QTest::newRow("just right of a marker") << QPoint(161, 104) << int(Kind::DotLabel) << 5;
        QTest::newRow("empty map") << QPoint(800, 600) << int(Kind::None) << -1;
    }
    void topmostShownControlIsHit()
    {
        QFETCH(QPoint, pixel);
        QFETCH(int, kind);
        QFETCH(int, index);
        MarkerLayer layer;
        layer.take(overlappingScene());
        const LayerHit hit = layer.at(pixel);
        QCOMPARE(int(hit.kind), kind);
        QCOMPARE(hit.index, index);
    }

    void nothingIsHitBeforeADisplayIsTaken()
    {
        MarkerLayer layer;
        QVERIFY(!layer.at(QPoint(0, 0)));
        QVERIFY(!layer.isShown({Kind::Dot, 0}));
        QVERIFY(!layer.isShown({Kind::Dot, kMarkerCount})); // no such element
        QCOMPARE(layer.rectOf({Kind::DotLabel, -1}), QRect());
    }

    void changedAreaCoversWhatLooksDifferent_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("nothing") << "none" << QRect();
        QTest::newRow("caption of a shown label") << "caption" << QRect(100, 100, 80, 16);
        QTest::newRow("colour of a shown marker") << "colour" << QRect(150, 95, 11, 11);
        QTest::newRow("a marker moved") << "move" << QRect(150, 95, 31, 11);
        QTest::newRow("a label shown") << "show" << QRect(700, 700, 50, 16);
        QTest::newRow("a marker hidden") << "hide" << QRect(610, 5, 11, 11);
        QTest::newRow("a hidden marker moved") << "hiddenMove" << QRect();
        QTest::newRow("tooltip and description only") << "texts" << QRect();
    }
    void changedAreaCoversWhatLooksDifferent()
    {
        QFETCH(QString, change);
        QFETCH(QRect, expected);
        MarkerLayer layer;
        MainDisplay d = overlappingScene();
        put(d.lblDOT[30], 700, 700, 50, 16, false);
        QVERIFY(!layer.take(d).isEmpty());
        if (change == "caption")
            d.lblDOT[0].caption = " Höhle ";
        else if (change == "colour")
            d.DOT[0].borderColor = kMarkerGreen;
        else if (change == "move")
            d.DOT[0].left += 20 * kTwips;
        else if (change == "show")
            d.lblDOT[30].visible = true;
        else if (change == "hide")
            d.DOT[7].visible = false;
        else if (change == "hiddenMove")
            d.DOT[2].left += 100 * kTwips;
        else if (change == "texts")
            d.DOT[0].desc = d.DOT[0].toolTip = d.lblDOT[0].toolTip = "Wolf";
        QCOMPARE(layer.take(d), expected);
        // A tooltip is taken although nothing is drawn anew.
        QCOMPARE(layer.toolTipOf({Kind::DotLabel, 0}), d.lblDOT[0].toolTip);
        // Taken: the same display again changes nothing.
        QCOMPARE(layer.take(d), QRect());
    }

    void paintDrawsOnlyWhatMeetsTheExposedArea()
    {
        MainDisplay d;
        put(d.DOT[0], 10, 10, 11, 11);
        put(d.DOT[1], 80, 10, 11, 11);
        MarkerLayer layer;
        layer.take(d);
        QImage image(100, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        layer.paint(painter, QRect(0, 0, 50, 40));
        painter.end();
        QVERIFY(image.pixel(15, 15) != qRgb(255, 255, 255));
        QCOMPARE(image.pixel(85, 15), qRgb(255, 255, 255));
    }

    void aChangedLookIsDrawnAnew()
    {
        MainDisplay d;
        put(d.DOT[0], 10, 10, 11, 11);
        d.lblDOT[0].caption = " Grotte ";
        const QSize size = MapLabel::sizeFor(MapLabel::Style::Name, d.lblDOT[0].caption);
        put(d.lblDOT[0], 30, 10, size.width(), size.height());
        MarkerLayer layer;
        auto paint = [&layer] {
            QImage image(120, 40, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            layer.paint(painter, image.rect());
            return image;
        };
        auto count = [&](const QImage& image, const QColor& colour) {
            int n = 0;
            for (int x = 30; x < 30 + size.width(); ++x)
                for (int y = 10; y < 10 + size.height(); ++y)
                    n += near(image.pixel(x, y), colour, 30) ? 1 : 0;
            return n;
        };
        const QColor red(192, 0, 0), green(34, 139, 34);
        layer.take(d);
        const QImage before = paint();
        QVERIFY(near(before.pixel(11, 15), red));
        QVERIFY(count(before, red) > 20);
        // Same places, other colours: the drawing follows.
        d.DOT[0].borderColor = kMarkerGreen;
        d.lblDOT[0].foreColor = kMarkerGreen;
        layer.take(d);
        const QImage after = paint();
        QVERIFY(near(after.pixel(11, 15), green));
        QCOMPARE(count(after, red), 0);
        QVERIFY(count(after, green) > 20);
    }

    void zoomedMarkersStayOnTheirSpotAndNamesBesideThem_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QPointF>("about");
        QTest::newRow("2 about the middle") << 2.0 << QPointF(400, 300);
        QTest::newRow("8 about the label") << 8.0 << QPointF(110, 104);
        QTest::newRow("3 about a corner") << 3.0 << QPointF(0, 0);
    }
    void zoomedMarkersStayOnTheirSpotAndNamesBesideThem()
    {
        QFETCH(double, zoom);
        QFETCH(QPointF, about);
        MarkerLayer layer;
        const MainDisplay d = overlappingScene();
        layer.take(d);
        const QRect headingBefore = layer.rectOf({Kind::Heading});
        const QRect labelBefore = layer.rectOf({Kind::DotLabel, 0});
        const QRect dotBefore = layer.rectOf({Kind::Dot, 0});
        ViewTransform view(kTwips, kTwips);
        view.setArea(QSizeF(800 * kTwips, 600 * kTwips));
        view.zoomAbout(zoom, about);
        QVERIFY(!layer.arrange(view, false).isEmpty());

        // Each marker centred on where its centre is drawn now, in the same pixels as before.
        for (const auto& [control, state] : {std::pair{LayerHit{Kind::Dot, 0}, ControlState(d.DOT[0])},
                                             std::pair{LayerHit{Kind::Item}, ControlState(d.ITEM)}}) {
            const QRect drawn = layer.rectOf(control);
            const QPointF centre = view.toPixel(QPointF(state.left + state.width / 2.0,
                                                        state.top + state.height / 2.0));
            QCOMPARE(drawn.size(), QSize(11, 11));
            QVERIFY(qAbs(drawn.left() + 5.5 - centre.x()) <= 0.5);
            QVERIFY(qAbs(drawn.top() + 5.5 - centre.y()) <= 0.5);
            QCOMPARE(layer.at(drawn.center()), control);
        }
        // The name keeps its offset from its marker; the heading stays where it was laid out.
        QCOMPARE(layer.rectOf({Kind::DotLabel, 0}).topLeft() - layer.rectOf({Kind::Dot, 0}).topLeft(),
                 labelBefore.topLeft() - dotBefore.topLeft());
        QCOMPARE(layer.rectOf({Kind::Heading}), headingBefore);
        QCOMPARE(layer.rectOf({Kind::Caption}).topLeft() - layer.rectOf({Kind::Item}).topLeft(),
                 QPoint(-10, -5));

        // Back at the whole map everything is where the layout put it.
        view.zoomTo(1.0);
        layer.arrange(view, false);
        QCOMPARE(layer.rectOf({Kind::Dot, 0}), dotBefore);
        QCOMPARE(layer.rectOf({Kind::DotLabel, 0}), labelBefore);
    }

    void declutterKeepsNamesApartAndShowsThemAsRoomAppears()
    {
        // A crowded camp: twelve markers 4 pixels apart, each with a name 60 pixels wide.
        MainDisplay d;
        for (int i = 0; i < 12; ++i) {
            put(d.DOT[i], 300 + 4 * (i % 4), 200 + 4 * (i / 4), 11, 11);
            put(d.lblDOT[i], 300 + 4 * (i % 4) + 14, 200 + 4 * (i / 4) - 3, 60, 16);
        }
        MarkerLayer layer;
        layer.take(d);
        ViewTransform view(kTwips, kTwips);
        view.setArea(QSizeF(800 * kTwips, 600 * kTwips));
        const auto visibleNames = [&layer] {
            QList<QRect> names;
            for (int i = 0; i < 12; ++i)
                if (layer.isShown({Kind::DotLabel, i}))
                    names.append(layer.rectOf({Kind::DotLabel, i}));
            return names;
        };
        const auto apart = [](const QList<QRect>& names) {
            for (qsizetype a = 0; a < names.size(); ++a)
                for (qsizetype b = a + 1; b < names.size(); ++b)
                    if (names[a].intersects(names[b]))
                        return false;
            return true;
        };

        QCOMPARE(visibleNames().size(), 12); // off: the layout as it is
        layer.arrange(view, true);
        const QList<QRect> atOne = visibleNames();
        QVERIFY(apart(atOne));
        QVERIFY(!layer.isDecluttered(0)); // the first name is placed first
        QVERIFY(atOne.size() < 12);

        view.zoomAbout(8.0, QPointF(306, 204));
        layer.arrange(view, true);
        const QList<QRect> atEight = visibleNames();
        QVERIFY(apart(atEight));
        QVERIFY(atEight.size() > atOne.size());

        // A name kept back shows while its marker is pointed at, and stays while the pointer
        // moves onto it; elsewhere it goes again.
        int hidden = -1;
        for (int i = 0; i < 12 && hidden < 0; ++i)
            if (layer.isDecluttered(i))
                hidden = i;
        QVERIFY(hidden > 0);
        QVERIFY(!layer.setPointed({Kind::Dot, hidden}).isEmpty());
        QVERIFY(layer.isShown({Kind::DotLabel, hidden}));
        QVERIFY(layer.isDecluttered(hidden));
        layer.setPointed({Kind::DotLabel, hidden});
        QVERIFY(layer.isShown({Kind::DotLabel, hidden}));
        QVERIFY(!layer.setPointed({}).isEmpty());
        QVERIFY(!layer.isShown({Kind::DotLabel, hidden}));

        // Off again: every name as laid out.
        view.zoomTo(1.0);
        layer.arrange(view, false);
        QCOMPARE(visibleNames().size(), 12);
    }
};

QTEST_MAIN(TestMarkerLayer)
#include "test_markerlayer.moc"
