// Decoding profile files: UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise, and
// encoding back gives the very same bytes so that a write changes nothing it does not mean to.
#include "modules/TextCodec.h"

#include <QRandomGenerator>
#include <QTest>

using namespace TextCodec;

class TestTextCodec : public QObject
{
    Q_OBJECT

private slots:
    void validUtf8_data();
    void validUtf8();
    void windows1252_data();
    void windows1252();
    void roundTrip_data();
    void roundTrip();
    void randomBytesRoundTrip();
    void decodesUtf8AtEveryOffset_data();
    void decodesUtf8AtEveryOffset();
    void invalidByteAtEveryOffset();
    void randomTextDecodes();
};

void TestTextCodec::validUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ASCII") << QByteArray("abc") << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("umlaut") << QByteArray("\xC3\xBC") << true;
    QTest::newRow("euro") << QByteArray("\xE2\x82\xAC") << true;
    QTest::newRow("emoji") << QByteArray("\xF0\x9F\x99\x82") << true;
    QTest::newRow("last code point") << QByteArray("\xF4\x8F\xBF\xBF") << true;
    QTest::newRow("Latin-1 umlaut") << QByteArray("\xFC") << false;
    QTest::newRow("1252 sharp s and e") << QByteArray("Stra\xDF"
                                                      "e")
                                        << false;
    QTest::newRow("truncated") << QByteArray("\xE2\x82") << false;
    QTest::newRow("lone continuation") << QByteArray("\x80") << false;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF") << false;
    QTest::newRow("overlong four bytes") << QByteArray("\xF0\x80\x80\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("F5 lead") << QByteArray("\xF5\x80\x80\x80") << false;
    QTest::newRow("bad second continuation") << QByteArray("\xE2\x82x") << false;
}

void TestTextCodec::validUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(IsValidUtf8(bytes.constData(), bytes.size()), valid);
    QCOMPARE(Decode(bytes).encoding == Encoding::Windows1252, !valid);
}

void TestTextCodec::windows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("euro") << QByteArray("\x80") << QString(QChar(0x20AC));
    QTest::newRow("quotes") << QByteArray("\x84x\x93") << QString::fromUtf8("„x“");
    QTest::newRow("S caron, Y diaeresis") << QByteArray("\x8A\x9F") << QString::fromUtf8("ŠŸ");
    QTest::newRow("undefined 81 kept as C1") << QByteArray("\x81") << QString(QChar(0x81));
    QTest::newRow("no-break space") << QByteArray("\xA0") << QString(QChar(0xA0));
    QTest::newRow("umlauts") << QByteArray("\xC4\xD6\xDC\xE4\xF6\xFC\xDF")
                             << QString::fromUtf8("ÄÖÜäöüß");
    QTest::newRow("y diaeresis") << QByteArray("\xFF") << QString::fromUtf8("ÿ");
}

void TestTextCodec::windows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const Decoded decoded = Decode(bytes);
    QCOMPARE(decoded.encoding, Encoding::Windows1252);
    QCOMPARE(decoded.text, text);
    QCOMPARE(Encode(text, Encoding::Windows1252), bytes);
}

void TestTextCodec::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("BOM dropped from text")
        << QByteArray("\xEF\xBB\xBFk=\xC3\xBC") << QString::fromUtf8("k=ü");
    QTest::newRow("second BOM is text")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFk") << QString(QChar(0xFEFF)) + "k";
    QTest::newRow("BOM before invalid bytes")
        << QByteArray("\xEF\xBB\xBFk=\xFC") << QString::fromUtf8("ï»¿k=ü");
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << QString::fromUtf8("a\0b", 3);
}

void TestTextCodec::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const Decoded decoded = Decode(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(Encode(decoded.text, decoded.encoding), bytes);
}

void TestTextCodec::randomBytesRoundTrip()
{
    QRandomGenerator random(4711);
    for (int i = 0; i < 2000; ++i) {
        QByteArray bytes(int(random.bounded(64)), Qt::Uninitialized);
        for (char& c : bytes)
            c = char(random.bounded(256));
        if (i % 3 == 0)
            bytes.prepend("\xEF\xBB\xBF");
        const Decoded decoded = Decode(bytes);
        QCOMPARE(Encode(decoded.text, decoded.encoding), bytes);
    }
}

// ASCII runs are taken many bytes at a time: a character must come out right wherever it
// falls against those steps, the last bytes of the file included.
void TestTextCodec::decodesUtf8AtEveryOffset_data()
{
    QTest::addColumn<QString>("character");
    QTest::newRow("two bytes") << QString::fromUtf8("ü");
    QTest::newRow("three bytes") << QString::fromUtf8("€");
    QTest::newRow("four bytes") << QString::fromUtf8("🙂");
    QTest::newRow("byte order mark") << QString(QChar(0xFEFF));
    QTest::newRow("NUL") << QString(QChar(0));
    QTest::newRow("last code point") << QString::fromUcs4(U"\U0010FFFF", 1);
}

void TestTextCodec::decodesUtf8AtEveryOffset()
{
    QFETCH(QString, character);
    for (int before = 0; before <= 40; ++before) {
        for (int after : {0, 1, 7, 15, 16, 17, 33}) {
            const QString text = QString(before, u'a') + character + QString(after, u'=') +
                                 character + u'z';
            const Decoded decoded = Decode(text.toUtf8());
            // At the very start the mark is taken for the file's byte order mark.
            const bool bom = text.startsWith(QChar(0xFEFF));
            QCOMPARE(decoded.encoding, bom ? Encoding::Utf8WithBom : Encoding::Utf8);
            QCOMPARE(decoded.text, bom ? text.mid(1) : text);
        }
    }
}

void TestTextCodec::invalidByteAtEveryOffset()
{
    for (int before = 0; before <= 40; ++before) {
        for (int after : {0, 1, 8, 16, 31}) {
            // A valid umlaut first, then a lone Windows-1252 one: the whole file is 1252.
            const QByteArray bytes = QByteArray(before, 'k') + "\xC3\xBC" + QByteArray(after, 'v') +
                                     "\xFC";
            const Decoded decoded = Decode(bytes);
            QCOMPARE(decoded.encoding, Encoding::Windows1252);
            QCOMPARE(decoded.text, QString(before, u'k') + QString::fromUtf8("Ã¼") +
                                       QString(after, u'v') + QString::fromUtf8("ü"));
            QCOMPARE(Encode(decoded.text, decoded.encoding), bytes);
        }
    }
}

void TestTextCodec::randomTextDecodes()
{
    // Mostly ASCII with the odd character of every length, as profile files are.
    const char32_t others[] = {0xE4, 0xDF, 0x3BC, 0x20AC, 0xFEFF, 0xFFFD, 0x1F642, 0x10348};
    QRandomGenerator random(1234);
    for (int i = 0; i < 500; ++i) {
        std::u32string points;
        const int length = int(random.bounded(200));
        for (int k = 0; k < length; ++k) {
            points += random.bounded(6) == 0 ? others[random.bounded(int(std::size(others)))]
                                             : char32_t(random.bounded(0x80));
        }
        const QString text = QString::fromUcs4(points.data(), qsizetype(points.size()));
        const Decoded decoded = Decode(text.toUtf8());
        const bool bom = text.startsWith(QChar(0xFEFF));
        QCOMPARE(decoded.encoding, bom ? Encoding::Utf8WithBom : Encoding::Utf8);
        QCOMPARE(decoded.text, bom ? text.mid(1) : text);
    }
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "test_textcodec.moc"
