#include "rules/smdcode.h"
#include "table.h"

#include <limits>

using namespace barvoznak::smd;
using barvoznak::Decimal;

Q_DECLARE_METATYPE(barvoznak::Decimal)

static const QString kEmoji = QStringLiteral("😀"); // one character, two UTF-16 code units

class TestSmdCode : public QObject {
    Q_OBJECT
private slots:
    void readNumber_data();
    void readNumber();
    void decode_data();
    void decode();
};

void TestSmdCode::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Decimal>("read"); // mantissa without trailing zeros, exponent
    QTest::addColumn<QString>("written"); // with a comma; the same with a period elsewhere
    const qint64 max = std::numeric_limits<qint64>::max();
    row("blank, tab and line feed ignored anywhere", "\t4 \n7", Decimal { 47 }, "47");
    row("carriage return stops", "4\r7", Decimal { 4 }, "4");
    row("plus sign and a bare fraction", "+.5", Decimal { 5, -1 }, "0,5");
    row("two signs read 0", "+-5", Decimal {}, "0");
    row("second period stops", "1.2.3", Decimal { 12, -1 }, "1,2");
    row("emoji stops", QString("4" + kEmoji + "7"), Decimal { 4 }, "4");
    row("E with a signed exponent", "2.5E+03", Decimal { 25, 2 }, "2500");
    row("D with a negative exponent, leading zeros", "-1d-4", Decimal { -1, -4 }, "-0,0001");
    row("E without digits is no exponent", "1E-", Decimal { 1 }, "1");
    row("octal", "&O17", Decimal { 15 }, "15");
    row("8 is no octal digit", "&O18", Decimal { 1 }, "1");
    row("unknown radix reads 0", "&B1", Decimal {}, "0");
    row("scientific with a fraction", "-15E7", Decimal { -15, 7 }, "-1,5E+08");
    row("three exponent digits", "1E100", Decimal { 1, 100 }, "1E+100");
    row("seven digits, half rounds up", "12345675", Decimal { 12345675 }, "1,234568E+07");
    row("seven digits, below half rounds down", "123456749", Decimal { 123456749 }, "1,234567E+08");
    row("rounding carries into a new digit", "99999999", Decimal { 99999999 }, "1E+08");
    row("largest int64", "9223372036854775807", Decimal { max }, "9,223372E+18");
    row("digits past int64 only scale", "92233720368547758091", Decimal { 92233720368547758, 3 }, "9,223372E+19");
    row("hex past int64 saturates", "&H8000000000000001", Decimal { max }, "9,223372E+18");
    row("huge exponent clamped", "-1E-999999999999999999999", Decimal { -1, -100000 },
        QString("-0," + QString(99999, u'0') + "1"));
    row("a megabyte of nines", QString(1 << 20, u'9'), Decimal { 999999999999999999, 100000 }, "1E+100018");
}

// Reading a number from text and writing it as the program shows it.
void TestSmdCode::readNumber()
{
    QFETCH(QString, text);
    QFETCH(Decimal, read);
    QFETCH(QString, written);
    QCOMPARE(barvoznak::smd::readNumber(text), read);
    QCOMPARE(barvoznak::writeNumber(read, QStringLiteral(",")), written);
    QCOMPARE(barvoznak::writeNumber(read, QStringLiteral(".")), written.replace(u',', u'.'));
}

void TestSmdCode::decode_data()
{
    QTest::addColumn<int>("form"); // 3 or 4 characters
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("caption"); // empty: no full-length code, the result stays
    // Every multiplier digit of both forms: the unit follows the digit, value × 10^digit ohms.
    const char *scale[] = { "10 ohmu", "100 ohmu", "1 kiloohmu", "10 kiloohmu", "100 kiloohmu", "1 megaohmu",
        "10 megaohmu", "100 megaohmu", "1 gigaohmu", "10 gigaohmu", "100 gigaohmu" };
    for (int m = 0; m < 10; ++m) {
        row(qPrintable(QStringLiteral("10%1").arg(m)), 3, QStringLiteral("10%1").arg(m), scale[m]);
        row(qPrintable(QStringLiteral("100%1").arg(m)), 4, QStringLiteral("100%1").arg(m), scale[m + 1]);
    }
    row("000", 3, "000", "0 ohmu");
    row("472", 3, "472", "4,7 kiloohmu");
    row("012 keeps the multiplier's unit", 3, "012", "0,1 kiloohmu");
    row("842", 3, "842", "8,4 kiloohmu");
    row("999", 3, "999", "99 gigaohmu");
    row("47x: a letter multiplier reads 0", 3, "47x", "47 ohmu");
    row("-12", 3, "-12", "-0,1 kiloohmu");
    row("003", 3, "003", "0 kiloohmu");
    row("0000", 4, "0000", "0 ohmu");
    row("4701", 4, "4701", "4,7 kiloohmu");
    row("0101", 4, "0101", "0,1 kiloohmu");
    row("2204", 4, "2204", "2,2 megaohmu");
    row("1.52: the period is a decimal point", 4, "1.52", "0,15 kiloohmu");
    row("1,52: a comma is none", 4, "1,52", "0,1 kiloohmu");
    row("9999", 4, "9999", "999 gigaohmu");
    // R stands for the decimal point of a value in ohms when it is the code's one letter.
    row("4R7", 3, "4R7", "4,7 ohmu");
    row("R47", 3, "R47", "0,47 ohmu");
    row("4R70", 4, "4R70", "4,7 ohmu");
    row("R100", 4, "R100", "0,1 ohmu");
    row("two R are no R-notation", 4, "1R2R", "1 ohmu");
    // Characters are counted as code points, and a lone surrogate is one of its own.
    row("an emoji is one character", 3, QString("4" + kEmoji + "2"), "0,4 kiloohmu");
    row("a lone surrogate is one character", 3, QStringLiteral("47") + QChar(0xD83D), "47 ohmu");
    row("low before high surrogate is two", 3, QString(QChar(0xDC00)) + QChar(0xD83D) + u'1', "0 ohmu");
    row("hexadecimal value, the first letter digit", 4, "&hA2", "1 kiloohmu");
    row("just below ten million", 4, "1E69", "1000000 gigaohmu");
    row("ten million is scientific", 4, "1E79", "1E+07 gigaohmu");
    row("too short", 4, "4R7", "");
    row("too long", 3, "4702", "");
}

void TestSmdCode::decode()
{
    QFETCH(int, form);
    QFETCH(QString, code);
    QFETCH(QString, caption);
    const CodeForm codeForm = form == 3 ? CodeForm::ThreeChar : CodeForm::FourChar;
    QCOMPARE(barvoznak::smd::decode(code, codeForm, QStringLiteral(",")).value_or(QString()), caption);
}

QTEST_GUILESS_MAIN(TestSmdCode)
#include "tst_smdcode.moc"
