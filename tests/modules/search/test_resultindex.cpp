// The result list's matching and ranking, and how its data follows the files.
#include "modules/IniCache.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"
#include "modules/search/ResultSource.h"
#include "support/TestInstall.h"

#include <QtTest>

namespace {

// Wolfram der Bandit is listed three times (twice directly, once by a link); Frostmere has an
// entity of the same name, which is another entity.
const QString kCaldora = QStringLiteral(
    "[NPC]\n"
    "Wolfram der Bandit=100,200\n"
    "She-Wolf=10,20\n"
    "Schütze Arnulf=30,40\n"
    "Große Straße=50,60\n"
    "Adolfs Hütte=70,80\n"
    "[bandits]\n"
    "Wolfram der Bandit=#,NPC\n"
    "[quests]\n"
    "Wolfram der Bandit=100,200\n"
    "Feuerquelle=5,5\n");
const QString kFrostmere = QStringLiteral("[animals]\nWolfram der Bandit=1,2\nWolf=3,4\n");
const QString kInfo = QStringLiteral(
    "[info]\n"
    "feuerquelle=Hier heulen nachts die Wölfe.\n"
    "adolfs hütte=Ein Jäger wohnt hier.\n");
const QString kEnglish = QStringLiteral(
    "[general]\nlanguage=English\n"
    "[entities]\nWolfram der Bandit=Wolfram the Bandit\nSchütze=Archer\n");

struct Row
{
    QString map, name;
    MatchKind kind;
    bool operator==(const Row&) const = default;
};

} // namespace

namespace QTest {
template <> char* toString(const Row& r)
{
    return qstrdup(QStringLiteral("%1/%2/%3").arg(r.map, r.name, MatchKindName(r.kind)).toUtf8());
}
} // namespace QTest

class TestResultIndex : public QObject
{
    Q_OBJECT

    Session m_session;
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<ResultSource> m_source;

    QList<ResultSource::Map> maps() const
    {
        QList<ResultSource::Map> list;
        for (const QString& id : TestInstall::mapIds())
            list.append({m_install->file(id + ".data"), m_install->file(id + ".jpg")});
        return list;
    }

    void start(bool english = false)
    {
        m_install = std::make_unique<TestInstall>();
        m_install->writeMinimalInstallation(kCaldora);
        m_install->writeText("frostmere.data", kFrostmere);
        m_install->writeText("info.data", kInfo);
        if (english)
            m_install->useLanguageFile(m_session.language, "LANG/English/English.lng", kEnglish);
        m_source = std::make_unique<ResultSource>(m_session, maps(), m_install->file("info.data"));
        QVERIFY(!m_source->refresh());
    }

    QList<Row> find(const QString& term)
    {
        QList<Row> rows;
        ResultIndex& index = m_source->index();
        for (const ResultRow& r : index.match(term))
            rows.append({index.mapId(r.entity), index.germanName(r.entity), r.kind});
        return rows;
    }

    // The entities a term finds, whatever the way.
    QStringList names(const QString& term)
    {
        QStringList list;
        for (const Row& r : find(term))
            list.append(r.name);
        return list;
    }

private slots:
    void init()
    {
        IniCache::Clear();
        m_session.search = SearchState();
        m_session.language = LanguageState();
    }

    void accentsCaseAndSharpS_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("finds");
        QTest::newRow("u for ü") << "schutze" << "Schütze Arnulf";
        QTest::newRow("ue for ü") << "SCHUETZE" << "Schütze Arnulf";
        QTest::newRow("ü itself") << "schütze" << "Schütze Arnulf";
        QTest::newRow("ss for ß") << "strasse" << "Große Straße";
        QTest::newRow("oe and ss together") << "groesse str" << "Große Straße";
        QTest::newRow("a real ue stays ue") << "quelle" << "Feuerquelle";
        QTest::newRow("inside a real ue") << "elle" << "Feuerquelle";
    }
    void accentsCaseAndSharpS()
    {
        QFETCH(QString, term);
        QFETCH(QString, finds);
        start();
        QVERIFY2(names(term).contains(finds), qPrintable(names(term).join('|')));
    }

    void kindsRankThenMapOrder()
    {
        start();
        // Prefix first (Caldora before Frostmere), then word starts, then the rest of the
        // name, then a description.
        QCOMPARE(find("wolf"), (QList<Row>{{"caldora", "Wolfram der Bandit", MatchKind::Prefix},
                                           {"frostmere", "Wolfram der Bandit", MatchKind::Prefix},
                                           {"frostmere", "Wolf", MatchKind::Prefix},
                                           {"caldora", "She-Wolf", MatchKind::Word},
                                           {"caldora", "Feuerquelle", MatchKind::Description}}));
        QCOMPARE(find("olf"), (QList<Row>{{"caldora", "Wolfram der Bandit", MatchKind::Substring},
                                          {"caldora", "She-Wolf", MatchKind::Substring},
                                          {"caldora", "Adolfs Hütte", MatchKind::Substring},
                                          {"frostmere", "Wolfram der Bandit", MatchKind::Substring},
                                          {"frostmere", "Wolf", MatchKind::Substring},
                                          {"caldora", "Feuerquelle", MatchKind::Description}}));
        QCOMPARE(find("jäger"), (QList<Row>{{"caldora", "Adolfs Hütte", MatchKind::Description}}));
        // The description's "Wölfe" written without the umlaut.
        QCOMPARE(find("die woelfe"), (QList<Row>{{"caldora", "Feuerquelle", MatchKind::Description}}));
        QVERIFY(find("  ").isEmpty());
        QVERIFY(find("zzz").isEmpty());
    }

    void oneTypoFromFiveLetters_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("found");
        QTest::newRow("swapped") << "Wolfarm" << true;
        QTest::newRow("changed") << "wolfrum" << true;
        QTest::newRow("dropped") << "wolfam" << true;
        QTest::newRow("added") << "wolffram" << true;
        QTest::newRow("inside the name") << "bandti" << true;
        QTest::newRow("two typos") << "wlofarm" << false;
        QTest::newRow("four letters never") << "wlof" << false;
    }
    void oneTypoFromFiveLetters()
    {
        QFETCH(QString, term);
        QFETCH(bool, found);
        start();
        const QList<Row> rows = find(term);
        const bool hit = std::any_of(rows.begin(), rows.end(), [](const Row& r) {
            return r.name == "Wolfram der Bandit" && r.kind == MatchKind::Fuzzy;
        });
        QCOMPARE(hit, found);
    }

    void oneRowPerEntityWithAllCategories()
    {
        start();
        ResultIndex& index = m_source->index();
        const std::vector<ResultRow> rows = index.match("wolfram der");
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(index.categories(rows[0].entity), (QStringList{"NPC", "bandits", "quests"}));
        QCOMPARE(index.categories(rows[1].entity), (QStringList{"animals"}));
        // The first listing is the one shown.
        QCOMPARE(index.record(rows[0].entity).x, qint16(100));
        QCOMPARE(index.recordIndex(rows[0].entity), 0);
    }

    void interfaceLanguageAndGermanNames()
    {
        start(true);
        ResultIndex& index = m_source->index();
        QCOMPARE(find("the bandit").first(), (Row{"caldora", "Wolfram der Bandit", MatchKind::Word}));
        QCOMPARE(find("der bandit").first(), (Row{"caldora", "Wolfram der Bandit", MatchKind::Word}));
        QCOMPARE(find("archer").first(), (Row{"caldora", "Schütze Arnulf", MatchKind::Prefix}));
        QCOMPARE(index.shownName(index.match("archer").front().entity), QString("Archer Arnulf"));
    }

    // Typing letter by letter narrows the previous matches; it must give what a fresh search
    // of the same term gives, through the first term long enough for a typo too.
    void typingGivesWhatAFreshSearchGives()
    {
        start();
        const QString typed = "wolfarm der bandit";
        for (int n = 1; n <= typed.size(); ++n) {
            const std::vector<ResultRow> narrowed = m_source->index().match(typed.left(n));
            ResultIndex fresh;
            fresh.build(m_source->index().records(), m_session.language);
            QCOMPARE(narrowed, fresh.match(typed.left(n)));
        }
        QVERIFY(!m_source->index().match(typed).empty());
    }

    // Long pools are searched many places at a time: a hit must be found wherever it stands,
    // at the very start and end of a pool included, and never across two texts.
    void hitsAnywhereInManyTexts()
    {
        QList<SearchRecord> records;
        QSet<int> names, texts;
        for (int i = 0; i < 400; ++i) {
            SearchRecord r;
            r.entity = {"caldora", QString("Ding %1 ").arg(i) + QString(i % 23, 'x')};
            QString description = QString(i % 37, 'y') + QString(" Text %1.").arg(i);
            if (i % 7 == 0 || i == 399) {
                r.entity.name += "Zwerg";
                names.insert(i);
            } else if (i % 11 == 0 || i == 0) {
                description.insert(i % 31, "zwerg");
                texts.insert(i);
            }
            // "zwe" ending one text and "rg" beginning the next never make a hit.
            if (i == 200)
                r.entity.name += "zwe";
            if (i == 201)
                description = "rg" + description;
            r.description = description;
            r.name = r.entity.name;
            records.append(r);
        }
        ResultIndex index;
        LanguageState german;
        index.build(records, german);
        QSet<int> foundNames, foundTexts;
        for (const ResultRow& row : index.match("zwerg"))
            (row.kind == MatchKind::Description ? foundTexts : foundNames).insert(row.entity);
        QCOMPARE(foundNames, names);
        QCOMPARE(foundTexts, texts);
    }

    void firstUseFillsTheSearchCacheAndSharesIt()
    {
        start();
        QCOMPARE(m_session.search.SearchCache.size(), 13);
        QCOMPARE(m_source->index().records().constData(), m_session.search.SearchCache.constData());
        QCOMPARE(m_source->index().entityCount(), 11);
    }

    void followsAChangedDataFile()
    {
        start();
        QVERIFY(names("kiefer").isEmpty());
        const QList<SearchRecord> before = m_session.search.SearchCache;
        // A different size, so the change shows whatever the clock's resolution.
        m_install->writeText("frostmere.data", kFrostmere + "[trees]\nKiefer am See=9,9\n");
        QVERIFY(m_source->stale());
        QVERIFY(!m_source->refresh());
        QCOMPARE(names("kiefer"), QStringList{"Kiefer am See"});
        // Find again keeps walking the records it had.
        QCOMPARE(m_session.search.SearchCache.size(), before.size());
        QVERIFY(!m_source->stale());
    }

    void brokenLinkIsReportedAsTheFindDialogDoes()
    {
        m_install = std::make_unique<TestInstall>();
        m_install->writeMinimalInstallation("[NPC]\nWolf=#,nowhere\n");
        m_source = std::make_unique<ResultSource>(m_session, maps(), m_install->file("info.data"));
        const std::optional<LinkError> error = m_source->refresh();
        QVERIFY(error);
        QCOMPARE(error->text(), "DB: " + m_install->file("caldora.data") +
                                    "\r\n\r\n[NPC]\r\nWolf=#,nowhere\r\n\r\nLink-Target invalid!");
        QCOMPARE(m_source->index().entityCount(), 0);
        QVERIFY(m_session.search.SearchCache.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestResultIndex)
#include "test_resultindex.moc"
