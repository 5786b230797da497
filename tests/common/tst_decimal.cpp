#include "common/decimal.h"
#include "table.h"

#include <limits>

class TestDecimal : public QObject {
    Q_OBJECT
private slots:
    void write_data();
    void write();
};

void TestDecimal::write_data()
{
    QTest::addColumn<qint64>("mantissa");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("written"); // with a comma; the same with a period elsewhere
    row("zero with an exponent", qint64(0), 5, "0");
    row("leading zeros of a fraction", qint64(-1), -4, "-0,0001");
    row("largest plain number", qint64(9999999), 0, "9999999");
    row("ten million is scientific", qint64(1), 7, "1E+07");
    row("scientific with a fraction", qint64(-15), 7, "-1,5E+08");
    row("three exponent digits", qint64(1), 100, "1E+100");
    row("seven digits, half rounds up", qint64(12345675), 0, "1,234568E+07");
    row("seven digits, below half rounds down", qint64(123456749), 0, "1,234567E+08");
    row("rounding carries into a new digit", qint64(99999999), 0, "1E+08");
    row("most negative mantissa", std::numeric_limits<qint64>::min(), 0, "-9,223372E+18");
}

void TestDecimal::write()
{
    QFETCH(qint64, mantissa);
    QFETCH(int, exponent);
    QFETCH(QString, written);
    QCOMPARE(barvoznak::writeNumber({ mantissa, exponent }, QStringLiteral(",")), written);
    QCOMPARE(barvoznak::writeNumber({ mantissa, exponent }, QStringLiteral(".")), written.replace(u',', u'.'));
}

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
