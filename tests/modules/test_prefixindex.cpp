// The index behind the name translation must give exactly the answer of the plain walk: the
// first entry in list order that begins the text.
#include "modules/PrefixIndex.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

qsizetype walk(const QStringList& entries, QStringView text)
{
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (text.startsWith(entries.at(i)))
            return i;
    return -1;
}

} // namespace

class TestPrefixIndex : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        const QStringList names = {"Höhle", "Höhle der Wölfe", "Hö", "Bauer", "Höhle"};
        QTest::newRow("shorter entry earlier wins") << names << "Höhle der Wölfe" << 0;
        QTest::newRow("only the short one fits") << names << "Hödur" << 2;
        QTest::newRow("whole text") << names << "Bauer" << 3;
        QTest::newRow("entry longer than text") << names << "Baue" << -1;
        QTest::newRow("must begin the text") << names << "Alte Höhle" << -1;
        QTest::newRow("case matters") << names << "höhle" << -1;
        QTest::newRow("empty text") << names << "" << -1;
        QTest::newRow("empty entry fits everything")
            << QStringList{"Zelt", "", "Händler"} << "Händler" << 1;
        QTest::newRow("empty entry, empty text") << QStringList{""} << "" << 0;
        QTest::newRow("no entries") << QStringList{} << "Höhle" << -1;
        QTest::newRow("beyond the basic plane")
            << QStringList{QString::fromUtf8("\xF0\x9F\x90\xBA"), "W"}
            << QString::fromUtf8("\xF0\x9F\x90\xBA Wolf") << 0;
        QTest::newRow("later duplicate never wins")
            << QStringList{"Bauer Hans", "Bauer", "Bauer"} << "Bauer Otto" << 1;
    }

    void answers()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(PrefixIndex(entries).firstPrefixOf(text), qsizetype(expected));
    }

    // Many entries sharing their beginnings, texts made of them: the index and the walk agree.
    void agreesWithTheWalk()
    {
        QRandomGenerator random(20261206);
        const QString letters = QStringLiteral("abäAB ");
        const auto word = [&](int maxLength) {
            QString s;
            const int length = random.bounded(maxLength + 1);
            for (int i = 0; i < length; ++i)
                s += letters[random.bounded(int(letters.size()))];
            return s;
        };
        for (int round = 0; round < 20; ++round) {
            QStringList entries;
            for (int i = 0; i < 300; ++i)
                entries.append(word(6));
            const PrefixIndex index(entries);
            for (int t = 0; t < 500; ++t) {
                const QString text = word(9);
                QCOMPARE(index.firstPrefixOf(text), walk(entries, text));
            }
        }
    }

    void knowsWhichListItWasMadeFrom()
    {
        QStringList entries{"a", "b"};
        const PrefixIndex index(entries);
        QVERIFY(index.isBuiltFrom(entries));
        QStringList copy = entries;
        QVERIFY(index.isBuiltFrom(copy));
        copy[0] = QStringLiteral("c");  // detaches: another list now
        QVERIFY(!index.isBuiltFrom(copy));
        entries.append(QStringLiteral("d"));
        QVERIFY(!index.isBuiltFrom(entries));
        QVERIFY(!PrefixIndex().isBuiltFrom(QStringList{}));
    }
};

QTEST_GUILESS_MAIN(TestPrefixIndex)
#include "test_prefixindex.moc"
