// One file read for many lookups: a section walked once must list what GetIniKeys lists and
// give each key the value ReadIni gives, and lookups in any order and any letter case must
// find what single reads find.
#include "modules/IniOps.h"
#include "support/TestInstall.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

using namespace IniOps;

class TestIniReader : public QObject
{
    Q_OBJECT

private:
    TestInstall m_install;
    int m_files = 0;

    QString write(const QByteArray& bytes)
    {
        const QString name = QStringLiteral("r%1.ini").arg(++m_files);
        m_install.writeBytes(name, bytes);
        return m_install.file(name);
    }

private slots:
    void walkAgreesWithSingleReads_data();
    void walkAgreesWithSingleReads();
    void randomFilesAgree();
    void walkValues_data();
    void walkValues();
    void lookupsInAnyOrder_data();
    void lookupsInAnyOrder();
    void namesFoldAlike_data();
    void namesFoldAlike();
    void manyKeys();
    void missingFileAndSection();
};

// Files whose sections are listed, walked and read in ways that only agree when the walk
// follows the lookup rules exactly.
void TestIniReader::walkAgreesWithSingleReads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("plain") << QByteArray("[s]\nk=1,2\nl=3,4\n");
    QTest::newRow("duplicate keys, first wins") << QByteArray("[s]\nk=1\nK=2\n k =3\nk\n");
    QTest::newRow("duplicate sections") << QByteArray("[s]\nk=1\n[S]\nk=2\nm=5\n[s]\nn=6\n");
    QTest::newRow("later section of the name listed first by case")
        << QByteArray("[Cat]\nk=1\n[cat]\nk=2\nj=3\n");
    QTest::newRow("indented header is not listed strictly")
        << QByteArray(" [s]\nk=1\n[t]\nk=2\n");
    QTest::newRow("header with blanks inside brackets")
        << QByteArray("[ s ]\nk=1\n[s]\nk=2\n");
    QTest::newRow("indented bracket line ends the section for lookups only")
        << QByteArray("[s]\nk=1\n  [x]\nm=2\nk=3\n[t]\nz=0\n");
    QTest::newRow("comments and disabled keys")
        << QByteArray("[s]\n;k=1\n/k=2\n*k=3\nk=4\n ;j=5\nj=6\n");
    QTest::newRow("blank lines and lines of blanks")
        << QByteArray("[s]\n\n   \n\t\nk=1\n\n");
    QTest::newRow("blanks around and inside keys")
        << QByteArray("[s]\n\t a b \t= 1 \nA B=2\na  b=3\n");
    QTest::newRow("quoted values") << QByteArray("[s]\nk=\"1,2\"\nj=' 3 '\ni=\"4'\nh=\"\"\n");
    QTest::newRow("line without =") << QByteArray("[s]\nlonely\nlonely=1\n");
    QTest::newRow("empty keys") << QByteArray("[s]\n=1\n \t=2\nk=3\n[]\n=4\n");
    QTest::newRow("header name cut at ]") << QByteArray("[a]b]\nk=1\n[a]\nk=2\n");
    QTest::newRow("entries before the first header")
        << QByteArray("k=0\nj=9\n[s]\nk=1\n");
    QTest::newRow("CR, LF and CR LF") << QByteArray("[s]\rk=1\r\nj=2\nK=3\r[t]\r\ni=4");
    QTest::newRow("last line without break") << QByteArray("[s]\nk=1");
    QTest::newRow("umlauts in both cases")
        << QByteArray("[Höhle]\nÄpfel=1\näpfel=2\nÖl=3\n[höhle]\nöl=4\n");
    QTest::newRow("Windows-1252") << QByteArray("[H\xF6hle]\n\xC4pfel=1\n\xE4pfel=2\n\x80=3\n");
    QTest::newRow("Greek and micro sign")
        << QByteArray("[s]\n\xC2\xB5-Wert=1\n\xCE\x9C-WERT=2\n\xCE\xA3\xCE\x99\xCE\xA3=3\n"
                      "\xCF\x83\xCE\xB9\xCF\x83=4\n");
    QTest::newRow("value past the buffer")
        << QByteArray("[s]\nk=") + QByteArray(3000, 'v') + QByteArray("\nj=1\n");
}

void TestIniReader::walkAgreesWithSingleReads()
{
    QFETCH(QByteArray, content);
    const QString file = write(content);
    const Reader reader(file);
    QCOMPARE(reader.GetIniSections(), GetIniSections(file));
    for (const QString& section : GetIniSections(file)) {
        const QStringList keys = GetIniKeys(file, section);
        QCOMPARE(reader.GetIniKeys(section), keys);
        const auto entries = reader.GetIniEntries(section);
        QCOMPARE(qsizetype(entries.size()), keys.size());
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const auto& entry = entries[size_t(i)];
            QCOMPARE(entry.key, keys[i]);
            QCOMPARE(entry.value.toString(), ReadIni(file, section, keys[i], QString()));
        }
    }
}

// Files made of the tricky lines above in random order: walk, ordered lookups and single
// reads must agree on every one.
void TestIniReader::randomFilesAgree()
{
    const QStringList pool = {"[s]", "[S]", " [s]", "[t]", "[ s ]", "[s] x", "[x", "k=1", "K=2",
                              " k =3", "\u00E4=4", "\u00C4=5", "\u00B5=6", "\u039C=7", ";k=8", "k",
                              "", "  ", "=9", "l=\"10\"", "\u212A=11", "m=12,13"};
    const QStringList breaks = {"\n", "\r\n", "\r"};
    QRandomGenerator random(2024);
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int lines = 1 + int(random.bounded(25));
        for (int i = 0; i < lines; ++i)
            text += pool[random.bounded(int(pool.size()))] + breaks[random.bounded(3)];
        const QString file = write(text.toUtf8());
        const Reader reader(file);
        for (const QString& section : GetIniSections(file)) {
            const QStringList keys = GetIniKeys(file, section);
            const auto entries = reader.GetIniEntries(section);
            QCOMPARE(qsizetype(entries.size()), keys.size());
            const qsizetype found = reader.FindSection(section);
            for (qsizetype i = 0; i < keys.size(); ++i) {
                const QString expected = ReadIni(file, section, keys[i], QString());
                QCOMPARE(entries[size_t(i)].key, keys[i]);
                QCOMPARE(entries[size_t(i)].value.toString(), expected);
                QCOMPARE(reader.Value(found, keys[i]).toString(), expected);
            }
            for (const QString& key : pool) {
                const QString asked = key.section(u'=', 0, 0);
                QCOMPARE(reader.Value(found, asked).toString(),
                         ReadIni(file, section, asked, QString()));
            }
        }
    }
}

// The values the walk gives, spelled out for the cases where the listed line is not the one
// a lookup finds.
void TestIniReader::walkValues_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("expected"); // "key:value" for every listed key

    QTest::newRow("second of a key reads the first")
        << QByteArray("[s]\nk=1\nK=2\n") << "s" << QStringList{"k:1", "K:1"};
    QTest::newRow("second section reads the first")
        << QByteArray("[s]\nk=1\n[S]\nk=2\nm=5\n") << "S" << QStringList{"k:1", "m:"};
    QTest::newRow("after an indented header the keys belong to it")
        << QByteArray("[s]\nk=1\n  [x]\nm=2\n") << "s" << QStringList{"k:1", "[x]:", "m:"};
    QTest::newRow("empty key reads the first empty key")
        << QByteArray("[s]\n=1\n =2\n") << "s" << QStringList{":1", ":1"};
    QTest::newRow("comment keys have no value")
        << QByteArray("[s]\n;k=1\nk=2\n") << "s" << QStringList{";k:", "k:2"};
    QTest::newRow("quotes and blanks taken off")
        << QByteArray("[s]\n k = \" 1 \" \n") << "s" << QStringList{"k: 1 "};
}

void TestIniReader::walkValues()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QStringList, expected);
    const Reader reader(write(content));
    QStringList got;
    for (const auto& entry : reader.GetIniEntries(section))
        got.append(entry.key + u':' + entry.value.toString());
    QCOMPARE(got, expected);
}

void TestIniReader::lookupsInAnyOrder_data()
{
    QTest::addColumn<QString>("order");
    QTest::newRow("file order") << "forward";
    QTest::newRow("backwards") << "backward";
    QTest::newRow("shuffled") << "shuffled";
    QTest::newRow("each twice") << "twice";
}

void TestIniReader::lookupsInAnyOrder()
{
    QFETCH(QString, order);
    // Duplicates, other cases and comments among the keys, and a second section of the same
    // name whose keys must never be found.
    QByteArray content = "[info]\n";
    QStringList asked;
    for (int i = 0; i < 300; ++i) {
        const QByteArray key = "Eintrag " + QByteArray::number(i);
        content += key + "=Text " + QByteArray::number(i) + "\n";
        if (i % 7 == 0)
            content += key.toUpper() + "=doppelt\n";
        if (i % 11 == 0)
            content += ";" + key + "=aus\n";
        asked.append(i % 5 == 0 ? QString::fromLatin1(key.toLower()) : QString::fromLatin1(key));
    }
    content += "[INFO]\nnur hier=x\n";
    asked.append(QStringLiteral("nur hier"));
    asked.append(QStringLiteral("fehlt"));
    const QString file = write(content);

    if (order == "backward") {
        std::reverse(asked.begin(), asked.end());
    } else if (order == "shuffled") {
        QRandomGenerator random(99);
        std::shuffle(asked.begin(), asked.end(), random);
    } else if (order == "twice") {
        QStringList doubled;
        for (const QString& key : asked)
            doubled << key << key;
        asked = doubled;
    }

    const Reader reader(file);
    const qsizetype info = reader.FindSection(u"Info");
    QVERIFY(info >= 0);
    for (const QString& key : asked)
        QCOMPARE(reader.Value(info, key).toString(), ReadIni(file, "info", key, QString()));
    QCOMPARE(reader.Value(info, u"eintrag 7"), u"Text 7");
    QVERIFY(reader.Value(info, u"nur hier").isEmpty());
}

// Names the Latin-1 shortcut folds and names only the general rules fold must meet.
void TestIniReader::namesFoldAlike_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("found");
    QTest::newRow("ASCII") << "Wolf" << "wOLF" << true;
    QTest::newRow("umlauts") << "Äpfel" << "äPFEL" << true;
    QTest::newRow("Latin-1 not a letter") << "a@b" << "a`b" << false;
    QTest::newRow("multiplication sign is no letter") << "a×" << "a÷" << false;
    QTest::newRow("micro sign and Greek capital mu") << "\u00B5-Wert" << "\u039C-WERT" << true;
    QTest::newRow("Greek small mu and micro sign") << "\u03BC" << "\u00B5" << true;
    QTest::newRow("Kelvin sign and k") << "\u212Aelvin" << "kelvin" << true;
    QTest::newRow("Greek") << "ΣΊΣΥΦΟΣ" << "σίσυφοσ" << true;
    QTest::newRow("Cyrillic") << "Медведь" << "мЕДВЕДЬ" << true;
    QTest::newRow("sharp s is not ss") << "Straße" << "STRASSE" << false;
    QTest::newRow("different length") << "Wolf" << "Wolfs" << false;
    QTest::newRow("emoji") << "🙂 Ort" << "🙂 ORT" << true;
}

void TestIniReader::namesFoldAlike()
{
    QFETCH(QString, written);
    QFETCH(QString, asked);
    QFETCH(bool, found);
    // Among many other names, so that the index is more than a handful of slots.
    QString text = QStringLiteral("[sec]\n");
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("name%1=%1\n").arg(i);
    text += written + QStringLiteral("=hit\n");
    const QString file = write(text.toUtf8());
    QCOMPARE(ReadIni(file, "SEC", asked, "none"), found ? QString("hit") : QString("none"));
    const Reader reader(file);
    QCOMPARE(reader.Value(reader.FindSection(u"sec"), asked).toString(),
             found ? QString("hit") : QString());
}

void TestIniReader::manyKeys()
{
    QByteArray content;
    for (int s = 0; s < 50; ++s) {
        content += "[Abschnitt" + QByteArray::number(s) + "]\n";
        for (int k = 0; k < 400; ++k)
            content += "Schl\xC3\xBC" "ssel" + QByteArray::number(k) + "=" +
                       QByteArray::number(s * 1000 + k) + "\n";
    }
    const QString file = write(content);
    const Reader reader(file);
    QCOMPARE(reader.GetIniSections().size(), 50);
    for (int s = 0; s < 50; s += 7) {
        const qsizetype section = reader.FindSection(QStringLiteral("ABSCHNITT%1").arg(s));
        for (int k = 399; k >= 0; k -= 13) {
            QCOMPARE(reader.Value(section, QStringLiteral("SCHLÜSSEL%1").arg(k)).toString(),
                     QString::number(s * 1000 + k));
        }
        QVERIFY(reader.Value(section, u"Schlüssel400").isEmpty());
    }
}

void TestIniReader::missingFileAndSection()
{
    const Reader missing(m_install.file("missing.ini"));
    QCOMPARE(missing.FindSection(u"s"), -1);
    QVERIFY(missing.Value(-1, u"k").isEmpty());
    QVERIFY(missing.GetIniSections().isEmpty());
    QVERIFY(missing.GetIniEntries("s").empty());

    const Reader reader(write("[s]\nk=1\n"));
    QCOMPARE(reader.FindSection(u"t"), -1);
    QVERIFY(reader.Value(-1, u"k").isEmpty());
    QVERIFY(reader.Value(12345, u"k").isEmpty()); // not a section of this file
    QCOMPARE(reader.Value(reader.FindSection(u"s"), u"k"), u"1");
    QVERIFY(reader.GetIniEntries("t").empty());
    QVERIFY(reader.GetIniEntries("S").empty()); // the walk lists the exact header only
}

QTEST_GUILESS_MAIN(TestIniReader)
#include "test_inireader.moc"
