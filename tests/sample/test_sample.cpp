// The committed sample installation is complete and consistent: every category a menu names,
// every perk, links, positions, pictures, translations and descriptions.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "support/TestInstall.h"

using namespace IniOps;

namespace {

const QString kHome = QStringLiteral(KARVENNA_SAMPLE_DIR);

// Category keys of the map menus, and whether the menu shows them as a pick list.
struct Category
{
    const char* map;
    const char* key;
    bool list;
};

const QVector<Category>& MenuCategories()
{
    static const QVector<Category> all = [] {
        QVector<Category> c;
        auto add = [&c](const char* map, std::initializer_list<const char*> keys) {
            for (const char* k : keys)
                c.push_back({map, k, false});
        };
        add("caldora", {"teachers", "merchants", "friendsX", "bandits", "druids", "smiths", "hunters", "alchemists",
                        "fire mages", "orc chieftains", "commander", "hostile orcs", "orc shamans", "ranger",
                        "nightblades", "twelve paladins", "bundles of weapons quests", "men for brennhold",
                        "slave from wexley", "creatures", "items", "teleporter stones", "meridane artefacts",
                        "fire chalices", "mage chests", "weapon chests", "special chests", "bundles of weapons",
                        "tools", "baskets", "resources", "millstones", "dragonroots", "goblinberries", "kings sorrels",
                        "places", "cities", "shrines", "caves", "rebel camps"});
        add("frostmere", {"quest npcs", "teachers", "merchants", "friendsX", "druids", "smiths", "hunters",
                          "alchemists", "fire mages", "orcs", "twelve paladins", "creatures", "items",
                          "teleporter stones", "meridane artefacts", "fire chalices", "mage chests", "weapon chests",
                          "tools", "millstones", "dragonroots", "flameberries", "goblinberries", "armorweeds",
                          "reignweeds", "kings sorrels", "places", "cities", "shrines", "caves", "tomb_of_ancestors"});
        add("qasira", {"quest npcs", "teachers", "merchants", "friendsX", "bandits", "smiths", "hunters",
                       "alchemists", "orcs", "nomads", "nightblades", "nomad tribe leaders", "watermages",
                       "twelve paladins", "bundles of weapons quests", "creatures", "undead", "jackals", "pack leader",
                       "items", "teleporter stones", "meridane artefacts", "fire chalices", "sel amun temple keys",
                       "ur kesh temple keys", "mage chests", "weapon chests", "special chests", "bundles of weapons",
                       "tools", "baskets", "resources", "stone tablets", "dragonroots", "flameberries", "goblinberries",
                       "armorweeds", "reignweeds", "kings sorrels", "places", "cities", "shrines", "caves", "tombs"});
        add("urkesh", {"NPC", "creatures", "artifacts", "keys", "places"});
        add("ancestors", {"orcs", "ancestors", "creatures", "places", "tombs"});
        for (const char* map : {"caldora", "frostmere", "qasira", "ancestors"})
            c.push_back({map, "NPC", true});
        c.push_back({"caldora", "quest npcs", true});
        c.push_back({"urkesh", "items", true});
        c.push_back({"ancestors", "items", true});
        return c;
    }();
    return all;
}

// Perk section keys with their key in the language file's "frmPerks" section.
const QVector<QPair<QString, QString>>& Perks()
{
    static const QVector<QPair<QString, QString>> perks{
        {"perk acrobatics", "Acrobatics"},
        {"perk alchemy", "Alchemy"},
        {"perk ancient knowledge", "AncientKnowledge"},
        {"perk animal form", "AnimalForm"},
        {"perk archer", "Archer"},
        {"perk bargain", "Bargain"},
        {"perk big game hunter", "BigGameHunter"},
        {"perk brew mana potions", "BrewManaPotions"},
        {"perk brew Potions with permanent effects", "BrewPotionsWithPermanentEffects"},
        {"perk brew transformation potions", "BrewTransformationPotions"},
        {"perk crossbowman", "Crossbowman"},
        {"perk dark mage", "DarkMage"},
        {"perk Difficult pickpocketing", "DifficultPickpocketing"},
        {"perk druid", "Druid"},
        {"perk endurance of the wolf", "EnduranceOfTheWolf"},
        {"perk fight with two blades", "FightWithTwoBlades"},
        {"perk forge ore weapons", "ForgeOreWeapons"},
        {"perk Forge weapons from pure ore", "ForgeWeaponsFromPureOre"},
        {"perk frostwave", "Frostwave"},
        {"perk game hunter", "GameHunter"},
        {"perk heavy crossbow", "HeavyCrossbow"},
        {"perk hone blade", "HoneBlade"},
        {"perk hunting skill", "HuntingSkill"},
        {"perk ice explosion", "IceExplosion"},
        {"perk ice lance", "IceLance"},
        {"perk improve armor", "ImproveArmor"},
        {"perk knock down", "KnockDown"},
        {"perk large weapons", "LargeWeapons"},
        {"perk large weapons ii", "LargeWeaponsII"},
        {"perk large weapons iii", "LargeWeaponsIII"},
        {"perk learn quickly", "LearnQuickly"},
        {"perk magic staves", "MagicStaves"},
        {"perk make excuses", "MakeExcuses"},
        {"perk make fire arrows", "MakeFireArrows"},
        {"perk make poison", "MakePoison"},
        {"perk Make poison arrows", "MakePoisonArrows"},
        {"perk mana regeneration", "ManaRegeneration"},
        {"perk master archer Bow", "MasterArcherBow"},
        {"perk master archer crossbow", "MasterArcherCrossbow"},
        {"perk master of two blades", "MasterOfTwoBlades"},
        {"perk master swordsman", "MasterSwordsman"},
        {"perk murder", "Murder"},
        {"perk orc hunter", "OrcHunter"},
        {"perk orc slayer", "OrcSlayer"},
        {"perk paladin", "Paladin"},
        {"perk pick difficult locks", "PickDifficultLocks"},
        {"perk pick impossible locks", "PickImpossibleLocks"},
        {"perk poison blade", "PoisonBlade"},
        {"perk poison resistance", "PoisonResistance"},
        {"perk prospector", "Prospector"},
        {"perk regeneration", "Regeneration"},
        {"perk resistance to cold", "ResistanceToCold"},
        {"perk resistance to heat", "ResistanceToHeat"},
        {"perk shield parry", "ShieldParry"},
        {"perk silent hunter", "SilentHunter"},
        {"perk simple pickpocketing", "SimplePickpocketing"},
        {"perk sleep", "Sleep"},
        {"perk smithing", "Smithing"},
        {"perk staff fighting", "StaffFighting"},
        {"perk staff fighting ii", "StaffFightingII"},
        {"perk staff fighting iii", "StaffFightingIII"},
        {"perk strength", "Strength"},
        {"perk strong shield parry", "StrongShieldParry"},
        {"perk strong swordfighter", "StrongSwordfighter"},
        {"perk summon animals", "SummonAnimals"},
        {"perk summon goblin", "SummonGoblin"},
        {"perk take animal skins", "TakeAnimalSkins"},
        {"perk take reptile hides", "TakeReptileHides"},
        {"perk tame animal", "TameAnimal"},
        {"perk teeth, claws, and horns", "TeethClawsAndHorns"},
        {"perk telekinesis", "Telekinesis"},
        {"perk thieving", "Thieving"},
        {"perk impossible pickpocketing", "ImpossiblePickpocketing"},
        {"perk water mage", "WaterMage"},
        {"perk weakness resistance", "WeaknessResistance"},
        {"perk Amnesia", "Amnesia"},
        {"perk Banish evil", "Banish evil"},
        {"perk Bless weapon", "Bless weapon"},
        {"perk Bloodlust", "Bloodlust"},
        {"perk Cure poison", "Cure poison"},
        {"perk Fire rain", "Fire rain"},
        {"perk Fireball", "Fireball"},
        {"perk Flame wave", "Flame wave"},
        {"perk Fog", "Fog"},
        {"perk Heal other", "Heal other"},
        {"perk Healing", "Healing"},
        {"perk Light", "Light"},
        {"perk Lightning bolt", "Lightning bolt"},
        {"perk Mana", "Mana"},
        {"perk Meteor", "Meteor"},
        {"perk Night into day", "Night into day"},
        {"perk Poison", "Poison"},
        {"perk Soul travel", "Soul travel"},
        {"perk Summon demon", "Summon demon"},
        {"perk Summon flaming sword", "Summon flaming sword"},
        {"perk Summon lightning", "Summon lightning"},
        {"perk Summon skeleton", "Summon skeleton"},
        {"perk Terror", "Terror"},
        {"perk Weaken", "Weaken"},
        {"perk Word of dominance", "Word of dominance"},
        {"perk Endurance", "Endurance"},
        {"perk Health", "Health"},
        {"perk Summon golem", "Summon golem"},
        {"perk Hailstorm", "Hailstorm"},
        {"perk Time bubble", "Time bubble"},
    };
    return perks;
}

QString DataFile(const QString& map) { return kHome + '/' + map + ".data"; }

bool Enabled(const QString& key) { return !key.startsWith(';') && !key.startsWith('/'); }

QStringList EnabledKeys(const QString& file, const QString& section)
{
    QStringList keys;
    for (const QString& k : GetIniKeys(file, section))
        if (Enabled(k))
            keys << k;
    return keys;
}

// x, y of an entity after following a link; ok is false when the record holds no position.
QPoint Position(const QString& file, const QString& section, const QString& key, bool* ok)
{
    QStringList fields = ReadIni(file, section, key, QString()).split(',');
    if (fields.value(0).trimmed() == QLatin1String("#"))
        fields = ReadIni(file, fields.value(1).trimmed(), key, QString()).split(',');
    bool okX = false, okY = false;
    const int x = fields.value(0).trimmed().toInt(&okX);
    const int y = fields.value(1).trimmed().toInt(&okY);
    *ok = okX && okY;
    return QPoint(x, y);
}

const QStringList& Maps() { return TestInstall::mapIds(); }

} // namespace

class TestSample : public QObject
{
    Q_OBJECT

private slots:
    void mapFilesPassTheInstallCheck_data()
    {
        QTest::addColumn<QString>("map");
        for (const QString& m : Maps())
            QTest::newRow(qPrintable(m)) << m;
    }
    void mapFilesPassTheInstallCheck()
    {
        QFETCH(QString, map);
        QVERIFY(QFileInfo(DataFile(map)).size() > 0);
        const QImage picture(kHome + '/' + map + ".jpg");
        QVERIFY2(!picture.isNull(), qPrintable(map + ".jpg does not load"));
        QCOMPARE(double(picture.width()) / picture.height(), 1024.0 / 768.0);
        if (map == QLatin1String("caldora"))
            QCOMPARE(picture.size(), QSize(1024, 768));
    }

    void someMapIsNotAtReferenceSize()
    {
        int scaled = 0;
        for (const QString& m : Maps())
            scaled += QImage(kHome + '/' + m + ".jpg").size() != QSize(1024, 768);
        QVERIFY(scaled >= 1);
    }

    void menuCategoriesHaveEntities_data()
    {
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("list");
        for (const Category& c : MenuCategories())
            QTest::newRow(qPrintable(QString(c.map) + '/' + c.key)) << QString(c.map) << QString(c.key) << c.list;
    }
    void menuCategoriesHaveEntities()
    {
        QFETCH(QString, map);
        QFETCH(QString, category);
        QFETCH(bool, list);
        const QStringList all = GetIniKeys(DataFile(map), category);
        const QStringList enabled = EnabledKeys(DataFile(map), category);
        QVERIFY2(!enabled.isEmpty(), "no enabled entry under the exact header");
        if (list) {
            QVERIFY2(enabled.size() >= 100 && enabled.size() <= 300, qPrintable(QString::number(enabled.size())));
            return;
        }
        // One marker per entry, disabled ones included.
        QVERIFY2(all.size() <= 81, qPrintable(QString::number(all.size())));
        for (const QString& key : enabled) {
            bool ok = false;
            const QPoint p = Position(DataFile(map), category, key, &ok);
            QVERIFY2(ok, qPrintable(key + " has no position"));
            QVERIFY2(p.x() >= 0 && p.x() < 1024 && p.y() >= 0 && p.y() < 768, qPrintable(key + " lies off the picture"));
        }
    }

    void everyPerkIsTaughtByPersons_data()
    {
        QTest::addColumn<QString>("perk");
        for (const auto& p : Perks())
            QTest::newRow(qPrintable(p.first)) << p.first;
    }
    void everyPerkIsTaughtByPersons()
    {
        QFETCH(QString, perk);
        int teachers = 0;
        for (const QString region : {"caldora", "frostmere", "qasira"}) {
            for (const QString& teacher : EnabledKeys(DataFile(region), perk)) {
                const QString record = ReadIni(DataFile(region), perk, teacher, QString());
                QCOMPARE(record.section(',', 0, 0).trimmed(), QStringLiteral("#"));
                const QString target = record.section(',', 1, 1).trimmed();
                QVERIFY2(EnabledKeys(DataFile(region), target).contains(teacher),
                         qPrintable(teacher + " is not a person entry of " + target));
                ++teachers;
            }
        }
        QVERIFY2(teachers > 0, "nobody teaches this perk");
    }

    void perkSectionsAreOnlyOnRegions()
    {
        for (const QString map : {"urkesh", "ancestors"})
            for (const QString& s : GetIniSections(DataFile(map)))
                QVERIFY2(!s.startsWith(QLatin1String("perk")), qPrintable(map + ": " + s));
    }

    void everyLinkResolves_data()
    {
        QTest::addColumn<QString>("map");
        for (const QString& m : Maps())
            QTest::newRow(qPrintable(m)) << m;
    }
    void everyLinkResolves()
    {
        QFETCH(QString, map);
        const QString file = DataFile(map);
        int links = 0;
        for (const QString& section : GetIniSections(file)) {
            for (const QString& key : GetIniKeys(file, section)) {
                const QString record = ReadIni(file, section, key, QString());
                if (record.section(',', 0, 0).trimmed() != QLatin1String("#"))
                    continue;
                ++links;
                bool ok = false;
                Position(file, section, key, &ok);
                QVERIFY2(ok, qPrintable(section + '/' + key + " -> " + record));
            }
        }
        QVERIFY(links > 0);
    }

    void keysAreUniqueInTheirSections_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& m : Maps())
            QTest::newRow(qPrintable(m)) << DataFile(m);
        QTest::newRow("info") << kHome + "/info.data";
        QTest::newRow("English") << kHome + "/LANG/English/English.lng";
        QTest::newRow("pic.ini") << kHome + "/PICS/pic.ini";
    }
    void keysAreUniqueInTheirSections()
    {
        // A second entry of the same key is never read.
        QFETCH(QString, file);
        const QStringList sections = GetIniSections(file);
        QCOMPARE(QSet<QString>(sections.begin(), sections.end()).size(), sections.size());
        for (const QString& section : sections) {
            QSet<QString> seen;
            for (const QString& key : GetIniKeys(file, section)) {
                QVERIFY2(!seen.contains(key.toLower()), qPrintable(section + ": " + key));
                seen.insert(key.toLower());
            }
        }
    }

    void dataConventionsAreUsed()
    {
        bool disabledFirst = false, semicolon = false, slash = false, special = false, spacedSpecial = false;
        bool linkOnly = false;
        for (const QString& map : Maps()) {
            QStringList named;
            for (const Category& c : MenuCategories())
                if (map == QLatin1String(c.map))
                    named << c.key;
            for (const QString& section : GetIniSections(DataFile(map))) {
                const QStringList keys = GetIniKeys(DataFile(map), section);
                disabledFirst |= !keys.isEmpty() && !Enabled(keys.first());
                for (const QString& k : keys) {
                    semicolon |= k.startsWith(';');
                    slash |= k.startsWith('/');
                    QVERIFY2(!k.startsWith(' '), qPrintable(k));
                    const QString mark = ReadIni(DataFile(map), section, k, QString()).section(',', 2, 2);
                    special |= mark == QLatin1String("*");
                    spacedSpecial |= mark != QLatin1String("*") && mark.trimmed() == QLatin1String("*");
                }
                linkOnly |= !named.contains(section) && !section.startsWith(QLatin1String("perk"));
            }
        }
        QVERIFY(disabledFirst);
        QVERIFY(semicolon);
        QVERIFY(slash);
        QVERIFY(special);
        QVERIFY(spacedSpecial);
        QVERIFY(linkOnly);
    }

    void dataFilesUseCrLfAndGermanLetters()
    {
        QFile f(DataFile("caldora"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
        const QString text = QString::fromUtf8(bytes);
        for (const QString letter : {"ä", "ö", "ü", "ß"})
            QVERIFY2(text.contains(letter), qPrintable(letter));
    }

    void cavesLieOnDrawnCaveMouths_data()
    {
        QTest::addColumn<QString>("map");
        for (const QString m : {"caldora", "frostmere", "qasira"})
            QTest::newRow(qPrintable(m)) << m;
    }
    void cavesLieOnDrawnCaveMouths()
    {
        QFETCH(QString, map);
        const QImage picture(kHome + '/' + map + ".jpg");
        const double sx = picture.width() / 1024.0, sy = picture.height() / 768.0;
        for (const QString& cave : EnabledKeys(DataFile(map), "caves")) {
            bool ok = false;
            const QPoint p = Position(DataFile(map), "caves", cave, &ok);
            QVERIFY(ok);
            // The mouth is drawn as a black arch just above the entity's point.
            int darkest = 255;
            for (int dy = -5; dy <= 0; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    darkest = std::min(darkest, qGray(picture.pixel(int((p.x() + dx) * sx), int((p.y() + dy) * sy))));
            QVERIFY2(darkest < 70, qPrintable(cave));
        }
    }

    void pictureIndexNamesLoadablePictures()
    {
        const QString index = kHome + "/PICS/pic.ini";
        const QStringList keys = GetIniKeys(index, "pics");
        QVERIFY(keys.size() > 100);
        for (const QString& key : keys) {
            const QString file = kHome + "/PICS/" + ReadIni(index, "pics", key, QString());
            QVERIFY2(!QImage(file).isNull(), qPrintable(key + " -> " + file));
        }
    }

    void englishTranslatesEveryEntity()
    {
        const QString lng = kHome + "/LANG/English/English.lng";
        LanguageState s;
        s.LanguageName = "English";
        s.LanguageFile = lng;
        LOCAL::CacheTranslationTable(s);
        for (const QString& word : LOCAL::RegionWords())
            QVERIFY(!ReadIni(lng, "entities", word, QString()).isEmpty());
        QSet<QString> names;
        for (const QString& map : Maps())
            for (const QString& section : GetIniSections(DataFile(map)))
                for (const QString& key : EnabledKeys(DataFile(map), section))
                    names.insert(key);
        QVERIFY(names.size() > 1000);
        for (const QString& name : std::as_const(names)) {
            const QString english = ReadIni(lng, "entities", name, QString());
            QVERIFY2(!english.isEmpty(), qPrintable(name));
            // The name's own entry translates it, and the translation leads back to it.
            QCOMPARE(LOCAL::LocalizeName(s, name), english);
            QCOMPARE(LOCAL::DelocalizeName(s, english), name);
        }
    }

    void languageFilesHaveTheirSections()
    {
        const QString lng = kHome + "/LANG/English/English.lng";
        const QStringList sections = GetIniSections(lng);
        for (const QString s : {"general", "menus", "ui", "frmFind", "frmPrint", "frmInfo", "frmAbout", "frmLang",
                                "frmExtras", "frmPerks", "entities"})
            QVERIFY2(sections.contains(s), qPrintable(s));
        QCOMPARE(ReadIni(lng, "general", "language", QString()), QStringLiteral("English"));
        QVERIFY(!ReadIni(lng, "menus", "miExtras", QString()).isEmpty());
        QVERIFY(ReadIni(lng, "frmFind", "SearchResult", QString()).contains("%s"));
        for (const auto& p : Perks())
            QVERIFY2(!ReadIni(lng, "frmPerks", p.second, QString()).isEmpty(), qPrintable(p.second));
        QVERIFY(!QImage(kHome + "/LANG/English/English.bmp").isNull());
        // The second language is partial: no descriptions and no help of its own.
        QVERIFY(!ReadIni(kHome + "/LANG/Francais/Francais.lng", "general", "language", QString()).isEmpty());
        QVERIFY(!QFile::exists(kHome + "/LANG/Francais/info.data"));
        QVERIFY(!QFile::exists(kHome + "/LANG/Francais/karvenna.chm"));
    }

    void descriptionsFollowTheFormat()
    {
        const QString info = kHome + "/info.data";
        const QStringList keys = GetIniKeys(info, "info");
        int atLimit = 0, references = 0, lineBreaks = 0;
        for (const QString& key : keys) {
            const QString text = ReadIni(info, "info", key, QString());
            QVERIFY2(text.size() <= 2047, qPrintable(key));
            atLimit += text.size() == 2047;
            lineBreaks += text.contains(QLatin1String("\\n"));
            if (text.startsWith('#')) {
                ++references;
                QVERIFY2(!ReadIni(info, "info", text.mid(1).trimmed(), QString()).isEmpty(), qPrintable(key));
            }
        }
        QCOMPARE(atLimit, 1);
        QVERIFY(references > 0);
        QVERIFY(lineBreaks > keys.size() / 2);
        // Most entities have a description, some have none.
        int described = 0, total = 0;
        for (const QString& map : Maps())
            for (const QString& key : EnabledKeys(DataFile(map), "places")) {
                ++total;
                described += !ReadIni(info, "info", key, QString()).isEmpty();
            }
        QVERIFY(described > total / 2);
        QVERIFY(described < total);
        QCOMPARE(GetIniKeys(kHome + "/LANG/English/info.data", "info"), keys);
    }

    void programCheckFindsNoFault()
    {
        // The program's own installation check reads the sample the way the program does.
        if (!QFileInfo::exists(QStringLiteral(KARVENNA_BIN)))
            QSKIP("the program is not built");
        QProcess check;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        check.setProcessEnvironment(env);
        check.start(QStringLiteral(KARVENNA_BIN), {"--check", "--home", kHome});
        QVERIFY(check.waitForFinished(120000));
        const QString out = QString::fromUtf8(check.readAllStandardOutput() + check.readAllStandardError());
        for (const QString& line : out.split('\n'))
            QVERIFY2(!line.contains(QLatin1String(": error:")) && !line.contains(QLatin1String(": warning:")), qPrintable(line));
        QCOMPARE(check.exitCode(), 0);
    }

    void documentsAndMusicArePresent()
    {
        const QStringList documents{"perklist.chm", "spellbook.chm", "cheatlist.html", "reputationlist.html",
                                    "armorlist.chm", "plantlist.chm", "teleporterstones.chm", "amuletlist.chm",
                                    "ringlist.chm", "shieldlist.chm", "faq.html"};
        for (const QString folder : {"/EXTRAS/", "/LANG/English/"})
            for (const QString& d : documents) {
                QFile f(kHome + folder + d);
                QVERIFY2(f.open(QIODevice::ReadOnly) && f.size() > 0, qPrintable(folder + d));
                if (d.endsWith(QLatin1String(".chm")))
                    QCOMPARE(f.read(4), QByteArray("ITSF"));
            }
        for (const QString f : {"/karvenna.chm", "/readme.html", "/LANG/English/karvenna.chm", "/LANG/English/readme.html"})
            QVERIFY2(QFileInfo(kHome + f).size() > 0, qPrintable(f));
        QFile wav(kHome + "/karvenna.wav");
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray header = wav.read(12);
        QVERIFY(header.startsWith("RIFF") && header.endsWith("WAVE"));
        QCOMPARE(ReadIni(kHome + "/karvenna.ini", "folders", "pics", QString()), QStringLiteral("PICS"));
    }
};

QTEST_MAIN(TestSample)
#include "test_sample.moc"
