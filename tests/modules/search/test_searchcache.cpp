// The search cache and its matching rules, without a window.
#include "modules/search/SearchCache.h"
#include "modules/Session.h"
#include "modules/IniCache.h"
#include "modules/LOCAL.h"
#include "support/TestInstall.h"

#include <QtTest>

namespace {

const QString kCaldora = QStringLiteral(
    "[places]\n"
    "Bergwerk=100,200\n"
    "Alter Bergmann=300,400\n"
    ";Versteckt=1,1\n"
    "/Abgeschaltet=2,2\n"
    "*Stern=3,3\n"
    "Höhle=#,caves\n"
    "[caves]\n"
    "Höhle=512,384,*\n"
    "[[odd]\n"
    "Wolf=5,6\n");

const QString kInfo = QStringLiteral(
    "[info]\n"
    "bergwerk=Ein tiefes Bergwerk voller Erz.\n"
    "alter bergmann=Erzählt vom ERZ.\n"
    "höhle=#Bergwerk\n"
    "wolf=#Höhle\n");

QStringList Names(const QList<SearchRecord>& records)
{
    QStringList names;
    for (const SearchRecord& r : records)
        names << r.name;
    return names;
}

} // namespace

class TestSearchCache : public QObject
{
    Q_OBJECT

    Session m_session;

private:
    void useEnglish(const TestInstall& install, bool withOwnDescriptions)
    {
        install.writeText("LANG/English/English.lng",
                          "[general]\nlanguage=English\n"
                          "[entities]\nBergwerk=Mine\nBär=Bear\nBear=Grizzly\n");
        if (withOwnDescriptions)
            install.writeText("LANG/English/info.data", "[info]\nbergwerk=A deep mine.\n");
        LanguageState& language = m_session.language;
        language.LanguageName = "English";
        language.LanguageStem = "English";
        language.LanguageFolder = install.path() + "/LANG/";
        language.LanguageFile = LOCAL::LanguageFileOf(m_session.language, "English");
        LOCAL::CacheTranslationTable(m_session.language);
    }

    std::optional<LinkError> cache(const TestInstall& install, const QString& id = "caldora")
    {
        return Search::CacheEntities(m_session.search, m_session.language, install.file(id + ".data"), install.file(id + ".jpg"),
                                     install.file("info.data"));
    }

private slots:
    void init()
    {
        m_session.search = SearchState();
        m_session.language = LanguageState();
    }

    void recordsInFileOrderWithoutDisabledKeys()
    {
        TestInstall install;
        install.writeText("caldora.data", kCaldora);
        install.writeText("info.data", kInfo);
        QVERIFY(!cache(install));

        const auto& records = m_session.search.SearchCache;
        QCOMPARE(Names(records),
                 QStringList({"Bergwerk", "Alter Bergmann", "Höhle", "Höhle", "Wolf"}));
        QCOMPARE(records[0].category, QString("places"));
        QCOMPARE(records[3].category, QString("caves"));
        QCOMPARE(records[4].category, QString("odd"));
        QCOMPARE(records[0].dataFile, install.file("caldora.data"));
        QCOMPARE(records[0].picture, install.file("caldora.jpg"));
        QCOMPARE(records[0].x, qint16(100));
        QCOMPARE(records[0].y, qint16(200));
    }

    void linkTakesTheTargetsCoordinates()
    {
        TestInstall install;
        install.writeText("caldora.data", kCaldora);
        QVERIFY(!cache(install));
        const SearchRecord& link = m_session.search.SearchCache[2];
        QCOMPARE(link.category, QString("places"));
        QCOMPARE(link.x, qint16(512));
        QCOMPARE(link.y, qint16(384));
        QCOMPARE(link.entity, (EntityId{"caldora", "Höhle"}));
    }

    void descriptionsFollowOneLinkLevel()
    {
        TestInstall install;
        install.writeText("caldora.data", kCaldora);
        install.writeText("info.data", kInfo);
        QVERIFY(!cache(install));
        const auto& records = m_session.search.SearchCache;
        QCOMPARE(records[0].description.toString(), QString("Ein tiefes Bergwerk voller Erz."));
        QCOMPARE(records[2].description.toString(), records[0].description.toString());
        // "wolf" points at "höhle", whose own text is a link again: used as it is.
        QCOMPARE(records[4].description.toString(), QString("#Bergwerk"));
    }

    void brokenLinkIsReported()
    {
        TestInstall install;
        install.writeText("caldora.data",
                          "[places]\nBergwerk=1,2\nQuelle = # , nowhere \n[nowhere]\nAnders=1,1\n");
        const auto error = cache(install);
        QVERIFY(error);
        QCOMPARE(LinkError::caption(), QString("Link Error"));
        QCOMPARE(error->text(), "DB: " + install.file("caldora.data") +
                                    "\r\n\r\n[places]\r\nQuelle=#,nowhere\r\n\r\n"
                                    "Link-Target invalid!");
    }

    void coordinatesNeverFail_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << "512" << 512;
        QTest::newRow("blanks around") << "  77 " << 77;
        QTest::newRow("half to even down") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
        QTest::newRow("trailing letters") << "12abc" << 12;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("too large") << "99999" << 32767;
        QTest::newRow("too small") << "-40000" << -32768;
        QTest::newRow("exponent") << "1e9" << 32767;
        QTest::newRow("beyond double") << "1e999" << 32767;
    }

    void coordinatesNeverFail()
    {
        QFETCH(QString, field);
        QFETCH(int, expected);
        QCOMPARE(int(Search::Coordinate(field)), expected);

        TestInstall install;
        install.writeText("caldora.data", "[places]\nOrt=" + field + "," + field + "\n");
        QVERIFY(!cache(install));
        QCOMPARE(m_session.search.SearchCache.size(), 1);
        QCOMPARE(int(m_session.search.SearchCache[0].y), expected);
    }

    void namesBeginWithTheTerm_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("matches");
        QTest::newRow("prefix") << "Bergwerk" << "Berg" << true;
        QTest::newRow("whole name") << "Bergwerk" << "Bergwerk" << true;
        QTest::newRow("inside only") << "Alter Bergmann" << "Berg" << false;
        QTest::newRow("case") << "Bergwerk" << "bERGw" << true;
        QTest::newRow("umlaut case") << "Ödland" << "öd" << true;
        QTest::newRow("longer than name") << "Berg" << "Bergwerk" << false;
        QTest::newRow("leading blanks") << "Bergwerk" << "  Berg" << false;
        QTest::newRow("leading blanks in name") << "  Berg" << "  Berg" << true;
    }

    void namesBeginWithTheTerm()
    {
        QFETCH(QString, name);
        QFETCH(QString, term);
        QFETCH(bool, matches);
        QCOMPARE(Search::MatchesName(m_session.language, name, term, Search::NameForm::AsStored), matches);
    }

    void descriptionsContainTheTerm_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("matches");
        QTest::newRow("anywhere") << "Ein tiefes Bergwerk" << "werk" << true;
        QTest::newRow("case") << "Erzählt vom ERZ." << "erz." << true;
        QTest::newRow("missing") << "Ein tiefes Bergwerk" << "Gold" << false;
        QTest::newRow("no description") << "" << "a" << false;
    }

    void descriptionsContainTheTerm()
    {
        QFETCH(QString, description);
        QFETCH(QString, term);
        QFETCH(bool, matches);
        QCOMPARE(Search::MatchesDescription(description, term), matches);
    }

    void findMatchScansFromAPosition()
    {
        TestInstall install;
        install.writeText("caldora.data", kCaldora);
        install.writeText("info.data", kInfo);
        QVERIFY(!cache(install));
        const auto& records = m_session.search.SearchCache;
        const auto find = [&](int from, const QString& term, int mode) {
            return Search::FindMatch(m_session.language, records, from, term, mode, Search::NameForm::AsStored);
        };
        QCOMPARE(find(0, "berg", 0), 0);
        QCOMPARE(find(1, "berg", 0), -1);
        QCOMPARE(find(0, "erz", 1), 0);
        QCOMPARE(find(1, "erz", 1), 1);
        QCOMPARE(find(2, "erz", 1), 2);
        QCOMPARE(find(4, "erz", 1), -1);
        QCOMPARE(find(records.size(), "Wolf", 0), -1);
    }

    void otherLanguageLocalizesNames()
    {
        TestInstall install;
        install.writeText("caldora.data", "[places]\nBergwerk=1,1\nBär=2,2\n");
        useEnglish(install, false);
        QVERIFY(!cache(install));
        const auto& records = m_session.search.SearchCache;
        QCOMPARE(Names(records), QStringList({"Mine", "Bear"}));
        // The record still says which entity it is: the German key on its map.
        QCOMPARE(records[1].entity, (EntityId{"caldora", "Bär"}));
    }

    void dialogLocalizesStoredNamesOnceMore()
    {
        TestInstall install;
        install.writeText("caldora.data", "[places]\nBär=2,2\n");
        useEnglish(install, false);
        QVERIFY(!cache(install));
        const auto& records = m_session.search.SearchCache;
        // The stored "Bear" is itself a key of the table: only the dialog translates it again.
        QCOMPARE(Search::FindMatch(m_session.language, records, 0, "griz", 0, Search::NameForm::LocalizeAgain), 0);
        QCOMPARE(Search::FindMatch(m_session.language, records, 0, "griz", 0, Search::NameForm::AsStored), -1);
        QCOMPARE(Search::FindMatch(m_session.language, records, 0, "bear", 0, Search::NameForm::AsStored), 0);
    }

    // The names of a map share one block: each still ends where it ends, outlives the search
    // cache and changes as a string of its own.
    void namesReadAndChangeOnTheirOwn()
    {
        TestInstall install;
        install.writeText("caldora.data", kCaldora);
        install.writeText("info.data", kInfo);
        QVERIFY(!cache(install));
        QString first = m_session.search.SearchCache[0].entity.name;
        const QString second = m_session.search.SearchCache[1].entity.name;
        m_session.search.SearchCache.clear();
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(first.utf16())),
                 QString("Bergwerk"));
        first += " und mehr";
        QCOMPARE(first, QString("Bergwerk und mehr"));
        QCOMPARE(second, QString("Alter Bergmann"));
    }

    void languageWithoutDescriptionsSearchesGermanOnes()
    {
        TestInstall install;
        install.writeText("caldora.data", "[places]\nBergwerk=1,1\n");
        install.writeText("info.data", kInfo);
        useEnglish(install, false);
        QCOMPARE(Search::DescriptionSource(m_session.language, install.file("info.data")), install.file("info.data"));
        QVERIFY(!cache(install));
        QCOMPARE(m_session.search.SearchCache[0].description.toString(),
                 QString("Ein tiefes Bergwerk voller Erz."));
    }

    void languageWithDescriptionsSearchesItsOwn()
    {
        TestInstall install;
        install.writeText("caldora.data", "[places]\nBergwerk=1,1\n");
        install.writeText("info.data", kInfo);
        useEnglish(install, true);
        QVERIFY(!cache(install));
        QCOMPARE(m_session.search.SearchCache[0].description.toString(), QString("A deep mine."));
    }

    void emptyLanguageDescriptionsFallBackToGerman()
    {
        TestInstall install;
        install.writeText("caldora.data", "[places]\nBergwerk=1,1\n");
        install.writeText("info.data", kInfo);
        useEnglish(install, false);
        install.writeBytes("LANG/English/info.data", QByteArray());
        QVERIFY(!cache(install));
        QCOMPARE(m_session.search.SearchCache[0].description.toString(),
                 QString("Ein tiefes Bergwerk voller Erz."));
    }

    void eachFileIsParsedOnce()
    {
        TestInstall install;
        QString data;
        QString info = "[info]\n";
        for (int s = 0; s < 20; ++s) {
            data += QString("[section %1]\n").arg(s);
            for (int k = 0; k < 50; ++k) {
                data += QString("Ding %1 %2=%1,%2\n").arg(s).arg(k);
                info += QString("ding %1 %2=Beschreibung %1 %2\n").arg(s).arg(k);
            }
        }
        install.writeText("caldora.data", data);
        install.writeText("info.data", info);
        IniCache::Clear();
        const qint64 before = IniCache::ParseCount();
        QVERIFY(!cache(install));
        QCOMPARE(m_session.search.SearchCache.size(), 1000);
        // The data file through the cache; the description file is read by the search itself,
        // once for all its lookups.
        QCOMPARE(IniCache::ParseCount() - before, 1);
        QCOMPARE(m_session.search.SearchCache[999].description.toString(),
                 QString("Beschreibung 19 49"));
    }
};

QTEST_GUILESS_MAIN(TestSearchCache)
#include "test_searchcache.moc"
