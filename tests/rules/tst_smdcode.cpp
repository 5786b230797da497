#include "rules/smdcode.h"
#include "table.h"

#include <limits>

using namespace barvoznak::smd;
using barvoznak::Decimal;

static const QString kEmoji = QStringLiteral("😀"); // one character, two UTF-16 code units

struct Reading {
    const char *tag;
    QString text;
    Decimal read; // mantissa without trailing zeros, exponent
    QString written; // with a comma; the same with a period elsewhere
};
Q_DECLARE_METATYPE(Reading)

struct Code {
    const char *tag;
    CodeForm form;
    QString code;
    QString caption; // empty: no full-length code, the result stays
};
Q_DECLARE_METATYPE(Code)

class TestSmdCode : public QObject {
    Q_OBJECT
private slots:
    void readNumber_data()
    {
        const qint64 max = std::numeric_limits<qint64>::max();
        const Reading table[] {
            { "blank, tab and line feed ignored anywhere", "\t4 \n7", { 47 }, "47" },
            { "carriage return stops", "4\r7", { 4 }, "4" },
            { "plus sign and a bare fraction", "+.5", { 5, -1 }, "0,5" },
            { "two signs read 0", "+-5", {}, "0" },
            { "second period stops", "1.2.3", { 12, -1 }, "1,2" },
            { "E with a signed exponent", "2.5E+03", { 25, 2 }, "2500" },
            { "D with a negative exponent, leading zeros", "-1d-4", { -1, -4 }, "-0,0001" },
            { "E without digits is no exponent", "1E-", { 1 }, "1" },
            { "the last hexadecimal digit in either case", "&hfF", { 255 }, "255" },
            { "octal stops at 8", "&O178", { 15 }, "15" },
            { "unknown radix reads 0", "&B1", {}, "0" },
            { "seven digits, half rounds up", "12345675", { 12345675 }, "1,234568E+07" },
            { "seven digits, below half rounds down", "123456749", { 123456749 }, "1,234567E+08" },
            { "rounding carries into a new digit", "99999999", { 99999999 }, "1E+08" },
            { "largest int64", "9223372036854775807", { max }, "9,223372E+18" },
            { "hex one below the largest int64", "&H7FFFFFFFFFFFFFFE", { max - 1 }, "9,223372E+18" },
            { "digits past int64 only scale", "92233720368547758091", { 92233720368547758, 3 }, "9,223372E+19" },
            { "hex past int64 saturates", "&H8000000000000001", { max }, "9,223372E+18" },
            { "huge exponent clamped", "-1E-999999999999999999999", { -1, -100000 },
                "-0," + QString(99999, u'0') + "1" },
            { "a megabyte of nines", QString(1 << 20, u'9'), { 999999999999999999, 100000 }, "1E+100018" },
        };
        rows(table);
    }
    // Reading a number from text and writing it as the program shows it.
    void readNumber()
    {
        QFETCH(Reading, row);
        QCOMPARE(barvoznak::smd::readNumber(row.text), row.read);
        QCOMPARE(barvoznak::writeNumber(row.read, QStringLiteral(",")), row.written);
        QCOMPARE(barvoznak::writeNumber(row.read, QStringLiteral(".")), row.written.replace(u',', u'.'));
    }

    void decode_data()
    {
        QTest::addColumn<Code>("row");
        // Every multiplier digit of both forms: the unit follows the digit, value × 10^digit ohms.
        const char *scale[] { "10 ohmu", "100 ohmu", "1 kiloohmu", "10 kiloohmu", "100 kiloohmu", "1 megaohmu",
            "10 megaohmu", "100 megaohmu", "1 gigaohmu", "10 gigaohmu", "100 gigaohmu" };
        for (int m = 0; m < 10; ++m) {
            const QString three = QStringLiteral("10%1").arg(m), four = QStringLiteral("100%1").arg(m);
            QTest::newRow(qPrintable(three)) << Code { nullptr, CodeForm::ThreeChar, three, scale[m] };
            QTest::newRow(qPrintable(four)) << Code { nullptr, CodeForm::FourChar, four, scale[m + 1] };
        }
        const CodeForm three = CodeForm::ThreeChar, four = CodeForm::FourChar;
        for (const Code &row : std::initializer_list<Code> {
                 { "000", three, "000", "0 ohmu" },
                 { "472", three, "472", "4,7 kiloohmu" },
                 { "012 keeps the multiplier's unit", three, "012", "0,1 kiloohmu" },
                 { "842", three, "842", "8,4 kiloohmu" },
                 { "999", three, "999", "99 gigaohmu" },
                 { "47x: a letter multiplier reads 0", three, "47x", "47 ohmu" },
                 { "-12", three, "-12", "-0,1 kiloohmu" },
                 { "003", three, "003", "0 kiloohmu" },
                 { "0000", four, "0000", "0 ohmu" },
                 { "4701", four, "4701", "4,7 kiloohmu" },
                 { "0101", four, "0101", "0,1 kiloohmu" },
                 { "2204", four, "2204", "2,2 megaohmu" },
                 { "1.52: the period is a decimal point", four, "1.52", "0,15 kiloohmu" },
                 { "1,52: a comma is none", four, "1,52", "0,1 kiloohmu" },
                 { "9999", four, "9999", "999 gigaohmu" },
                 // R stands for the decimal point of a value in ohms when it is the code's one letter.
                 { "4R7", three, "4R7", "4,7 ohmu" },
                 { "R47", three, "R47", "0,47 ohmu" },
                 { "4r7: r in lower case too", three, "4r7", "4,7 ohmu" },
                 { "4R70", four, "4R70", "4,7 ohmu" },
                 { "two R are no R-notation", four, "1R2R", "1 ohmu" },
                 // Characters are counted as code points, and a lone surrogate is one of its own.
                 { "an emoji is one character", three, "4" + kEmoji + "2", "0,4 kiloohmu" },
                 { "a lone surrogate is one character", three, "47" + QString(QChar(0xD83D)), "47 ohmu" },
                 { "just below ten million", four, "1E69", "1000000 gigaohmu" },
                 { "ten million is scientific", four, "1E79", "1E+07 gigaohmu" },
                 { "too short", four, "4R7", "" },
                 { "too long", three, "4702", "" },
             })
            QTest::newRow(row.tag) << row;
    }
    void decode()
    {
        QFETCH(Code, row);
        QCOMPARE(barvoznak::smd::decode(row.code, row.form, QStringLiteral(",")).value_or(QString()), row.caption);
    }
};

QTEST_GUILESS_MAIN(TestSmdCode)
#include "tst_smdcode.moc"
