// Reading profile files: the Windows lookup rules of ReadIni and GetIniSections, and the
// strict line scanner of GetIniKeys.
#include "modules/IniOps.h"
#include "support/TestInstall.h"

#include <QTest>

using namespace IniOps;

class TestIniFile : public QObject
{
    Q_OBJECT

private:
    TestInstall m_install;
    int m_files = 0;

    QString write(const QByteArray& bytes)
    {
        const QString name = QStringLiteral("f%1.ini").arg(++m_files);
        m_install.writeBytes(name, bytes);
        return m_install.file(name);
    }

private slots:
    void readIni_data();
    void readIni();
    void readIniCutsLongValues_data();
    void readIniCutsLongValues();
    void readIniGivesDefaultUnchanged();
    void sections_data();
    void sections();
    void sectionsStopAtBufferLimit();
    void keys_data();
    void keys();
    void strictKeysButLenientLookup();
    void missingFile();
    void bothEncodingsGiveTheSameNames_data();
    void bothEncodingsGiveTheSameNames();
};

void TestIniFile::readIni_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray sk = "[s]\r\n";
    QTest::newRow("plain") << sk + "k=v\r\n"
                           << "s"
                           << "k"
                           << "v";
    QTest::newRow("names ignore case") << QByteArray("[Sec]\r\nKey=v") << "sEC"
                                       << "kEY"
                                       << "v";
    QTest::newRow("umlauts ignore case") << QByteArray("[Ärger]\r\nÖl=v") << "ärger"
                                         << "öL"
                                         << "v";
    QTest::newRow("asked names trimmed") << sk + "k=v"
                                         << "  s "
                                         << " k  "
                                         << "v";
    QTest::newRow("blanks inside brackets") << QByteArray("[ \ts \t]\r\nk=v") << "s"
                                            << "k"
                                            << "v";
    QTest::newRow("indented header") << QByteArray("   [s]\r\nk=v") << "s"
                                     << "k"
                                     << "v";
    QTest::newRow("blanks and tabs around key") << sk + "\t k \t= v"
                                                << "s"
                                                << "k"
                                                << "v";
    QTest::newRow("indented entry") << sk + "    k=v"
                                    << "s"
                                    << "k"
                                    << "v";
    QTest::newRow("value trimmed") << sk + "k= \t v w \t "
                                   << "s"
                                   << "k"
                                   << "v w";
    QTest::newRow("double quotes") << sk + "k=\"v\""
                                   << "s"
                                   << "k"
                                   << "v";
    QTest::newRow("single quotes") << sk + "k='v'"
                                   << "s"
                                   << "k"
                                   << "v";
    QTest::newRow("quotes after trimming") << sk + "k=  ' v '  "
                                           << "s"
                                           << "k"
                                           << " v ";
    QTest::newRow("one pair only") << sk + "k=\"\"v\"\""
                                   << "s"
                                   << "k"
                                   << "\"v\"";
    QTest::newRow("mismatched quotes kept") << sk + "k=\"v'"
                                            << "s"
                                            << "k"
                                            << "\"v'";
    QTest::newRow("lone quote kept") << sk + "k=\""
                                     << "s"
                                     << "k"
                                     << "\"";
    QTest::newRow("quote inside kept") << sk + "k=a\"b\""
                                       << "s"
                                       << "k"
                                       << "a\"b\"";
    QTest::newRow("empty quotes give default") << sk + "k=\"\""
                                               << "s"
                                               << "k"
                                               << "dflt";
    QTest::newRow("split at first =") << sk + "k = a=b"
                                      << "s"
                                      << "k"
                                      << "a=b";
    QTest::newRow("empty value gives default") << sk + "k="
                                               << "s"
                                               << "k"
                                               << "dflt";
    QTest::newRow("blank value gives default") << sk + "k= \t "
                                               << "s"
                                               << "k"
                                               << "dflt";
    QTest::newRow("line without = gives default") << sk + "k"
                                                  << "s"
                                                  << "k"
                                                  << "dflt";
    QTest::newRow("missing key") << sk + "k=v"
                                 << "s"
                                 << "x"
                                 << "dflt";
    QTest::newRow("missing section") << sk + "k=v"
                                     << "t"
                                     << "k"
                                     << "dflt";
    QTest::newRow("before first header") << QByteArray("k=v\r\n[s]\r\nx=1") << "s"
                                         << "k"
                                         << "dflt";
    QTest::newRow("before first header, no section") << QByteArray("k=v\r\n[s]") << ""
                                                     << "k"
                                                     << "dflt";
    QTest::newRow("text after header ignored") << QByteArray("[s] note\r\nk=v") << "s"
                                               << "k"
                                               << "v";
    QTest::newRow("header without ]") << QByteArray("[s\r\nk=v") << "s"
                                      << "k"
                                      << "v";
    QTest::newRow("header ends at first ]") << QByteArray("[a]b]\r\nk=v") << "a"
                                            << "k"
                                            << "v";
    QTest::newRow("name is not up to last ]") << QByteArray("[a]b]\r\nk=v") << "a]b"
                                              << "k"
                                              << "dflt";
    QTest::newRow("first section counts") << QByteArray("[s]\r\nx=1\r\n[S]\r\nk=2") << "s"
                                          << "k"
                                          << "dflt";
    QTest::newRow("first key wins") << sk + "k=1\r\nK=2"
                                    << "s"
                                    << "k"
                                    << "1";
    QTest::newRow("first key wins even when empty") << sk + "k=\r\nk=2"
                                                    << "s"
                                                    << "k"
                                                    << "dflt";
    QTest::newRow("section ends at next header") << QByteArray("[s]\r\n[t]\r\nk=v") << "s"
                                                 << "k"
                                                 << "dflt";
    QTest::newRow("comment skipped") << sk + ";k=1\r\nk=2"
                                     << "s"
                                     << "k"
                                     << "2";
    QTest::newRow("comment key not found") << sk + ";k=1"
                                           << "s"
                                           << ";k"
                                           << "dflt";
    QTest::newRow("indented comment") << sk + " \t;k=1"
                                      << "s"
                                      << ";k"
                                      << "dflt";
    QTest::newRow("hash is no comment") << sk + "#k=1"
                                        << "s"
                                        << "#k"
                                        << "1";
    QTest::newRow("no inline comment") << sk + "k=b ;c"
                                       << "s"
                                       << "k"
                                       << "b ;c";
    QTest::newRow("LF endings") << QByteArray("[a]\nx=1\n[s]\nk=v\n") << "s"
                                << "k"
                                << "v";
    QTest::newRow("CR endings") << QByteArray("[a]\rx=1\r[s]\rk=v\r") << "s"
                                << "k"
                                << "v";
    QTest::newRow("mixed endings") << QByteArray("[a]\r\nx=1\n[s]\rk=v") << "s"
                                   << "k"
                                   << "v";
    QTest::newRow("CR LF not two lines") << QByteArray("[s]\r\n\r\nk=v\r\n") << "s"
                                         << "k"
                                         << "v";
    QTest::newRow("UTF-8 BOM skipped") << QByteArray("\xEF\xBB\xBF[s]\r\nk=v") << "s"
                                       << "k"
                                       << "v";
}

void TestIniFile::readIni()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(ReadIni(write(content), section, key, "dflt"), expected);
}

void TestIniFile::readIniCutsLongValues_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expected");
    QTest::newRow("3000") << 3000 << 2047;
    QTest::newRow("2048") << 2048 << 2047;
    QTest::newRow("2047") << 2047 << 2047;
    QTest::newRow("10 MB") << 10 * 1024 * 1024 << 2047;
}

void TestIniFile::readIniCutsLongValues()
{
    QFETCH(int, length);
    QFETCH(int, expected);
    QByteArray value(length, 'x');
    value[0] = 'a';
    const QString file = write("[s]\r\nk=" + value + "\r\nnext=1\r\n");
    const QString read = ReadIni(file, "s", "k", "dflt");
    QCOMPARE(read.size(), expected);
    QCOMPARE(read, QString::fromLatin1(value.left(expected)));
    QCOMPARE(ReadIni(file, "s", "next", "dflt"), QString("1"));
}

void TestIniFile::readIniGivesDefaultUnchanged()
{
    const QString file = write("[s]\r\nk=\r\n");
    QCOMPARE(ReadIni(file, "s", "k", "  two blanks  "), QString("  two blanks  "));
    QVERIFY(ReadIni(file, "s", "k", QString()).isEmpty());
}

void TestIniFile::sections_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two sections, no empty element")
        << QByteArray("[caves]\r\na=1\r\n[cities]\r\nb=2\r\n") << QStringList{"caves", "cities"};
    QTest::newRow("duplicates in file order")
        << QByteArray("[b]\r\n[a]\r\n[B]\r\n[a]") << QStringList{"b", "a", "B", "a"};
    QTest::newRow("names trimmed")
        << QByteArray("[ x \t]\r\n  [y]\r\n[z] rest\r\n[w") << QStringList{"x", "y", "z", "w"};
    QTest::newRow("empty names dropped") << QByteArray("[]\r\n[ ]\r\n[a]") << QStringList{"a"};
    QTest::newRow("comment is no header") << QByteArray(";[a]\r\n[b]") << QStringList{"b"};
    QTest::newRow("entries before header") << QByteArray("k=v\r\n[a]") << QStringList{"a"};
    QTest::newRow("no sections") << QByteArray("k=v\r\n") << QStringList{};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("LF and CR") << QByteArray("[a]\n[b]\r[c]") << QStringList{"a", "b", "c"};
}

void TestIniFile::sections()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expected);
    QCOMPARE(GetIniSections(write(content)), expected);
}

void TestIniFile::sectionsStopAtBufferLimit()
{
    // Seven names of 10000 characters: six fit with their separators (60006 characters),
    // the seventh keeps what is left of the 65535, the eighth is lost.
    QByteArray content;
    for (char c = 'a'; c <= 'h'; ++c)
        content += '[' + QByteArray(10000, c) + "]\r\nk=v\r\n";
    const QStringList names = GetIniSections(write(content));
    QCOMPARE(names.size(), 7);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(names[i], QString(10000, QChar('a' + i)));
    QCOMPARE(names[6], QString(65535 - 60006, QChar('g')));
}

void TestIniFile::keys_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("file order with duplicates")
        << QByteArray("[s]\r\nb=1\r\na=2\r\nb=3\r\n") << "s" << QStringList{"b", "a", "b"};
    QTest::newRow("other case unknown") << QByteArray("[Caves]\r\na=1") << "caves" << QStringList{};
    QTest::newRow("indented header unknown") << QByteArray(" [s]\r\na=1") << "s" << QStringList{};
    QTest::newRow("blank after header unknown")
        << QByteArray("[s] \r\na=1") << "s" << QStringList{};
    QTest::newRow("blank inside brackets unknown")
        << QByteArray("[ s]\r\na=1") << "s" << QStringList{};
    QTest::newRow("stops at malformed header")
        << QByteArray("[s]\r\na=1\r\n[broken\r\nb=2") << "s" << QStringList{"a"};
    QTest::newRow("stops at lone bracket")
        << QByteArray("[s]\r\na=1\r\n[\r\nb=2") << "s" << QStringList{"a"};
    QTest::newRow("indented bracket does not stop")
        << QByteArray("[s]\r\na=1\r\n [x]\r\nb=2") << "s" << QStringList{"a", "[x]", "b"};
    QTest::newRow("semicolon line without =")
        << QByteArray("[s]\r\n;note here \r\na=1") << "s" << QStringList{";note here", "a"};
    QTest::newRow("slash line with =") << QByteArray("[s]\r\n/k = v") << "s" << QStringList{"/k"};
    QTest::newRow("blank lines skipped")
        << QByteArray("[s]\r\na=1\r\n\r\n   \r\n\t\r\nb=2") << "s" << QStringList{"a", "b"};
    QTest::newRow("keys trimmed") << QByteArray("[s]\r\n  k \t= v\r\n word ") << "s"
                                  << QStringList{"k", "word"};
    QTest::newRow("split at first =") << QByteArray("[s]\r\nk=a=b") << "s" << QStringList{"k"};
    QTest::newRow("empty key") << QByteArray("[s]\r\n=v") << "s" << QStringList{""};
    QTest::newRow("first exact header")
        << QByteArray("[s]\r\na=1\r\n[s]\r\nb=2") << "s" << QStringList{"a"};
    QTest::newRow("header is last line") << QByteArray("[t]\r\nx=1\r\n[s]") << "s" << QStringList{};
    QTest::newRow("missing section") << QByteArray("[t]\r\nx=1") << "s" << QStringList{};
    QTest::newRow("LF endings") << QByteArray("[s]\na=1\nb=2\n[t]\nc=3") << "s"
                                << QStringList{"a", "b"};
    QTest::newRow("CR endings") << QByteArray("[s]\ra=1\rb=2\r[t]\rc=3") << "s"
                                << QStringList{"a", "b"};
    QTest::newRow("after BOM") << QByteArray("\xEF\xBB\xBF[s]\r\na=1") << "s" << QStringList{"a"};
}

void TestIniFile::keys()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QStringList, expected);
    QCOMPARE(GetIniKeys(write(content), section), expected);
}

void TestIniFile::strictKeysButLenientLookup()
{
    const QString file = write("[Caves]\r\nHöhle=10,20\r\n");
    QVERIFY(GetIniKeys(file, "caves").isEmpty());
    QCOMPARE(ReadIni(file, "caves", "höhle", ""), QString("10,20"));
    QCOMPARE(GetIniKeys(file, "Caves"), QStringList{"Höhle"});
}

void TestIniFile::missingFile()
{
    const QString file = m_install.file("absent.ini");
    QCOMPARE(ReadIni(file, "s", "k", "dflt"), QString("dflt"));
    QVERIFY(GetIniSections(file).isEmpty());
    QVERIFY(GetIniKeys(file, "s").isEmpty());
    // A folder is not a profile file.
    QCOMPARE(ReadIni(m_install.path(), "s", "k", "dflt"), QString("dflt"));
    QVERIFY(GetIniSections(m_install.path()).isEmpty());
    QCOMPARE(ReadIni(QString(), "s", "k", "dflt"), QString("dflt"));
}

void TestIniFile::bothEncodingsGiveTheSameNames_data()
{
    QTest::addColumn<QByteArray>("content");
    const QString text = QStringLiteral("[Grüße]\r\nStraße=Köln €\r\n[Ärger]\r\nÜbel=ja\r\n");
    QTest::newRow("UTF-8") << text.toUtf8();
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + text.toUtf8();
    QTest::newRow("Windows-1252") << QByteArray("[Gr\xFC\xDF"
                                                "e]\r\nStra\xDF"
                                                "e=K\xF6ln \x80\r\n[\xC4rger]\r\n\xDC"
                                                "bel=ja\r\n");
}

void TestIniFile::bothEncodingsGiveTheSameNames()
{
    QFETCH(QByteArray, content);
    const QString file = write(content);
    QCOMPARE(GetIniSections(file), (QStringList{"Grüße", "Ärger"}));
    QCOMPARE(GetIniKeys(file, "Grüße"), QStringList{"Straße"});
    QCOMPARE(ReadIni(file, "grüße", "STRAßE", ""), QString("Köln €"));
    QCOMPARE(ReadIni(file, "ärger", "übel", ""), QString("ja"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
