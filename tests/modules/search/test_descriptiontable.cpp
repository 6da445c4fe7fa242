// The first search's own reading of description files gives what the profile reader gives.
#include "modules/IniCache.h"
#include "modules/IniOps.h"
#include "modules/search/DescriptionTable.h"
#include "support/TestInstall.h"

#include <QtTest>

namespace {

// Keys in other letter cases, blanks, quotes, a repeated key and a repeated section, a comment,
// an entry without "=", references one and two levels deep, a line break of each kind, and a
// value beyond the 2047 characters a read hands over.
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
                                  "link",  "twice", "long", "late", "after", "missing"};
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
        }
    }

    void missingFileHasNoDescriptions()
    {
        const DescriptionTable table("/nonexistent/info.data");
        QCOMPARE(table.find(u"wolf"), QString());
    }

    // The texts handed out share one block; each still reads and changes as a string of its
    // own.
    void textsShareTheirBlockSafely()
    {
        TestInstall install;
        install.writeText("info.data", "[info]\na=Erster Text\nb=Zweiter\n");
        QString a, b;
        {
            const DescriptionTable table(install.file("info.data"));
            a = table.find(u"a");
            b = table.find(u"b");
            QCOMPARE(a.data_ptr().d_ptr(), b.data_ptr().d_ptr());
        }
        // The table is gone; the texts keep their block.
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(a.utf16())), QString("Erster Text"));
        a += " mit mehr";
        QCOMPARE(a, QString("Erster Text mit mehr"));
        QCOMPARE(b, QString("Zweiter"));
    }
};

QTEST_GUILESS_MAIN(TestDescriptionTable)
#include "test_descriptiontable.moc"
