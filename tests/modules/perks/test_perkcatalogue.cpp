// The perk catalogue: the built-in table, which sections become perk nodes, and their texts
// in German and from language files.
#include "modules/perks/PerkCatalogue.h"
#include "modules/perks/PerkTable.h"
#include "modules/LOCAL.h"
#include "support/TestInstall.h"

#include <QtTest>

namespace {

// "key|parent|text|bold|picture" per node, for compact comparisons.
QStringList describe(const QList<PerkNode>& nodes)
{
    QStringList lines;
    for (const PerkNode& n : nodes)
        lines << QStringLiteral("%1|%2|%3|%4|%5")
                     .arg(n.key, n.parent, n.text, n.bold ? "bold" : "", QString::number(n.picture));
    return lines;
}

QStringList perkLines(const PerkTree& tree) { return describe(tree.nodes.mid(8)); }

const QStringList kGermanGroups = {
    "f|root|Kampftalente|bold|1",     "h|root|Jagdtalente|bold|2",
    "m|root|Magietalente|bold|3",     "s|root|Schmiedetalente|bold|4",
    "t|root|Diebestalente|bold|5",    "a|root|Alchemietalente|bold|6",
    "o|root|Sonstige Talente|bold|7",
};

const QStringList kEnglishGroups = {
    "f|root|Fighting skills|bold|1", "h|root|Hunting skills|bold|2",
    "m|root|Magic skills|bold|3",    "s|root|Smith skills|bold|4",
    "t|root|Thief skills|bold|5",    "a|root|Alchemy skills|bold|6",
    "o|root|Other skills|bold|7",
};

QString sections(const QStringList& names)
{
    QString text;
    for (const QString& name : names)
        text += "[" + name + "]\nLehrer " + QString::number(text.size()) + "=100,200\n";
    return text;
}

} // namespace

class TestPerkCatalogue : public QObject
{
    Q_OBJECT

private:
    TestInstall m_install;

    void useGerman() { LOCAL::State() = LanguageState(); }

private slots:
    void init() { useGerman(); }

    // --- the built-in table -------------------------------------------------------------

    void tableRows_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("langKey");
        QTest::addColumn<QString>("english");
        QTest::newRow("two trailing blanks")
            << "perk Bloodlust" << "m" << "Blutrausch  " << "Bloodlust" << "Bloodlust";
        QTest::newRow("typo in the default")
            << "perk Weaken" << "m" << "Schwächen " << "Weaken" << "wWaken";
        QTest::newRow("trailing blank, other skills")
            << "perk Endurance" << "o" << "Ausdauer " << "Endurance" << "Endurance";
        QTest::newRow("German typo") << "perk game hunter" << "h" << "Wiljäger" << "GameHunter"
                                     << "Game hunter";
        QTest::newRow("capital in the key") << "perk Make poison arrows" << "a"
                                            << "Giftpfeile herstellen" << "MakePoisonArrows"
                                            << "Make poison arrorws";
        QTest::newRow("lower-case default") << "perk master archer crossbow" << "f"
                                            << "Meisterschütze" << "MasterArcherCrossbow"
                                            << "master archer crossbow";
        QTest::newRow("blank in the language key")
            << "perk Banish evil" << "m" << "Böses vernichten" << "Banish evil" << "Banish evil";
        QTest::newRow("comma in the key") << "perk teeth, claws, and horns" << "h"
                                          << "Zähne, Krallen und Hörner" << "TeethClawsAndHorns"
                                          << "Teeth, claws and horns";
        QTest::newRow("last row") << "perk Time bubble" << "m" << "Zeitblase" << "Time bubble"
                                  << "Time bubble";
    }
    void tableRows()
    {
        QFETCH(QString, section);
        const PerkEntry* perk = PerkTable::Find(section);
        QVERIFY(perk);
        QTEST(QString(perk->group), "group");
        QTEST(perk->german.toString(), "german");
        QTEST(perk->langKey.toString(), "langKey");
        QTEST(perk->english.toString(), "english");
    }

    void tableHasEveryPerkOnceInAKnownGroup()
    {
        QCOMPARE(PerkTable::Perks().size(), std::size_t(105));
        QString groupKeys;
        for (const PerkGroup& group : PerkTable::Groups())
            groupKeys += group.key;
        QCOMPARE(groupKeys, QStringLiteral("fhmstao"));
        QSet<QString> seen;
        for (const PerkEntry& perk : PerkTable::Perks()) {
            QVERIFY2(!seen.contains(perk.sectionKey.toString()), qPrintable(perk.sectionKey.toString()));
            seen.insert(perk.sectionKey.toString());
            QVERIFY(groupKeys.contains(perk.group));
        }
        QVERIFY(!PerkTable::Find(u"perk Acrobatics"));
        QVERIFY(!PerkTable::Find(u"perk acrobatics "));
    }

    // --- the tree ------------------------------------------------------------------------

    void sectionsBecomePerkNodesExactly()
    {
        const QString file = m_install.file("exact/caldora.data");
        m_install.writeText("exact/caldora.data",
                            sections({"places", "perk archer", "perk Acrobatics", "Perk sleep",
                                      "perk acrobatics", "perkarcher", "perk archer", "perk sleep"}));
        const PerkTree tree = PerkCatalogue::Load(file);
        QCOMPARE(tree.region, QStringLiteral("Caldora"));
        QCOMPARE(tree.caption, QStringLiteral("Lehrer für Perks in Caldora"));
        QCOMPARE(tree.showCaption, QStringLiteral("An&zeigen"));
        QCOMPARE(tree.abortCaption, QStringLiteral("&Abbrechen"));
        QCOMPARE(describe(tree.nodes.mid(0, 8)),
                 QStringList{"root||Lehrer in Caldora|bold|9"} + kGermanGroups);
        // File order; a section differing by one letter's case is skipped; a repeated
        // section gives one node.
        QCOMPARE(perkLines(tree), (QStringList{"perk archer|h|Bogenschütze||8",
                                               "perk acrobatics|o|Akrobatik||8",
                                               "perk sleep|m|Schlaf||8"}));
    }

    void masterArcherUnderTwoGroups()
    {
        const QString file = m_install.file("archers/frostmere.data");
        m_install.writeText("archers/frostmere.data",
                            sections({"perk master archer crossbow", "perk master archer Bow",
                                      "perk master archer bow"}));
        const PerkTree tree = PerkCatalogue::Load(file);
        QCOMPARE(tree.nodes.first().text, QStringLiteral("Lehrer in Frostmere"));
        QCOMPARE(perkLines(tree), (QStringList{"perk master archer crossbow|f|Meisterschütze||8",
                                               "perk master archer Bow|h|Meisterschütze||8"}));
    }

    void regionWithoutPerksShowsEmptyGroups_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("German") << true << (QStringList{"root||Lehrer in Qasira|bold|9"} + kGermanGroups);
        QTest::newRow("English") << false << (QStringList{"root||Perks in Qasira|bold|9"} + kEnglishGroups);
    }
    void regionWithoutPerksShowsEmptyGroups()
    {
        QFETCH(bool, german);
        if (!german)
            m_install.useLanguageFile("LANG/Empty/Empty.lng", "[ui]\nx=y\n");
        m_install.writeText("noperks/qasira.data", sections({"places", "caves", "perkless"}));
        const PerkTree tree = PerkCatalogue::Load(m_install.file("noperks/qasira.data"));
        QTEST(describe(tree.nodes), "expected");
    }

    void languageFileWithoutKeysGivesEnglishDefaults()
    {
        m_install.useLanguageFile("LANG/English/English.lng", "[entities]\nBär=Bear\n[other]\nroot=x\n");
        QStringList all;
        for (const PerkEntry& perk : PerkTable::Perks())
            all << perk.sectionKey.toString();
        m_install.writeText("all/caldora.data", sections(all));
        const PerkTree tree = PerkCatalogue::Load(m_install.file("all/caldora.data"));

        QCOMPARE(tree.caption, QStringLiteral("Perks in Caldora"));
        QCOMPARE(tree.showCaption, QStringLiteral("Show"));
        QCOMPARE(tree.abortCaption, QStringLiteral("Abort"));
        QCOMPARE(describe(tree.nodes.mid(0, 8)),
                 QStringList{"root||Perks in Caldora|bold|9"} + kEnglishGroups);
        QCOMPARE(tree.nodes.size(), 8 + 105);
        for (qsizetype i = 0; i < 105; ++i) {
            const PerkEntry& perk = PerkTable::Perks()[i];
            QCOMPARE(tree.nodes[8 + i].text, perk.english.toString());
            QCOMPARE(tree.nodes[8 + i].parent, QString(perk.group));
        }
        const auto textOf = [&](const QString& key) {
            for (const PerkNode& node : tree.nodes)
                if (node.key == key)
                    return node.text;
            return QStringLiteral("<none>");
        };
        QCOMPARE(textOf("perk Weaken"), QStringLiteral("wWaken"));
        QCOMPARE(textOf("perk orc hunter"), QStringLiteral("Orchhunter"));
        QCOMPARE(textOf("perk Bless weapon"), QStringLiteral("bless weapon"));
        QCOMPARE(textOf("perk Bloodlust"), QStringLiteral("Bloodlust"));
    }

    void languageFileTexts()
    {
        m_install.useLanguageFile("LANG/Pirate/Pirate.lng",
                                  "[entities]\nCaldora=Caldoria\n"
                                  "[frmPerks]\ncaption=Masters of %s (%s)\nroot=Teachers in %s\n"
                                  "fightingskills=Fighting\nmagicskills=\nSleep=Nap\n"
                                  "ButtonShow=&Go\nButtonCancel=&Back\n");
        m_install.writeText("pirate/caldora.data", sections({"perk sleep", "perk archer"}));
        const PerkTree tree = PerkCatalogue::Load(m_install.file("pirate/caldora.data"));
        QCOMPARE(tree.caption, QStringLiteral("Masters of Caldoria (Caldoria)"));
        QCOMPARE(tree.nodes[0].text, QStringLiteral("Teachers in Caldoria"));
        QCOMPARE(tree.nodes[1].text, QStringLiteral("Fighting"));
        QCOMPARE(tree.nodes[3].text, QStringLiteral("Magic skills")); // empty value: default
        QCOMPARE(perkLines(tree),
                 (QStringList{"perk sleep|m|Nap||8", "perk archer|h|Archer||8"}));
        QCOMPARE(tree.showCaption, QStringLiteral("&Go"));
        QCOMPARE(tree.abortCaption, QStringLiteral("&Back"));
    }

    void missingDataFileShowsEmptyGroups()
    {
        const PerkTree tree = PerkCatalogue::Load(m_install.file("nowhere/caldora.data"));
        QCOMPARE(describe(tree.nodes), QStringList{"root||Lehrer in Caldora|bold|9"} + kGermanGroups);
    }
};

QTEST_GUILESS_MAIN(TestPerkCatalogue)
#include "test_perkcatalogue.moc"
