// Found marks on the display model: flags in every kind of display, "hide found" taking found
// markers off the map and bringing them back, the shown category's count, and the hunting list
// of the shown category and of a whole map.
#include "modules/Session.h"
#include "modules/display/MainDisplay.h"
#include "modules/progress/FoundDisplay.h"
#include "modules/progress/HuntList.h"
#include "modules/search/SearchDisplay.h"
#include "support/TestInstall.h"

#include <QSet>
#include <QtTest>

namespace {

MainDisplay makeDisplay()
{
    MainDisplay d;
    d.measureWidth = [](const QString& caption, LabelKind) { return int(caption.size()) * 100; };
    d.measureHeight = [](LabelKind) { return 195; };
    d.Resize(15450, 12320);
    return d;
}

} // namespace

class TestFoundDisplay : public QObject
{
    Q_OBJECT

    Session m_session;
    TestInstall m_install;
    QSet<QString> m_found; // "map/name"
    FoundDisplay::Hidden m_hidden;

    QString data() const { return m_install.file("caldora.data"); }
    QString picture() const { return m_install.file("caldora.jpg"); }
    HuntLists::IsFound isFound() const
    {
        return [this](const EntityId& e) { return m_found.contains(e.mapId + '/' + e.name); };
    }
    FoundDisplay::Count apply(MainDisplay& d, bool hide)
    {
        return FoundDisplay::Apply(d, isFound(), hide, m_hidden);
    }

private slots:
    void initTestCase()
    {
        m_session.language.LanguageName = QStringLiteral("Deutsch");
        m_session.ProgramFolder = m_install.path();
        m_install.writeText("caldora.data",
                            "[caves]\n"
                            "/Verschüttet=100,100\n"
                            "Wolfshöhle=512,384\n"
                            "Grotte=20,30,*\n"
                            "Brücke=#,places\n"
                            "[places]\n"
                            "Brücke=200,100\n"
                            "Turm=700,500\n"
                            "[list]\n"
                            "/Aus=1,1\n"
                            "Wolfshöhle=512,384\n"
                            "Turm=700,500\n");
        m_install.writeText("info.data", "[info]\n"
                                         "wolfshöhle=Hier wohnen Wölfe.\\nViele Wölfe.\n"
                                         "turm=#wolfshöhle\n");
    }

    void init()
    {
        m_found = {"caldora/Wolfshöhle", "caldora/Brücke", "qasira/Turm"};
        m_hidden.reset();
    }

    void allAtOnceFlagsCountsAndHiding()
    {
        MainDisplay d = makeDisplay();
        d.ChangeMulti(picture(), data(), "caves", "&Caldora: &Höhlen", false);
        // A linked entry is its own name on this map; the disabled one counts for nothing.
        QCOMPARE(apply(d, false), (FoundDisplay::Count{2, 3}));
        QVERIFY(!d.DOT[0].found && d.DOT[1].found && !d.DOT[2].found && d.DOT[3].found);
        QVERIFY(d.lblDOT[1].found && !d.lblDOT[2].found);
        QVERIFY(d.DOT[1].visible && d.lblDOT[1].visible);

        QCOMPARE(apply(d, true), (FoundDisplay::Count{2, 3}));
        QVERIFY(!d.DOT[1].visible && !d.lblDOT[1].visible && !d.DOT[3].visible);
        QVERIFY(d.DOT[2].visible && d.lblDOT[2].visible && !d.DOT[0].visible);
        QVERIFY(apply(d, true) == (FoundDisplay::Count{2, 3}) && !d.DOT[1].visible);

        // Taking a mark back brings its marker back at once; ending the hiding brings all.
        m_found.remove("caldora/Brücke");
        QCOMPARE(apply(d, true), (FoundDisplay::Count{1, 3}));
        QVERIFY(d.DOT[3].visible && d.lblDOT[3].visible && !d.DOT[1].visible);
        apply(d, false);
        QVERIFY(d.DOT[1].visible && d.lblDOT[1].visible);
        QVERIFY(!d.DOT[0].visible && !d.lblDOT[0].visible); // disabled stays hidden
        QVERIFY(m_hidden.none());
    }

    void hiddenNamesComeBackOnlyWhereLabelsShow()
    {
        MainDisplay d = makeDisplay();
        d.ChangeMulti(picture(), data(), "caves", "Höhlen", true);
        apply(d, true);
        QVERIFY(!d.DOT[1].visible);
        apply(d, false);
        QVERIFY(d.DOT[1].visible && !d.lblDOT[1].visible);
    }

    void aNewDisplayNeverRevivesOldMarkers()
    {
        MainDisplay d = makeDisplay();
        d.ChangeMulti(picture(), data(), "caves", "Höhlen", false);
        apply(d, true);
        QVERIFY(m_hidden.test(1) && m_hidden.test(3));
        // The places have two entries: markers 2 and 3 are no part of that display.
        d.ChangeMulti(picture(), data(), "places", "Orte", false);
        QCOMPARE(apply(d, false), (FoundDisplay::Count{1, 2}));
        QVERIFY(d.DOT[0].visible && d.DOT[0].found && d.DOT[1].visible && !d.DOT[1].found);
        QVERIFY(!d.DOT[2].visible && !d.DOT[3].visible && !d.DOT[3].found);

        // A search hit shows a heading too, but no category: nothing is counted.
        d.ChangeMulti(picture(), data(), "caves", "Höhlen", false);
        apply(d, true);
        SearchRecord hit;
        hit.entity = {"caldora", "Wolfshöhle"};
        hit.name = "Wolfshöhle";
        hit.picture = picture();
        hit.dataFile = data();
        hit.category = "caves";
        SearchDisplay::Show(d, m_session.language, hit, "Wolf");
        QCOMPARE(apply(d, false), (FoundDisplay::Count{0, 0}));
        QVERIFY(d.ITEM.visible && d.ITEM.found && d.lblCaption.found);
        for (const MarkerState& dot : d.DOT)
            QVERIFY(!dot.visible);
    }

    void listDisplayCountsItsLinesAndMarksThePick()
    {
        MainDisplay d = makeDisplay();
        d.Change(picture(), data(), "list");
        QCOMPARE(apply(d, true), (FoundDisplay::Count{1, 2}));
        d.SelectListIndex(1);
        apply(d, true);
        // Picked by name: it stays on the map, looking found.
        QVERIFY(d.ITEM.visible && d.ITEM.found);
        d.SelectListIndex(2);
        apply(d, true);
        QVERIFY(d.ITEM.visible && !d.ITEM.found);
    }

    void huntListOfTheShownCategoryAndOfTheMap()
    {
        MainDisplay d = makeDisplay();
        QVERIFY(HuntLists::ForShown(d, m_session, isFound()).entries.isEmpty());
        d.ChangeMulti(picture(), data(), "caves", "&Caldora: &Höhlen", false);
        const HuntList shown = HuntLists::ForShown(d, m_session, isFound());
        QCOMPARE(shown.title, QString("Caldora: Höhlen"));
        QCOMPARE(shown.entries.size(), 3);
        QCOMPARE(shown.foundCount(), 2);
        QCOMPARE(shown.entries[0].shown, QString("Wolfshöhle"));
        QCOMPARE(shown.entries[0].position, QPoint(512, 384));
        QCOMPARE(shown.entries[0].description, QString("Hier wohnen Wölfe."));
        QCOMPARE(shown.entries[2].position, QPoint(200, 100)); // the link followed

        d.Change(picture(), data(), "list");
        const HuntList list = HuntLists::ForShown(d, m_session, isFound());
        QCOMPARE(list.entries.size(), 2);
        QCOMPARE(list.entries[1].position, QPoint(700, 500));
        QCOMPARE(list.entries[1].description, QString("Hier wohnen Wölfe.")); // "#" followed

        // The whole map: each entity once, disabled ones left out, sorted by name.
        const HuntList map = HuntLists::ForMap(data(), "caldora", "Caldora", m_session, isFound());
        QStringList names;
        for (const HuntEntry& e : map.entries)
            names << e.shown;
        QCOMPARE(names, (QStringList{"Brücke", "Grotte", "Turm", "Wolfshöhle"}));
        QCOMPARE(map.foundCount(), 2); // Turm is found on another map only
    }
};

QTEST_GUILESS_MAIN(TestFoundDisplay)
#include "test_founddisplay.moc"
