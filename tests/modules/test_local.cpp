// The language module: the German test, text lookup with English defaults, and the entity-name
// translation with its first-key-wins walk, region words and empty translations.
#include "modules/LOCAL.h"
#include "support/TestInstall.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestLocal : public QObject
{
    Q_OBJECT

private:
    TestInstall m_install;
    LanguageState m_lang;

    // Makes stem the current language with the given language file text.
    void useLanguage(const QString& stem, const QString& text)
    {
        m_install.writeText("LANG/" + stem + "/" + stem + ".lng", text);
        LanguageState& s = m_lang;
        s.LanguageFolder = m_install.path() + "/LANG/";
        s.LanguageName = stem;
        s.LanguageStem = stem;
        s.LanguageFile = LOCAL::LanguageFileOf(m_lang, stem);
        LOCAL::CacheTranslationTable(m_lang);
    }

    static QString english()
    {
        return QStringLiteral("[general]\n"
                              "language=English\n"
                              "[frmFind]\n"
                              "Caption=Search\n"
                              "buttoncancel=\n"
                              "[entities]\n"
                              "Caldora=Kaldor\n"
                              "Tempel von=Temple of\n"
                              "Höhle=Cave\n"
                              "Höhle der Wölfe=Wolves' Den\n"
                              "Bauer=Bauer Farmer\n"
                              "Leer=\n"
                              "; note\n"
                              "Händler=Trader\n"
                              "[menus]\n"
                              "miFind=Find...\n");
    }

private slots:
    void init() { m_lang = LanguageState(); }
    void languageFileOf();
    void isGermanIsExact_data();
    void isGermanIsExact();
    void textLookup_data();
    void textLookup();
    void expand_data();
    void expand();
    void cacheTable();
    void cacheTableLeftAloneForGerman();
    void cacheTableNeedsExactHeader();
    void localize_data();
    void localize();
    void emptyKeyStopsTheWalk();
    void delocalize_data();
    void delocalize();
    void regionWordsBeforeFirstLocalize();
    void emptyTranslationsBecomeSemicolons();
    void missingLanguageFile();
    void ownOrSubstitute_data();
    void ownOrSubstitute();
    void ownFileAppearsLater();
};

void TestLocal::languageFileOf()
{
    m_lang.LanguageFolder = "/opt/karvenna/LANG/";
    QCOMPARE(LOCAL::LanguageFileOf(m_lang, "English"), QString("/opt/karvenna/LANG/English/English.lng"));
}

void TestLocal::isGermanIsExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("german");
    QTest::newRow("Deutsch") << "Deutsch" << true;
    QTest::newRow("lower case") << "deutsch" << false;
    QTest::newRow("blank behind") << "Deutsch " << false;
    QTest::newRow("English") << "English" << false;
    QTest::newRow("empty") << "" << false;
}

void TestLocal::isGermanIsExact()
{
    QFETCH(QString, name);
    QFETCH(bool, german);
    m_lang.LanguageName = name;
    QCOMPARE(LOCAL::IsGerman(m_lang), german);
}

void TestLocal::textLookup_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("englishDefault");
    QTest::addColumn<QString>("expected");
    QTest::newRow("present, any case") << "FRMFIND"
                                       << "caption"
                                       << "Find"
                                       << "Search";
    QTest::newRow("empty value keeps English") << "frmFind"
                                               << "buttoncancel"
                                               << "Cancel"
                                               << "Cancel";
    QTest::newRow("missing key") << "frmFind"
                                 << "options"
                                 << "Options"
                                 << "Options";
    QTest::newRow("missing section") << "frmPrint"
                                     << "caption"
                                     << "Print"
                                     << "Print";
    QTest::newRow("no default") << "frmAbout"
                                << "caption"
                                << ""
                                << "";
}

void TestLocal::textLookup()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, englishDefault);
    QFETCH(QString, expected);
    useLanguage("English", english());
    QCOMPARE(LOCAL::Text(m_lang, section, key, englishDefault), expected);
}

void TestLocal::expand_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("value") << "File %s not found"
                           << "/x/a.jpg"
                           << "File /x/a.jpg not found";
    QTest::newRow("every %s") << "%s and %s"
                              << "a"
                              << "a and a";
    QTest::newRow("line breaks") << "one\\ntwo\\n"
                                 << ""
                                 << "one\r\ntwo\r\n";
    QTest::newRow("both") << "Perks in %s\\n"
                          << "Caldora"
                          << "Perks in Caldora\r\n";
    QTest::newRow("real line break kept") << "a\nb"
                                          << ""
                                          << "a\nb";
    QTest::newRow("value inserted as it is") << "Missing: %s\\n"
                                             << "C:\\new %s"
                                             << "Missing: C:\\new %s\r\n";
}

void TestLocal::expand()
{
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(LOCAL::Expand(text, value), expected);
}

void TestLocal::cacheTable()
{
    useLanguage("English", english());
    const LanguageState& s = m_lang;
    QCOMPARE(s.EntityKeys, (QStringList{"Caldora", "Tempel von", "Höhle", "Höhle der Wölfe",
                                        "Bauer", "Leer", "; note", "Händler"}));
    QCOMPARE(s.EntityNames, (QStringList{"Kaldor", "Temple of", "Cave", "Wolves' Den",
                                         "Bauer Farmer", "", "", "Trader"}));
}

void TestLocal::cacheTableLeftAloneForGerman()
{
    useLanguage("English", english());
    LanguageState& s = m_lang;
    const QStringList keys = s.EntityKeys;
    s.LanguageName.clear();
    s.LanguageFile = "*";
    LOCAL::CacheTranslationTable(m_lang);
    QCOMPARE(s.LanguageName, QString("Deutsch"));
    QCOMPARE(s.EntityKeys, keys);
}

void TestLocal::cacheTableNeedsExactHeader()
{
    useLanguage("Shout", "[ENTITIES]\nHöhle=CAVE\n");
    QVERIFY(m_lang.EntityKeys.isEmpty());
    // Single lookups still find the section.
    QCOMPARE(LOCAL::Text(m_lang, "entities", "Höhle"), QString("CAVE"));
    QCOMPARE(LOCAL::LocalizeName(m_lang, "Höhle"), QString("Höhle"));
}

void TestLocal::localize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("key") << "Händler"
                         << "Trader";
    QTest::newRow("blanks removed") << "  Händler "
                                    << "Trader";
    QTest::newRow("short key first wins, every occurrence") << "Höhle der Wölfe bei Höhlenberg"
                                                            << "Cave der Wölfe bei Cavenberg";
    QTest::newRow("translation applied once") << "Bauer Hans"
                                              << "Bauer Farmer Hans";
    QTest::newRow("empty translation deletes key") << "Leer Haus"
                                                   << " Haus";
    QTest::newRow("empty translation, whole name") << "Leer"
                                                   << "Leer";
    QTest::newRow("region words, then keys") << "Höhle in Caldora"
                                             << "Cave in Kaldor";
    QTest::newRow("region word missing in file") << "Frostmere Wald"
                                                 << "Frostmere Wald";
    QTest::newRow("region word only") << "Tempel von Caldora"
                                      << "Temple of Kaldor";
    QTest::newRow("must begin with key") << "Alte Höhle"
                                         << "Alte Höhle";
    QTest::newRow("case-sensitive") << "höhle"
                                    << "höhle";
    QTest::newRow("unknown") << "Unbekannt"
                             << "Unbekannt";
}

void TestLocal::localize()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    useLanguage("English", english());
    QCOMPARE(LOCAL::LocalizeName(m_lang, name), expected);
    QCOMPARE(LOCAL::LocalizeName(m_lang, name, IniOps::Reader(m_lang.LanguageFile)), expected);
}

void TestLocal::emptyKeyStopsTheWalk()
{
    useLanguage("Odd", "[entities]\nHöhle=Cave\n=everything\nHändler=Trader\n");
    QCOMPARE(LOCAL::LocalizeName(m_lang, "Höhle"), QString("Cave"));
    QCOMPARE(LOCAL::LocalizeName(m_lang, "Händler"), QString("Händler"));
}

void TestLocal::delocalize_data()
{
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("shown");
    QTest::newRow("key") << "Händler"
                         << "Trader";
    QTest::newRow("region and key") << "Höhle in Caldora"
                                    << "Cave in Kaldor";
    QTest::newRow("region word only") << "Tempel von Caldora"
                                      << "Temple of Kaldor";
    QTest::newRow("not translated") << "Unbekannt"
                                    << "Unbekannt";
}

void TestLocal::delocalize()
{
    QFETCH(QString, german);
    QFETCH(QString, shown);
    useLanguage("English", english());
    QCOMPARE(LOCAL::LocalizeName(m_lang, german), shown);
    QCOMPARE(LOCAL::DelocalizeName(m_lang, " " + shown + " "), german);
}

void TestLocal::regionWordsBeforeFirstLocalize()
{
    useLanguage("English", english());
    QVERIFY(m_lang.RegionNames.isEmpty());
    QCOMPARE(LOCAL::DelocalizeName(m_lang, "Cave in Kaldor"), QString("Höhle in Kaldor"));
    LOCAL::LocalizeName(m_lang, "x");
    QCOMPARE(m_lang.RegionNames,
             (QStringList{"Kaldor", "Frostmere", "Qasira", "Ur Kesh", "Temple of"}));
    QCOMPARE(LOCAL::DelocalizeName(m_lang, "Cave in Kaldor"), QString("Höhle in Caldora"));
}

void TestLocal::emptyTranslationsBecomeSemicolons()
{
    useLanguage("English", english());
    LanguageState& s = m_lang;
    // An empty translation must not match every name.
    QCOMPARE(LOCAL::DelocalizeName(m_lang, "Trader"), QString("Händler"));
    QCOMPARE(s.EntityNames.at(5), QString(";"));
    QCOMPARE(s.EntityNames.at(6), QString(";"));
    // Only a name beginning with ";" meets the replaced entry.
    QCOMPARE(LOCAL::DelocalizeName(m_lang, ";x"), QString("Leerx"));
}

void TestLocal::missingLanguageFile()
{
    LanguageState& s = m_lang;
    s = LanguageState();
    s.LanguageName = "Klingon";
    s.LanguageFile = m_install.file("LANG/Klingon/Klingon.lng");
    LOCAL::CacheTranslationTable(m_lang);
    QVERIFY(s.EntityKeys.isEmpty());
    QCOMPARE(LOCAL::Text(m_lang, "frmFind", "caption", "Find"), QString("Find"));
    QCOMPARE(LOCAL::LocalizeName(m_lang, " Höhle in Caldora "), QString("Höhle in Caldora"));
    QCOMPARE(LOCAL::DelocalizeName(m_lang, "Höhle in Caldora"), QString("Höhle in Caldora"));
}

void TestLocal::ownOrSubstitute_data()
{
    QTest::addColumn<QString>("own");  // "missing", "folder" or the file's text
    QTest::addColumn<QString>("expected");
    QTest::newRow("own file") << "[info]\nx=own\n"
                              << "own";
    QTest::newRow("own file without the key") << "[info]\ny=own\n"
                                              << "";
    QTest::newRow("own file empty") << ""
                                    << "substitute";
    QTest::newRow("own file missing") << "missing"
                                      << "substitute";
    QTest::newRow("a folder in its place") << "folder"
                                           << "substitute";
}

void TestLocal::ownOrSubstitute()
{
    QFETCH(QString, own);
    QFETCH(QString, expected);
    useLanguage("Francais", "[entities]\n");
    m_lang.SubstituteLanguage = "English";
    m_install.writeText("LANG/English/info.data", "[info]\nx=substitute\n");
    const QString ownPath = m_install.file("LANG/Francais/info.data");
    QFile::remove(ownPath);
    QDir().rmdir(ownPath);
    if (own == "folder")
        QDir().mkpath(ownPath);
    else if (own != "missing")
        m_install.writeText("LANG/Francais/info.data", own);

    QCOMPARE(LOCAL::OwnOrSubstituteReader(m_lang, "info.data").ReadIni("info", "x", ""), expected);
    // The file name and the reader choose alike.
    const bool usesOwn = own != "missing" && own != "folder" && !own.isEmpty();
    QCOMPARE(LOCAL::OwnOrSubstituteFile(m_lang, "info.data"),
             m_install.file(usesOwn ? "LANG/Francais/info.data" : "LANG/English/info.data"));
}

void TestLocal::ownFileAppearsLater()
{
    useLanguage("Francais", "[entities]\n");
    m_lang.SubstituteLanguage = "English";
    m_install.writeText("LANG/English/info.data", "[info]\nx=substitute\n");
    QFile::remove(m_install.file("LANG/Francais/info.data"));
    QDir().rmdir(m_install.file("LANG/Francais/info.data"));
    QCOMPARE(LOCAL::OwnOrSubstituteReader(m_lang, "info.data").ReadIni("info", "x", ""), QString("substitute"));
    m_install.writeText("LANG/Francais/info.data", "[info]\nx=own\n");
    QCOMPARE(LOCAL::OwnOrSubstituteReader(m_lang, "info.data").ReadIni("info", "x", ""), QString("own"));
    m_install.writeText("LANG/Francais/info.data", "");
    QCOMPARE(LOCAL::OwnOrSubstituteReader(m_lang, "info.data").ReadIni("info", "x", ""), QString("substitute"));
}

QTEST_GUILESS_MAIN(TestLocal)
#include "test_local.moc"
