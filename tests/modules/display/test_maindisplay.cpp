// The main window's display rules, checked on the model without a window.
#include "modules/display/MainDisplay.h"
#include "modules/LOCAL.h"
#include "support/TestInstall.h"

#include <QtTest>

namespace {

constexpr int kCharWidth = 100;  // twips per caption character in these tests

MainDisplay makeDisplay(int windowWidth = 15450, int windowHeight = 12320)
{
    MainDisplay d;
    d.measureWidth = [](const QString& caption, LabelKind) { return int(caption.size()) * kCharWidth; };
    d.measureHeight = [](LabelKind) { return 195; };
    d.Resize(windowWidth, windowHeight);
    return d;
}

} // namespace

class TestMainDisplay : public QObject
{
    Q_OBJECT

private:
    TestInstall install;
    QString data() const { return install.file("caldora.data"); }
    QString picture() const { return install.file("caldora.jpg"); }

private slots:
    void initTestCase()
    {
        LOCAL::State().LanguageName = QStringLiteral("Deutsch");
        install.writeText("caldora.data",
                          "[caves]\n"
                          "/Verschüttete Höhle=100,100\n"
                          "Mitte=512,384\n"
                          "Rand links=2,300\n"
                          "Rand rechts=1020,300\n"
                          "Grün= 10 , 20 ,  *  \n"
                          "Verlinkt=#,places\n"
                          "Kaputt=#,nirgends\n"
                          "[places]\n"
                          "Verlinkt=200,100\n"
                          "[list]\n"
                          "/Aus=1,1\n"
                          "Erster=10,10\n"
                          "Zweiter=1010,20\n");
        QString many = "[many]\n";
        for (int i = 0; i < 90; ++i)
            many += QStringLiteral("Ort %1=%2,%3\n").arg(i).arg(i * 10).arg(i * 5);
        install.writeText("many.data", many);
    }

    void scalingFollowsThePictureWidth()
    {
        MainDisplay d = makeDisplay(15450);
        QCOMPARE(d.imgMap.width, 15360);
        QCOMPARE(d.ScaledX(512), 7680);
        d.ChangeMulti(picture(), data(), "caves", "Caldora: Höhlen", false);
        QCOMPARE(d.DOT[1].left, 7615);
        QCOMPARE(d.DOT[1].top, d.ScaledY(384) - 65);
        // Half the width: every marker at half its distance from the left edge.
        MainDisplay half = makeDisplay(15450 / 2 + 45);
        half.ChangeMulti(picture(), data(), "caves", "x", false);
        QVERIFY(qAbs((half.DOT[1].left + 65) * 2 - (d.DOT[1].left + 65)) <= 2);
    }

    void disabledFirstKeyKeepsItsPosition()
    {
        MainDisplay d = makeDisplay();
        d.ChangeMulti(picture(), data(), "caves", "c", false);
        QVERIFY(!d.DOT[0].visible);
        QVERIFY(!d.lblDOT[0].visible);
        QVERIFY(d.DOT[1].visible);
        // Marker 1 is odd: its name stands right of it.
        QCOMPARE(d.lblDOT[1].left, d.DOT[1].left + 165 + 50);
        QCOMPARE(d.lblDOT[1].top, d.DOT[1].top - 40);
        QCOMPARE(d.lblDOT[1].caption, QStringLiteral(" Mitte "));
    }

    void labelsObeyTheEdgeRules()
    {
        MainDisplay d = makeDisplay();
        d.ChangeMulti(picture(), data(), "caves", "c", false);
        // Index 2 is even (left side), but near the left edge it moves right.
        QCOMPARE(d.lblDOT[2].left, d.DOT[2].left + 165 + 50);
        // Index 3 is odd (right side), but near the right edge it moves left.
        QCOMPARE(d.lblDOT[3].left, d.DOT[3].left - d.lblDOT[3].width - 50);
    }

    void specialEntitiesAreGreenAndLinksFollowed()
    {
        MainDisplay d = makeDisplay();
        d.ChangeMulti(picture(), data(), "caves", "c", false);
        QCOMPARE(d.DOT[4].borderColor, kMarkerGreen);
        QCOMPARE(d.lblDOT[4].foreColor, kMarkerGreen);
        QCOMPARE(d.DOT[1].borderColor, kMarkerRed);
        QCOMPARE(d.DOT[5].left, d.ScaledX(200) - 65);
        QCOMPARE(d.DOT[5].top, d.ScaledY(100) - 65);
        // A marker names its own entity and keeps the reference pixel of the record it follows.
        QCOMPARE(d.DOT[5].entity, (EntityId{"caldora", "Verlinkt"}));
        QCOMPARE(d.DOT[5].reference, QPoint(200, 100));
        QCOMPARE(d.DOT[4].reference, QPoint(10, 20));
        // A broken link reads an empty record: position 0,0.
        QCOMPARE(d.DOT[6].left, -65);
        QCOMPARE(d.DOT[6].top, -65);
        // A second display starts from red markers again.
        d.ChangeMulti(picture(), data(), "list", "c", false);
        QCOMPARE(d.DOT[4].borderColor, kMarkerRed);
        QVERIFY(!d.DOT[4].visible);
    }

    void hideLabelsShowsOnlyMarkersAndHeading()
    {
        MainDisplay d = makeDisplay();
        d.ChangeMulti(picture(), data(), "caves", "&Caldora: &Höhlen", true);
        for (int i = 0; i < kMarkerCount; ++i)
            QVERIFY(!d.lblDOT[i].visible);
        QVERIFY(d.DOT[1].visible);
        QVERIFY(d.LabelsHidden);
        QCOMPARE(d.lblMultiInfo.caption, QStringLiteral(" Caldora: Höhlen "));
        QCOMPARE(d.lblMultiInfo.top, 0);
        QCOMPARE(d.lblMultiInfo.left, d.windowWidth() - d.lblMultiInfo.width - 120);
        QVERIFY(d.lblMultiInfo.visible);
        QCOMPARE(d.LastDisplay.category, QStringLiteral("caves"));
        QCOMPARE(d.CurrentMap, QStringLiteral("caldora"));
    }

    void moreThan81EntriesShowTheFirst81()
    {
        MainDisplay d = makeDisplay();
        d.ChangeMulti(install.file("caldora.jpg"), install.file("many.data"), "many", "m", false);
        QVERIFY(d.DOT[80].visible);
        QCOMPARE(d.lblDOT[80].caption, QStringLiteral(" Ort 80 "));
    }

    void changeListsEnabledEntriesBehindThePrompt()
    {
        MainDisplay d = makeDisplay();
        d.Change(picture(), data(), "list");
        QCOMPARE(d.cboItems.items,
                 QStringList({d.ComboBoxPrompt, QStringLiteral("Erster"), QStringLiteral("Zweiter")}));
        QCOMPARE(d.cboItems.listIndex, 0);
        QVERIFY(d.cboItems.visible);
        QVERIFY(d.btnInfo.visible);
        QVERIFY(!d.ITEM.visible);
        QVERIFY(d.LastDisplay.dataFile.isEmpty());
    }

    void pickPlacesTheSelectionMarker()
    {
        MainDisplay d = makeDisplay();
        d.Change(picture(), data(), "list");
        d.SelectListIndex(2);  // near the right edge
        QVERIFY(d.ITEM.visible);
        QCOMPARE(d.ITEM.left, d.ScaledX(1010) - 65);
        QCOMPARE(d.lblCaption.left, d.ITEM.left - d.lblCaption.width - 50);
        QCOMPARE(d.LastDisplay.selectedName, QStringLiteral("Zweiter"));
        QVERIFY(d.LastDisplay.picture.isEmpty());
        d.SelectListIndex(1);  // near the left edge: name right of the marker
        QCOMPARE(d.lblCaption.left, d.ITEM.left + 165 + 50);
        d.SelectListIndex(0);  // the prompt hides the marker, LastDisplay stays
        QVERIFY(!d.ITEM.visible);
        QVERIFY(!d.lblCaption.visible);
        QCOMPARE(d.LastDisplay.selectedName, QStringLiteral("Erster"));
    }

    void resizeReplaysTheLastDisplay()
    {
        MainDisplay d = makeDisplay(15450);
        d.Resize(15450, 12320);  // before any display: only the layout moves
        QCOMPARE(d.cboItems.left, 15450 - 4215 - 110);
        QCOMPARE(d.btnInfo.left, d.cboItems.left - 375);
        QVERIFY(!d.DOT[1].visible);

        d.ChangeMulti(picture(), data(), "caves", "c", true);
        d.Resize(7770, 12320);
        QCOMPARE(d.imgMap.width, 7680);
        QCOMPARE(d.DOT[1].left, d.ScaledX(512) - 65);
        QVERIFY(d.LabelsHidden);
        QVERIFY(!d.lblDOT[1].visible);

        d.Change(picture(), data(), "list");
        d.SelectListIndex(1);
        const int before = d.ITEM.left;
        d.Resize(15450, 12320);
        QVERIFY(d.ITEM.left > before);
        QCOMPARE(d.ITEM.left, d.ScaledX(10) - 65);
    }

    void resizeKeepsAListWithoutPick()
    {
        MainDisplay d = makeDisplay();
        d.ChangeMulti(picture(), data(), "caves", "c", false);
        d.Change(picture(), data(), "list");
        d.Resize(10000, 9000);
        QVERIFY(d.cboItems.visible);
        QVERIFY(!d.DOT[1].visible);
        QCOMPARE(d.currentCategory, QStringLiteral("list"));
    }

    void widePicturesDoNotOverflow()
    {
        MainDisplay d = makeDisplay(40000 + 90, 20000 + 800);
        QCOMPARE(d.imgMap.width, 40000);
        QCOMPARE(d.ScaledX(1024), 40000);
        QVERIFY(d.ScaledX(1000) > 32767);
    }
};

QTEST_GUILESS_MAIN(TestMainDisplay)
#include "test_maindisplay.moc"
