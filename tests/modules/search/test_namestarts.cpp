// A name search over the search cache reads the index of the names' beginnings first; it must
// find exactly what the plain walk over the records finds, also after the cache grew or was
// filled anew.
#include "modules/search/SearchCache.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

SearchRecord named(const QString& name)
{
    SearchRecord r;
    r.name = name;
    return r;
}

// Search state whose cache holds these names.
void fill(const QStringList& names)
{
    SearchState& state = SearchState::instance();
    state.SearchCache.clear();
    for (const QString& name : names)
        state.SearchCache.append(named(name));
}

int plain(int from, const QString& term)
{
    return Search::FindMatch(SearchState::instance().SearchCache, from, term, 0,
                             Search::NameForm::AsStored);
}

int indexed(int from, const QString& term)
{
    return Search::FindMatch(SearchState::instance(), from, term, 0, Search::NameForm::AsStored);
}

} // namespace

class TestNameStarts : public QObject
{
    Q_OBJECT

private slots:
    void findsWhatTheWalkFinds_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("expected");
        QTest::newRow("letter case") << "WOLF" << 0 << 0;
        QTest::newRow("next one") << "wolf" << 1 << 3;
        QTest::newRow("longer than the letters kept") << "wolfsschlucht n" << 0 << 3;
        QTest::newRow("differs after the letters kept") << "wolfsschlucht x" << 0 << -1;
        QTest::newRow("umlaut upper and lower") << "äSCH" << 0 << 1;
        QTest::newRow("name shorter than term") << "bärenhöhlen" << 0 << -1;
        QTest::newRow("name of one letter") << "Z" << 0 << 4;
        QTest::newRow("beyond Latin-1 in the name") << "αλεπ" << 0 << 5;
        QTest::newRow("beyond Latin-1 in the term only") << "wolfα" << 0 << -1;
        QTest::newRow("dotted capital I lowers to two letters") << "i̇stan" << 0 << -1;
        QTest::newRow("empty term fits the first") << "" << 2 << 2;
        QTest::newRow("from past the end") << "wolf" << 99 << -1;
        QTest::newRow("from before the start") << "Wolf" << -5 << 0;
    }

    void findsWhatTheWalkFinds()
    {
        QFETCH(QString, term);
        QFETCH(int, from);
        QFETCH(int, expected);
        fill({"Wolfshöhle", "Äschensee", "Bärenhöhle", "Wolfsschlucht Nord", "z", "Αλεπού",
              QString::fromUtf8("\xC4\xB0stanbul")});
        QCOMPARE(plain(from, term), expected);
        QCOMPARE(indexed(from, term), expected);
    }

    void followsTheCache()
    {
        fill({"Mine", "Moor"});
        QCOMPARE(indexed(0, "moo"), 1);
        // Grown by another map's records.
        SearchState::instance().SearchCache.append(named("Mühle"));
        QCOMPARE(indexed(0, "müh"), 2);
        // Emptied and filled anew with as many names.
        fill({"Turm", "Tor", "Tal"});
        QCOMPARE(indexed(0, "moo"), -1);
        QCOMPARE(indexed(0, "tal"), 2);
        fill({});
        QCOMPARE(indexed(0, "t"), -1);
    }

    void randomNamesAgree()
    {
        QRandomGenerator random(61206);
        const QString letters = QStringLiteral("aAbBäÄßµ ΩωİIi");
        const auto word = [&](int maxLength) {
            QString s;
            for (int i = random.bounded(maxLength + 1); i > 0; --i)
                s += letters[random.bounded(int(letters.size()))];
            return s;
        };
        QStringList names;
        for (int i = 0; i < 2000; ++i)
            names.append(word(10));
        fill(names);
        for (int t = 0; t < 3000; ++t) {
            const QString term = word(9);
            const int from = random.bounded(2100);
            QCOMPARE(indexed(from, term), plain(from, term));
        }
    }

    // Descriptions and translated names never use the index; they answer as before.
    void otherModesUnchanged()
    {
        fill({"Höhle"});
        SearchState::instance().SearchCache[0].description = QStringLiteral("Ein Bär wohnt hier");
        QCOMPARE(Search::FindMatch(SearchState::instance(), 0, "BÄR", 1, Search::NameForm::AsStored), 0);
        QCOMPARE(Search::FindMatch(SearchState::instance(), 0, "höh", 0,
                                   Search::NameForm::LocalizeAgain),
                 0);
    }
};

QTEST_GUILESS_MAIN(TestNameStarts)
#include "test_namestarts.moc"
