#include "game/textnumber.h"

#include <QtTest>
#include <cmath>

using namespace vortalin;

class TestTextNumber : public QObject {
    Q_OBJECT
private slots:
    void textToNumberReadsLikeTheBoxes_data();
    void textToNumberReadsLikeTheBoxes();
    void textToNumberNeverOverflows_data();
    void textToNumberNeverOverflows();
    void numberToTextPutsABlankBeforeNonNegatives_data();
    void numberToTextPutsABlankBeforeNonNegatives();
    void roundHalfEvenGoesToTheEvenNeighbour_data();
    void roundHalfEvenGoesToTheEvenNeighbour();
};

void TestTextNumber::textToNumberReadsLikeTheBoxes_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("leading blank") << QByteArray(" 6") << 6.0;
    QTest::newRow("comma is not a separator") << QByteArray("45,5") << 45.0;
    QTest::newRow("decimal point") << QByteArray("45.5") << 45.5;
    QTest::newRow("blanks inside") << QByteArray(" 1 2") << 12.0;
    QTest::newRow("tabs and line feeds") << QByteArray("\t1\n0 0") << 100.0;
    QTest::newRow("exponent") << QByteArray("1e3") << 1000.0;
    QTest::newRow("exponent D lower") << QByteArray("2d2") << 200.0;
    QTest::newRow("exponent negative") << QByteArray("15E-1") << 1.5;
    QTest::newRow("exponent without digits") << QByteArray("7e") << 7.0;
    QTest::newRow("exponent sign only") << QByteArray("7e+x") << 7.0;
    QTest::newRow("minus alone") << QByteArray("-") << 0.0;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("letters") << QByteArray("abc") << 0.0;
    QTest::newRow("negative") << QByteArray("-5") << -5.0;
    QTest::newRow("plus") << QByteArray("+13000") << 13000.0;
    QTest::newRow("second point stops") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("point first") << QByteArray(".5") << 0.5;
    QTest::newRow("point alone") << QByteArray(".") << 0.0;
    QTest::newRow("stops at letter") << QByteArray("30gradi") << 30.0;
    QTest::newRow("sign after digits stops") << QByteArray("3-4") << 3.0;
    QTest::newRow("hex") << QByteArray("&HFF") << 255.0;
    QTest::newRow("hex lower, blanks") << QByteArray(" & h 1 0") << 16.0;
    QTest::newRow("octal") << QByteArray("&O17") << 15.0;
    QTest::newRow("octal stops at 8") << QByteArray("&O78") << 7.0;
    QTest::newRow("ampersand alone") << QByteArray("&") << 0.0;
    QTest::newRow("ampersand other") << QByteArray("&X12") << 0.0;
    QTest::newRow("negative zero reads as zero") << QByteArray("-0") << 0.0;
    QTest::newRow("utf-8 after number") << QByteArray("12°") << 12.0;
}

void TestTextNumber::textToNumberReadsLikeTheBoxes() {
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const double value = textToNumber(text.toStdString());
    QCOMPARE(value, expected);
    QVERIFY(!std::signbit(value) || expected < 0);
}

void TestTextNumber::textToNumberNeverOverflows_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("exponent too large") << QByteArray("1e999") << inf;
    QTest::newRow("negative exponent too large") << QByteArray("-1D99999999999999999999") << -inf;
    QTest::newRow("exponent too small") << QByteArray("1e-99999") << 0.0;
    QTest::newRow("hundreds of digits") << QByteArray(400, '9') << inf;
    QTest::newRow("thirty hex digits") << ("&H" + QByteArray(30, 'F')) << std::ldexp(1.0, 120);
}

void TestTextNumber::textToNumberNeverOverflows() {
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const double value = textToNumber(text.toStdString());
    if (std::isinf(expected))
        QCOMPARE(value, expected);
    else
        QVERIFY(std::abs(value - expected) <= std::abs(expected) * 1e-15);
}

void TestTextNumber::numberToTextPutsABlankBeforeNonNegatives_data() {
    QTest::addColumn<qlonglong>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("six") << 6LL << " 6";
    QTest::newRow("zero") << 0LL << " 0";
    QTest::newRow("thousand, no grouping") << 1000LL << " 1000";
    QTest::newRow("negative") << -12LL << "-12";
}

void TestTextNumber::numberToTextPutsABlankBeforeNonNegatives() {
    QFETCH(qlonglong, number);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(numberToText(number)), expected);
}

void TestTextNumber::roundHalfEvenGoesToTheEvenNeighbour_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("45.5") << 45.5 << 46.0;
    QTest::newRow("44.5") << 44.5 << 44.0;
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("2.4999") << 2.4999 << 2.0;
    QTest::newRow("359.5") << 359.5 << 360.0;
}

void TestTextNumber::roundHalfEvenGoesToTheEvenNeighbour() {
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(roundHalfEven(value), expected);
}

QTEST_APPLESS_MAIN(TestTextNumber)
#include "test_textnumber.moc"
