// Where a search hit lands on the main window's display model.
#include "modules/search/SearchCache.h"
#include "modules/search/SearchDisplay.h"
#include "modules/display/MainDisplay.h"
#include "modules/LOCAL.h"
#include "modules/Twips2Pixel_Module.h"
#include "support/TestInstall.h"

#include <QtTest>

using namespace Twips2Pixel_Module;

namespace {

// Labels 100 twips per character, 300 high: simple enough to compute the expected places.
void Measure(MainDisplay& d)
{
    d.measureWidth = [](const QString& caption, LabelKind) { return int(caption.size()) * 100; };
    d.measureHeight = [](LabelKind) { return 300; };
}

SearchRecord Record(const QString& name, int x, int y)
{
    SearchRecord r;
    r.dataFile = "/maps/frostmere.data";
    r.picture = "/maps/Frostmere.jpg";
    r.category = "caves";
    r.name = name;
    r.description = "Kalt und dunkel.";
    r.x = qint16(x);
    r.y = qint16(y);
    r.entity = {"frostmere", name};
    return r;
}

} // namespace

class TestSearchDisplay : public QObject
{
    Q_OBJECT

private slots:
    void init() { LOCAL::State() = LanguageState(); }

    void hitIsShownWithMarkerLabelAndHeading()
    {
        MainDisplay d;
        Measure(d);
        QString loaded;
        d.loadPicture = [&](const QString& path) {
            loaded = path;
            return true;
        };
        d.ChangeMulti("/maps/caldora.jpg", "/nowhere.data", "places", "Caldora: Orte", false);
        d.DOT[0].visible = true;

        SearchDisplay::Show(d, Record("Eishöhle", 512, 384), "Eis");

        QCOMPARE(loaded, QString("/maps/Frostmere.jpg"));
        QCOMPARE(d.picture, QString("/maps/Frostmere.jpg"));
        QCOMPARE(d.CurrentMap, QString("frostmere"));
        QVERIFY(d.printEnabled);
        QVERIFY(!d.DOT[0].visible);

        // Scaled in pixels, then to twips, with the corner on the point itself.
        QCOMPARE(d.ITEM.left, PixelsToTwipsX(d.ResampleX(512)));
        QCOMPARE(d.ITEM.top, PixelsToTwipsY(d.ResampleY(384)));
        QVERIFY(d.ITEM.visible);
        QCOMPARE(d.ITEM.desc, QString("Eishöhle"));
        QCOMPARE(d.ITEM.entity, (EntityId{"frostmere", "Eishöhle"}));
        QCOMPARE(d.ITEM.reference, QPoint(512, 384));

        QCOMPARE(d.lblCaption.caption, QString(" Eishöhle "));
        QCOMPARE(d.lblCaption.width, 1000);
        QCOMPARE(d.lblCaption.left, d.ITEM.left + kMarkerSize + 50);
        QCOMPARE(d.lblCaption.top, d.ITEM.top - 40);
        QCOMPARE(d.lblCaption.toolTip, QString("Kalt und dunkel."));
        QVERIFY(d.lblCaption.visible);

        QCOMPARE(d.lblMultiInfo.caption, QString(" Suchergebnis für: Eis "));
        QCOMPARE(d.lblMultiInfo.top, 0);
        QCOMPARE(d.lblMultiInfo.left, d.windowWidth() - d.lblMultiInfo.width - 120);
        QVERIFY(d.lblMultiInfo.visible);

        QCOMPARE(d.InfoSubject, QString("Eishöhle"));
        const LastDisplayRecord expected{QString(), "/maps/frostmere.data", "caves", QString(),
                                         false, "Eishöhle"};
        QCOMPARE(d.LastDisplay, expected);
    }

    void labelMovesLeftNearTheRightEdge_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("leftOfMarker");
        QTest::newRow("left edge") << 0 << false;
        QTest::newRow("middle") << 512 << false;
        QTest::newRow("right edge") << 1000 << true;
    }

    void labelMovesLeftNearTheRightEdge()
    {
        QFETCH(int, x);
        QFETCH(bool, leftOfMarker);
        MainDisplay d;
        Measure(d);
        SearchDisplay::Show(d, Record("Ein sehr langer Name", x, 100), "Ein");
        const int right = d.ITEM.left + kMarkerSize + 50;
        const int left = d.ITEM.left - d.lblCaption.width - 50;
        QCOMPARE(d.lblCaption.left, leftOfMarker ? left : right);
        QVERIFY(d.lblCaption.right() <= d.windowWidth() || !leftOfMarker);
    }

    void otherLanguageShowsTranslatedHeadingAndName()
    {
        TestInstall install;
        install.writeText("LANG/English/English.lng",
                          "[general]\nlanguage=English\n"
                          "[frmFind]\nSearchResult=Found for \"%s\":\n"
                          "[entities]\nBear=Grizzly\n");
        LanguageState& language = LOCAL::State();
        language.LanguageName = "English";
        language.LanguageFile = install.file("LANG/English/English.lng");
        LOCAL::CacheTranslationTable();

        MainDisplay d;
        Measure(d);
        SearchDisplay::Show(d, Record("Bear", 10, 10), "bea");
        QCOMPARE(d.lblMultiInfo.caption, QString("Found for \"bea\": "));
        QCOMPARE(d.lblCaption.caption, QString(" Grizzly "));
        QCOMPARE(d.ITEM.desc, QString("Grizzly"));
        QCOMPARE(d.InfoSubject, QString("Bear"));
        QCOMPARE(d.LastDisplay.selectedName, QString("Grizzly"));
    }

    void listLineOfTheHitIsPicked()
    {
        TestInstall install;
        install.writeText("frostmere.data", "[caves]\nEishöhle=100,100\nGrotte=200,200\n");
        MainDisplay d;
        Measure(d);
        d.Change("/maps/frostmere.jpg", install.file("frostmere.data"), "caves");
        QCOMPARE(d.cboItems.listIndex, 0);

        SearchRecord hit = Record("Grotte", 200, 200);
        hit.dataFile = install.file("frostmere.data");
        SearchDisplay::Show(d, hit, "Gro");
        QCOMPARE(d.cboItems.listIndex, 2);
        QVERIFY(!d.cboItems.visible);
        // The pick placed the marker; the search frames the picked caption once more.
        QCOMPARE(d.lblCaption.caption, QString("  Grotte  "));
        QCOMPARE(d.lblCaption.top, d.ITEM.top - 40);
        QVERIFY(d.ITEM.visible);
        QCOMPARE(d.LastDisplay.selectedName, QString("Grotte"));
    }
};

QTEST_GUILESS_MAIN(TestSearchDisplay)
#include "test_searchdisplay.moc"
