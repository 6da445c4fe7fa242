// Taking map records apart and naming files: the exact results at missing tokens and odd paths.
#include "modules/FileSystem.h"
#include "modules/StringOps.h"
#include "support/TestInstall.h"

#include <QTest>

class TestStringOps : public QObject
{
    Q_OBJECT

private slots:
    void getToken_data();
    void getToken();
    void getSplitItem_data();
    void getSplitItem();
    void contains_data();
    void contains();
    void fileExists();
    void getFileStem_data();
    void getFileStem();
};

void TestStringOps::getToken_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first") << "120,340" << 1 << ","
                           << "120";
    QTest::newRow("second") << "120,340" << 2 << ","
                            << "340";
    QTest::newRow("past the end repeats the last") << "120,340" << 3 << ","
                                                   << "340";
    QTest::newRow("far past the end") << "120,340" << 9 << ","
                                      << "340";
    QTest::newRow("middle of three") << "1,2,*" << 2 << ","
                                     << "2";
    QTest::newRow("third of three") << "1,2,*" << 3 << ","
                                    << "*";
    QTest::newRow("no separator gives the text") << "abc" << 1 << ","
                                                 << "abc";
    QTest::newRow("no separator, any n") << "abc" << 5 << ","
                                         << "abc";
    QTest::newRow("empty text") << "" << 1 << ","
                                << "";
    QTest::newRow("empty text, n 3") << "" << 3 << ","
                                     << "";
    QTest::newRow("empty first token") << ",5" << 1 << ","
                                       << "";
    QTest::newRow("empty token between") << "1,,3" << 2 << ","
                                         << "";
    QTest::newRow("trailing separator") << "1,2," << 3 << ","
                                        << "";
    QTest::newRow("n 0 gives first") << "1,2" << 0 << ","
                                     << "1";
    QTest::newRow("n negative gives first") << "1,2" << -4 << ","
                                            << "1";
    QTest::newRow("separator of two characters") << "a::b::c" << 2 << "::"
                                                 << "b";
    QTest::newRow("separator is case-sensitive") << "aXbxc" << 2 << "x"
                                                 << "c";
    QTest::newRow("blanks kept") << " 12 , 34 " << 2 << ","
                                 << " 34 ";
}

void TestStringOps::getToken()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(StringOps::GetToken(text, qint16(n), separator), expected);
}

void TestStringOps::getSplitItem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first") << "120,340" << 1 << ","
                           << "120";
    QTest::newRow("second") << "120,340" << 2 << ","
                            << "340";
    QTest::newRow("past the end is empty") << "120,340" << 3 << ","
                                           << "";
    QTest::newRow("n 0 is empty") << "120,340" << 0 << ","
                                  << "";
    QTest::newRow("n negative is empty") << "120,340" << -1 << ","
                                         << "";
    QTest::newRow("empty between commas") << "1,,3" << 2 << ","
                                          << "";
    QTest::newRow("after empty") << "1,,3" << 3 << ","
                                 << "3";
    QTest::newRow("trailing separator") << "1,2," << 3 << ","
                                        << "";
    QTest::newRow("empty text") << "" << 1 << ","
                                << "";
    QTest::newRow("no separator") << "abc" << 1 << ","
                                  << "abc";
    QTest::newRow("no separator, n 2") << "abc" << 2 << ","
                                       << "";
    QTest::newRow("empty separator does not split") << "abc" << 1 << ""
                                                    << "abc";
    QTest::newRow("star field") << "10,20,*" << 3 << ","
                                << "*";
}

void TestStringOps::getSplitItem()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(StringOps::GetSplitItem(text, qint16(n), separator), expected);
}

void TestStringOps::contains_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("part");
    QTest::addColumn<bool>("expected");
    QTest::newRow("inside") << "Höhle der Wölfe"
                            << "der" << true;
    QTest::newRow("at start") << "Höhle"
                              << "Hö" << true;
    QTest::newRow("at end") << "Höhle"
                            << "hle" << true;
    QTest::newRow("case matters") << "Höhle"
                                  << "höhle" << false;
    QTest::newRow("absent") << "Höhle"
                            << "x" << false;
    QTest::newRow("longer part") << "ab"
                                 << "abc" << false;
    QTest::newRow("empty part") << "ab"
                                << "" << true;
    QTest::newRow("empty text") << ""
                                << "" << false;
}

void TestStringOps::contains()
{
    QFETCH(QString, text);
    QFETCH(QString, part);
    QFETCH(bool, expected);
    QCOMPARE(StringOps::Contains(text, part), expected);
}

void TestStringOps::fileExists()
{
    TestInstall install;
    install.writeBytes("full.jpg", "x");
    install.writeBytes("empty.jpg", "");
    install.writeBytes("folder/inner.txt", "x");
    QVERIFY(FileSystem::FileExists(install.file("full.jpg")));
    QVERIFY(!FileSystem::FileExists(install.file("empty.jpg")));
    QVERIFY(!FileSystem::FileExists(install.file("absent.jpg")));
    QVERIFY(!FileSystem::FileExists(install.file("folder")));
    QVERIFY(!FileSystem::FileExists(QString()));
    QVERIFY(!FileSystem::FileExists(install.file("full.jpg/below")));
}

void TestStringOps::getFileStem_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two folders") << "/opt/karvenna/caldora.jpg"
                                 << "caldora";
    QTest::newRow("backslashes") << "C:\\Spiele\\Karvenna\\Caldora.JPG"
                                 << "Caldora";
    QTest::newRow("mixed separators") << "/opt\\lang/English\\English.lng"
                                      << "English";
    QTest::newRow("two dots lose the last part") << "/x/karte.alt.jpg"
                                                 << "karte.alt";
    QTest::newRow("bare name") << "frostmere.data"
                               << "frostmere";
    QTest::newRow("dot in folder only") << "/a.b/readme"
                                        << "readme";
    QTest::newRow("no dot") << "readme"
                            << "readme";
    QTest::newRow("trailing dot") << "name."
                                  << "name";
    QTest::newRow("hidden file") << "/x/.hidden"
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestStringOps::getFileStem()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(FileSystem::GetFileStem(path), expected);
}

QTEST_GUILESS_MAIN(TestStringOps)
#include "test_stringops.moc"
