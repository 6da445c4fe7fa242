// The declared menu tree: what each category command shows and how.
#include "modules/menu/MenuTable.h"

#include <QtTest>

namespace {

struct Shown
{
    QString map;
    MenuKind kind;
    QString category;
    bool hideLabels;
};

// Every category command with the map whose top menu holds it.
QHash<QString, Shown> categoryCommands()
{
    QHash<QString, Shown> result;
    for (const MenuEntry& e : MenuTable::Entries()) {
        const MenuEntry* top = MenuTable::TopMenuOf(e);
        if (e.category)
            result.insert(QString::fromLatin1(e.name),
                          {top && top->map ? QString::fromLatin1(top->map) : QString(), e.kind,
                           QString::fromUtf8(e.category), e.hideLabels});
    }
    return result;
}

// The letter after a single "&", or none.
QChar accelerator(const char* caption)
{
    const QString text = QString::fromUtf8(caption);
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

} // namespace

class TestMenuTable : public QObject
{
    Q_OBJECT

private slots:
    void sameCaptionDifferentDisplayPerMap_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("hideLabels");
        QTest::addColumn<QString>("category");
        const int list = int(MenuKind::List), all = int(MenuKind::All);
        QTest::newRow("caldora items") << "miCaldoraItems" << all << true << "items";
        QTest::newRow("frostmere items") << "miFrostmereItems" << all << false << "items";
        QTest::newRow("qasira items") << "miQasiraItems" << all << false << "items";
        QTest::newRow("urkesh items") << "miUrKeshItems" << list << false << "items";
        QTest::newRow("ancestors items") << "miancestorsItems" << list << false << "items";
        QTest::newRow("urkesh npcs") << "miUrKeshNPCs" << all << false << "NPC";
        QTest::newRow("qasira npcs") << "miQasiraNPCs" << list << false << "NPC";
        QTest::newRow("caldora quest npcs") << "miCaldoraQuestNPCs" << list << false << "quest npcs";
        QTest::newRow("frostmere quest npcs") << "miFrostmereQuestNPCs" << all << true << "quest npcs";
        QTest::newRow("caldora places") << "miCaldoraPlaces" << all << true << "places";
        QTest::newRow("frostmere places") << "miFrostmerePlaces" << all << false << "places";
        QTest::newRow("wexley") << "miCaldoraSlavesFromWexley" << all << false << "slave from wexley";
        QTest::newRow("temple keys") << "miUrKeshKeys" << all << false << "keys";
        QTest::newRow("ancestor tombs") << "miancestorsTombs" << all << false << "tombs";
        QTest::newRow("artifacts") << "miUrKeshArtifacts" << all << true << "artifacts";
        QTest::newRow("meridane") << "miQasiraMeridaneArtefacts" << all << false << "meridane artefacts";
        QTest::newRow("tomb of ancestors") << "miFrostmereTombOfancestors" << all << false << "tomb_of_ancestors";
        QTest::newRow("frostmere teachers") << "miFrostmereTeachers" << int(MenuKind::ListThenAll) << true
                                            << "teachers";
    }

    void sameCaptionDifferentDisplayPerMap()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(bool, hideLabels);
        QFETCH(QString, category);
        const Shown shown = categoryCommands().value(name);
        QCOMPARE(int(shown.kind), kind);
        QCOMPARE(shown.hideLabels, hideLabels);
        QCOMPARE(shown.category, category);
    }

    void everyCategoryCommandBelongsToAMap()
    {
        const auto commands = categoryCommands();
        QCOMPARE(commands.size(), 42 + 32 + 45 + 6 + 7);
        for (auto it = commands.begin(); it != commands.end(); ++it) {
            QVERIFY2(!it->map.isEmpty(), qPrintable(it.key()));
            // The command's name carries its map's name.
            const QString name = it.key().toLower();
            QVERIFY2(name.contains(it->map == "urkesh" ? QStringLiteral("urkesh") : it->map), qPrintable(it.key()));
        }
    }

    void nestingAndSeparators()
    {
        // The Caldora orc submenu sits inside the persons menu and holds four commands.
        QStringList orcs;
        bool inside = false;
        for (const MenuEntry& e : MenuTable::Entries()) {
            if (QLatin1String(e.name) == QLatin1String("mnuCaldoraOrks")) {
                QCOMPARE(e.level, 2);
                inside = true;
                continue;
            }
            if (inside && e.level <= 2)
                break;
            if (inside)
                orcs << QString::fromLatin1(e.name);
        }
        QCOMPARE(orcs, QStringList({"miCaldoraOrcChieftains", "miCaldoraCommander", "miCaldoraHostileOrcs",
                                    "miCaldoraOrcShamans"}));
        int separators = 0;
        for (const MenuEntry& e : MenuTable::Entries())
            separators += e.kind == MenuKind::Separator;
        QCOMPARE(separators, 48 + 2 + 2 + 1);  // map menus, file menu, help menu, marker menu
    }

    // An entry added beside the designed ones must not take a letter a sibling already has:
    // the key would then only move between them instead of choosing.
    void addedEntriesHaveAcceleratorsOfTheirOwn()
    {
        const auto entries = MenuTable::Entries();
        std::vector<int> parentAt(8, -1);
        std::vector<int> parent(entries.size(), -1);
        for (size_t i = 0; i < entries.size(); ++i) {
            const int level = entries[i].level;
            parent[i] = level > 0 ? parentAt[size_t(level - 1)] : -1;
            parentAt[size_t(level)] = int(i);
        }
        QStringList clashes;
        for (size_t i = 0; i < entries.size(); ++i) {
            const MenuEntry& added = entries[i];
            if (!QLatin1String(added.name).startsWith(QLatin1String("mx")) || !added.isCaptioned())
                continue;
            for (size_t j = 0; j < entries.size(); ++j) {
                const MenuEntry& other = entries[j];
                if (j == i || parent[j] != parent[i] || entries[j].level != added.level
                    || !other.isCaptioned() || (added.level == 0 && other.popup != added.popup))
                    continue;
                for (const auto caption : {&MenuEntry::german, &MenuEntry::english}) {
                    const QChar key = accelerator(added.*caption);
                    if (!key.isNull() && key == accelerator(other.*caption))
                        clashes << QStringLiteral("%1/%2: %3").arg(added.name, other.name, key);
                }
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(", ")));
    }

    void captionsAndShortcuts()
    {
        QCOMPARE(QString::fromUtf8(MenuTable::Find("miQasiraDragonroots")->designCaption()),
                 QStringLiteral("&Drachenwurzel"));
        QCOMPARE(QString::fromUtf8(MenuTable::Find("miQasiraDragonroots")->german), QStringLiteral("&Drachenwurzeln"));
        QCOMPARE(QString::fromUtf8(MenuTable::Find("miUpdateKarvenna")->english), QStringLiteral("Update &Karvenna  "));
        QCOMPARE(QString::fromUtf8(MenuTable::Find("miQasiraFriendsX")->german), QStringLiteral("&Freunde und Bekannte"));
        QCOMPARE(QString::fromUtf8(MenuTable::Find("miFrostmereOrcs")->german), QStringLiteral("O&rks"));
        QCOMPARE(QString::fromLatin1(MenuTable::Find("mnuExtras")->languageKey()), QStringLiteral("miExtras"));
        QCOMPARE(QString::fromLatin1(MenuTable::Find("miAbout")->shortcut), QStringLiteral("Ctrl+A"));
        QCOMPARE(QString::fromLatin1(MenuTable::Find("miQuit")->shortcut), QStringLiteral("Ctrl+W"));
        QVERIFY(!MenuTable::Find("miPrint")->enabled);
        QVERIFY(!MenuTable::Find("miFindAgain")->enabled);
        QCOMPARE(int(MenuTable::Find("sep13")->kind), int(MenuKind::Divider));
    }
};

QTEST_GUILESS_MAIN(TestMenuTable)
#include "test_menutable.moc"
