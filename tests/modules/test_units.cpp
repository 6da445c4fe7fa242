// Units and numbers: twips conversions, rounding halves to even, 16-bit clamping and the two
// ways map records turn text into numbers.
#include "modules/Numeric.h"
#include "modules/Twips2Pixel_Module.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace Twips2Pixel_Module;

class TestUnits : public QObject
{
    Q_OBJECT

private slots:
    void fifteenTwipsWithoutScreen();
    void twipsToPixels_data();
    void twipsToPixels();
    void pixelsToTwips();
    void roundHalfEven_data();
    void roundHalfEven();
    void toInt16_data();
    void toInt16();
    void leadingNumber_data();
    void leadingNumber();
    void wholeNumber_data();
    void wholeNumber();
};

void TestUnits::fifteenTwipsWithoutScreen()
{
    QCOMPARE(TwipsPerPixelX(), 15.0);
    QCOMPARE(TwipsPerPixelY(), 15.0);
}

void TestUnits::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("1000 -> 66.67 -> 67") << 1000 << 67;
    QTest::newRow("exact") << 1500 << 100;
    QTest::newRow("112 -> 7.47 -> 7") << 112 << 7;
    QTest::newRow("113 -> 7.53 -> 8") << 113 << 8;
    QTest::newRow("7 -> 0.47 -> 0") << 7 << 0;
    QTest::newRow("8 -> 0.53 -> 1") << 8 << 1;
    QTest::newRow("negative") << -1000 << -67;
    QTest::newRow("zero") << 0 << 0;
}

void TestUnits::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(TwipsToPixelsY(twips), pixels);
    QCOMPARE(TwipsToPixelsX(twips), pixels);
}

void TestUnits::pixelsToTwips()
{
    QCOMPARE(PixelsToTwipsX(1024), 15360);
    QCOMPARE(PixelsToTwipsY(768), 11520);
    QCOMPARE(PixelsToTwipsX(-3), -45);
    // Far beyond any screen: clamped, not wrapped around.
    QCOMPARE(PixelsToTwipsX(std::numeric_limits<qint32>::max()),
             std::numeric_limits<qint32>::max());
    QCOMPARE(PixelsToTwipsY(std::numeric_limits<qint32>::min()),
             std::numeric_limits<qint32>::min());
}

void TestUnits::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("2.5") << 2.5 << qint64(2);
    QTest::newRow("3.5") << 3.5 << qint64(4);
    QTest::newRow("0.5") << 0.5 << qint64(0);
    QTest::newRow("1.5") << 1.5 << qint64(2);
    QTest::newRow("-2.5") << -2.5 << qint64(-2);
    QTest::newRow("-3.5") << -3.5 << qint64(-4);
    QTest::newRow("2.51") << 2.51 << qint64(3);
    QTest::newRow("2.49") << 2.49 << qint64(2);
    QTest::newRow("NaN") << std::nan("") << qint64(0);
    QTest::newRow("huge") << 1e300 << std::numeric_limits<qint64>::max();
    QTest::newRow("-huge") << -1e300 << std::numeric_limits<qint64>::min();
}

void TestUnits::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(qint64, expected);
    QCOMPARE(Numeric::RoundHalfEven(value), expected);
}

void TestUnits::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << 120.0 << 120;
    QTest::newRow("half to even") << 120.5 << 120;
    QTest::newRow("max") << 32767.0 << 32767;
    QTest::newRow("rounds past max") << 32767.5 << 32767;
    QTest::newRow("over max") << 40000.0 << 32767;
    QTest::newRow("min") << -32768.0 << -32768;
    QTest::newRow("under min") << -99999.0 << -32768;
    QTest::newRow("infinite") << double(INFINITY) << 32767;
}

void TestUnits::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(int(Numeric::ToInt16(value)), expected);
}

void TestUnits::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "120" << 120.0;
    QTest::newRow("leading blanks") << "  120" << 120.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("fraction") << "12.75x" << 12.75;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("negative") << "-40" << -40.0;
    QTest::newRow("sign and blank") << "- 40" << -40.0;
    QTest::newRow("blanks between digits") << "1 2 3" << 123.0;
    QTest::newRow("comma stops") << "1,5" << 1.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("star") << "*" << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
}

void TestUnits::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Numeric::LeadingNumber(text), expected);
}

void TestUnits::wholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "120" << true << 120.0;
    QTest::newRow("blanks around") << "  120 " << true << 120.0;
    QTest::newRow("fraction") << "12.5" << true << 12.5;
    QTest::newRow("negative") << "-7" << true << -7.0;
    QTest::newRow("plus") << "+7" << true << 7.0;
    QTest::newRow("trailing text") << "12abc" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("star") << "*" << false << 0.0;
}

void TestUnits::wholeNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const std::optional<double> number = Numeric::WholeNumber(text);
    QCOMPARE(number.has_value(), valid);
    if (valid)
        QCOMPARE(*number, expected);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "test_units.moc"
