#include "common/decimal.h"

#include <QLocale>
#include <QTest>

#include <limits>

using barvoznak::Decimal;
using barvoznak::writeNumber;

class TestDecimal : public QObject {
    Q_OBJECT
private slots:
    void write_data();
    void write();
    void separatorFollowsLocale_data();
    void separatorFollowsLocale();
};

void TestDecimal::write_data()
{
    QTest::addColumn<qint64>("mantissa");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("comma");

    QTest::newRow("zero") << qint64(0) << 0 << "0";
    QTest::newRow("zero with exponent") << qint64(0) << 5 << "0";
    QTest::newRow("whole") << qint64(47) << 0 << "47";
    QTest::newRow("tens") << qint64(99) << 1 << "990";
    QTest::newRow("one decimal") << qint64(47) << -1 << "4,7";
    QTest::newRow("below one") << qint64(10) << -2 << "0,1";
    QTest::newRow("trailing zeros dropped") << qint64(100) << -2 << "1";
    QTest::newRow("exact 1.5 x 0.1") << qint64(15) << -2 << "0,15";
    QTest::newRow("small fraction") << qint64(1) << -4 << "0,0001";
    QTest::newRow("negative") << qint64(-1) << -1 << "-0,1";
    QTest::newRow("negative whole") << qint64(-12) << 0 << "-12";
    QTest::newRow("largest plain") << qint64(9999999) << 0 << "9999999";
    QTest::newRow("ten million") << qint64(1) << 7 << "1E+07";
    QTest::newRow("scientific fraction") << qint64(15) << 7 << "1,5E+08";
    QTest::newRow("scientific negative") << qint64(-9) << 9 << "-9E+09";
    QTest::newRow("three exponent digits") << qint64(1) << 100 << "1E+100";
    QTest::newRow("seven significant digits") << qint64(123456789) << 0 << "1,234568E+08";
    QTest::newRow("rounding carries") << qint64(99999999) << 0 << "1E+08";
    QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << 0 << "-9,223372E+18";
}

void TestDecimal::write()
{
    QFETCH(qint64, mantissa);
    QFETCH(int, exponent);
    QFETCH(QString, comma);
    QCOMPARE(writeNumber(Decimal { mantissa, exponent }, QStringLiteral(",")), comma);
    QCOMPARE(writeNumber(Decimal { mantissa, exponent }, QStringLiteral(".")),
        QString(comma).replace(QLatin1Char(','), QLatin1Char('.')));
}

void TestDecimal::separatorFollowsLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("separator");
    QTest::newRow("Czech") << "cs_CZ"
                           << ",";
    QTest::newRow("English") << "en_US"
                             << ".";
}

void TestDecimal::separatorFollowsLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, separator);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
    QCOMPARE(barvoznak::localeDecimalSeparator(), separator);
    QCOMPARE(writeNumber(Decimal { 47, -1 }, barvoznak::localeDecimalSeparator()),
        QStringLiteral("4") + separator + "7");
}

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
