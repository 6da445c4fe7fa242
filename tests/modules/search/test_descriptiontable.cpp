// The first search's own reading of description files gives what the profile reader gives.
#include "modules/IniCache.h"
#include "modules/IniOps.h"
#include "modules/search/DescriptionTable.h"
#include "support/TestInstall.h"

#include <QtTest>

namespace {

// Keys in other letter cases, blanks, quotes, a repeated key and a repeated section, a comment,
// an entry without "=", references one and two levels deep, a line break of each kind, and a
// value beyond the 2047 characters a read hands over (of one byte, of two, and one that would
// end half-way into a character beyond 16 bits).
QByteArray tricky(const QByteArray& umlaut)
{
    return "; Beschreibungen\r\n"
           "[other]\r\nwolf=not this one\r\n"
           "  [ INFO ]  \r\n"
           "Wolf = Ein grauer Wolf.  \r\n"
           "wolf=the second, never read\n"
           "h" + umlaut + "hle=\"In Anf\xC3\xBChrung\"\r"
           "B\xC3\x84R='x'\r\n"
           "bare line\r\n"
           "\t=leer\n"
           "link=#  Wolf \r\n"
           "twice=#link\r\n"
           "long=" + QByteArray(3000, 'x') + "\r\n"
           "wide=" + QByteArray(1500, 'x') + QByteArray(1000, '\xC3').replace("\xC3", "\xC3\xA4") + "\r\n"
           "paw=" + QByteArray(2046, 'x') + "\xF0\x9F\x90\xBA" + "yyy\r\n"
           "[info]\r\nlate=from the repeated section\r\n"
           "[next]\r\nafter=not this either\r\n";
}

} // namespace

class TestDescriptionTable : public QObject
{
    Q_OBJECT

private slots:
    void answersAsTheProfileReaderDoes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8") << tricky("\xC3\xB6");
        QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + tricky("\xC3\xB6");
        // One byte that is no UTF-8 makes the whole file Windows-1252.
        QTest::newRow("Windows-1252") << tricky("\xF6");
        QTest::newRow("empty") << QByteArray();
    }
    void answersAsTheProfileReaderDoes()
    {
        QFETCH(QByteArray, bytes);
        TestInstall install;
        install.writeBytes("info.data", bytes);
        IniCache::Clear();
        const IniOps::Reader reader(install.file("info.data"));
        const qsizetype info = reader.FindSection(u"Info");
        const DescriptionTable table(install.file("info.data"));
        const QStringList keys = {"wolf",  "WOLF ", "höhle", "bär", "Bär", "bare line", "",
                                  "link",  "twice", "long", "wide", "paw", "late", "after", "missing"};
        for (const QString& key : keys) {
            // The search's rule: a "#" value names the entry whose text is used, one level.
            QStringView expected = reader.Value(info, key);
            if (expected.startsWith(u'#'))
                expected = reader.Value(info, expected.mid(1).trimmed());
            QCOMPARE(table.find(key), expected.toString());
        }
        if (!bytes.isEmpty()) {
            QCOMPARE(table.find(u"wolf"), QString("Ein grauer Wolf."));
            QCOMPARE(table.find(u"link"), QString("Ein grauer Wolf."));
            QCOMPARE(table.find(u"long").size(), 2047);
            QCOMPARE(table.find(u"wide").size(), 2047);
        }
    }

    void missingFileHasNoDescriptions()
    {
        const DescriptionTable table("/nonexistent/info.data");
        QCOMPARE(table.find(u"wolf"), QString());
    }

    // A description keeps the file's bytes when the table is gone, and reads the same
    // whichever way it is decoded, into a buffer that held a longer text before included.
    void textsOutliveTheirTable()
    {
        TestInstall install;
        install.writeBytes("info.data", "[info]\na=Erster Text\nb=Zw\xC3\xB6lf \xF0\x9F\x90\xBA!\n");
        SearchText a, b;
        {
            const DescriptionTable table(install.file("info.data"));
            a = table.text(table.entryOf(u"a"));
            b = table.text(table.entryOf(u"B"));
        }
        QCOMPARE(a.toString(), QString("Erster Text"));
        const QString wolf = QString("Zwölf ") + QString::fromUcs4(U"\U0001F43A") + "!";
        QCOMPARE(b.toString(), wolf);
        QString buffer = "a longer text read before this one";
        QCOMPARE(b.read(buffer).toString(), wolf);
        QCOMPARE(a.read(buffer).toString(), QString("Erster Text"));
        QVERIFY(SearchText().read(buffer).isEmpty());
        QVERIFY(SearchText(QString()).isEmpty());
        QCOMPARE(SearchText(wolf).read(buffer).toString(), wolf);
    }
};

QTEST_GUILESS_MAIN(TestDescriptionTable)
#include "test_descriptiontable.moc"
