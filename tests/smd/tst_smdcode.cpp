#include "smd/smdcode.h"

#include <QTest>

#include <cstdint>
#include <limits>

using barvoznak::Decimal;
using namespace barvoznak::smd;

Q_DECLARE_METATYPE(barvoznak::smd::CodeForm)

namespace {

const QString kEmoji = QStringLiteral("😀"); // one character, two UTF-16 code units
const qsizetype kMegabyte = 1 << 20;

QString withChar(const char *before, QChar middle, const char *after)
{
    return QString::fromLatin1(before) + middle + QString::fromLatin1(after);
}

} // namespace

class TestSmdCode : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void decode_data();
    void decode();
    void decodeNeedsFullLength_data();
    void decodeNeedsFullLength();
    void cutBack_data();
    void cutBack();
    void characterCount_data();
    void characterCount();
};

void TestSmdCode::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("mantissa"); // expected value without trailing zeros, as readNumber gives it
    QTest::addColumn<int>("exponent");

    const auto row = [](const char *tag, const QString &text, qint64 mantissa, int exponent) {
        QTest::newRow(tag) << text << mantissa << exponent;
    };
    row("empty", QString(), 0, 0);
    row("two digits", "47", 47, 0);
    row("trailing zero goes to exponent", "470", 47, 1);
    row("leading zeros", "007", 7, 0);
    row("blank inside", "4 7", 47, 0);
    row("tab and line feed inside", "\t4\n7 ", 47, 0);
    row("carriage return is no blank", "4\r7", 4, 0);
    row("plus sign", "+5", 5, 0);
    row("minus sign", "-5", -5, 0);
    row("minus zero is zero", "-0", 0, 0);
    row("plus point five", "+.5", 5, -1);
    row("minus point five", "-.5", -5, -1);
    row("period alone", ".", 0, 0);
    row("minus alone", "-", 0, 0);
    row("plus alone", "+", 0, 0);
    row("two signs", "+-5", 0, 0);
    row("decimal period", "1.5", 15, -1);
    row("second period stops", "1.2.3", 12, -1);
    row("zero fraction", "0.000", 0, 0);
    row("comma is no decimal point", "1,5", 1, 0);
    row("letter stops", "47x", 47, 0);
    row("letter first", "x47", 0, 0);
    row("E without digits", "1E", 1, 0);
    row("E plus without digits", "1E+", 1, 0);
    row("E minus without digits", "1E-", 1, 0);
    row("double E", "1EE2", 1, 0);
    row("lower e", "1e2", 1, 2);
    row("lower d", "1d2", 1, 2);
    row("D negative exponent", "1D-2", 1, -2);
    row("E signed exponent", "2.5E+03", 25, 2);
    row("exponent stops at period", "1E2.5", 1, 2);
    row("E with no number", "E5", 0, 0);
    row("point E", ".E5", 0, 0);
    row("fraction with exponent", ".5E1", 5, 0);
    row("hex prefix alone", "&H", 0, 0);
    row("hex F", "&HF", 15, 0);
    row("hex lower", "&hff", 255, 0);
    row("hex stops at G", "&H1G", 1, 0);
    row("hex with blanks", "& H 1 F", 31, 0);
    row("octal 17", "&O17", 15, 0);
    row("octal lower", "&o7", 7, 0);
    row("octal 8 is no digit", "&O8", 0, 0);
    row("ampersand alone", "&", 0, 0);
    row("unknown radix", "&X1", 0, 0);
    row("sign before radix", "-&H1", 0, 0);
    row("right-to-left mark first", withChar("", QChar(0x200F), "4"), 0, 0);
    row("Arabic-Indic digit", QStringLiteral("٣"), 0, 0);
    row("fullwidth digit", QStringLiteral("４"), 0, 0);
    row("NUL stops", withChar("4", QChar(0), "7"), 4, 0);
    row("lone surrogate stops", withChar("4", QChar(0xD800), "7"), 4, 0);
    row("emoji stops", "4" + kEmoji + "7", 4, 0);

    const qint64 max = std::numeric_limits<qint64>::max();
    row("int64 max exact", "9223372036854775807", max, 0);
    row("one past int64 max", "9223372036854775808", 92233720368547758, 2);
    // After the first digit that does not fit, no later digit joins the mantissa even if it would fit.
    row("digits after overflow only scale", "92233720368547758090", 92233720368547758, 3);
    row("fraction digits after overflow drop", "1.00000000000000000001", 1, 0);
    row("huge exponent clamped", "1E999999999999", 1, 100000);
    row("huge negative exponent clamped", "-1E-999999999999999999999", -1, -100000);
    row("megabyte of nines", QString(kMegabyte, u'9'), 999999999999999999, 100000);
    row("megabyte of zeros", QString(kMegabyte, u'0'), 0, 0);
    row("one and a megabyte of zeros", "1" + QString(kMegabyte, u'0'), 1, 100000);
    row("tiny fraction", "0." + QString(kMegabyte, u'0') + "1", 1, -100000);
    row("megabyte of hex saturates", "&H" + QString(kMegabyte, u'F'), max, 0);
    row("megabyte of blanks", QString(kMegabyte, u' ') + "5", 5, 0);
}

void TestSmdCode::readNumber()
{
    QFETCH(QString, text);
    QFETCH(qint64, mantissa);
    QFETCH(int, exponent);
    const Decimal value = barvoznak::smd::readNumber(text);
    QCOMPARE(value.mantissa, mantissa);
    QCOMPARE(value.exponent, exponent);
}

void TestSmdCode::decode_data()
{
    QTest::addColumn<CodeForm>("form");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("caption");

    const QString comma = QStringLiteral(",");
    const auto three = [&comma](const char *tag, const QString &code, const char *caption) {
        QTest::newRow(tag) << CodeForm::ThreeChar << comma << code << QString::fromUtf8(caption);
    };
    const auto four = [&comma](const char *tag, const QString &code, const char *caption) {
        QTest::newRow(tag) << CodeForm::FourChar << comma << code << QString::fromUtf8(caption);
    };

    // Each multiplier row of the three-character column.
    three("3: multiplier 0", "100", "10 ohmu");
    three("3: multiplier 1", "101", "100 ohmu");
    three("3: multiplier 2", "102", "1 kiloohmu");
    three("3: multiplier 3", "103", "10 kiloohmu");
    three("3: multiplier 4", "104", "100 kiloohmu");
    three("3: multiplier 5", "105", "1 megaohmu");
    three("3: multiplier 6", "106", "10 megaohmu");
    three("3: multiplier 7", "107", "100 megaohmu");
    three("3: multiplier 8", "108", "1 gigaohmu");
    three("3: multiplier 9", "109", "10 gigaohmu");
    three("3: 000", "000", "0 ohmu");
    three("3: 472", "472", "4,7 kiloohmu");
    three("3: 012", "012", "0,1 kiloohmu");
    three("3: 842", "842", "8,4 kiloohmu");
    three("3: 999", "999", "99 gigaohmu");
    three("3: 003 keeps the multiplier's unit", "003", "0 kiloohmu");
    three("3: letter multiplier reads 0", "47x", "47 ohmu");
    three("3: blank multiplier reads 0", "47 ", "47 ohmu");
    three("3: period multiplier reads 0", "47.", "47 ohmu");
    three("3: minus multiplier reads 0", "47-", "47 ohmu");
    three("3: Arabic-Indic multiplier reads 0", QStringLiteral("47٣"), "47 ohmu");
    three("3: negative value", "-12", "-0,1 kiloohmu");
    three("3: plus sign", "+12", "0,1 kiloohmu");
    three("3: blank inside value", "4 2", "0,4 kiloohmu");
    three("3: fraction value", ".52", "0,05 kiloohmu");
    three("3: period after digit", "4.7", "40 megaohmu");
    three("3: hex prefix without digit", "&H3", "0 kiloohmu");
    three("3: E with no number", "E52", "0 kiloohmu");
    three("3: emoji inside", "4" + kEmoji + "2", "0,4 kiloohmu");
    three("3: emoji multiplier reads 0", "47" + kEmoji, "47 ohmu");
    three("3: right-to-left mark", withChar("", QChar(0x200F), "47"), "0 megaohmu");
    three("3: control character", withChar("", QChar(0x01), "47"), "0 megaohmu");
    three("3: NUL inside", withChar("4", QChar(0), "2"), "0,4 kiloohmu");
    three("3: lone surrogate inside", withChar("4", QChar(0xD800), "2"), "0,4 kiloohmu");
    three("3: R-notation 4R7", "4R7", "4,7 ohmu");
    three("3: R-notation R47", "R47", "0,47 ohmu");
    three("3: R-notation 47R", "47R", "47 ohmu");
    three("3: R-notation lower r", "4r7", "4,7 ohmu");
    three("3: two R is no R-notation", "RR1", "0 ohmu");
    three("3: sign is no R-notation", "-R4", "0 kiloohmu");

    // Each multiplier row of the four-character column.
    four("4: multiplier 0", "1000", "100 ohmu");
    four("4: multiplier 1", "1001", "1 kiloohmu");
    four("4: multiplier 2", "1002", "10 kiloohmu");
    four("4: multiplier 3", "1003", "100 kiloohmu");
    four("4: multiplier 4", "1004", "1 megaohmu");
    four("4: multiplier 5", "1005", "10 megaohmu");
    four("4: multiplier 6", "1006", "100 megaohmu");
    four("4: multiplier 7", "1007", "1 gigaohmu");
    four("4: multiplier 8", "1008", "10 gigaohmu");
    four("4: multiplier 9", "1009", "100 gigaohmu");
    four("4: 0000", "0000", "0 ohmu");
    four("4: 4701", "4701", "4,7 kiloohmu");
    four("4: 0101", "0101", "0,1 kiloohmu");
    four("4: 2204", "2204", "2,2 megaohmu");
    four("4: period is the decimal point", "1.52", "0,15 kiloohmu");
    four("4: comma is no decimal point", "1,52", "0,1 kiloohmu");
    four("4: 9999", "9999", "999 gigaohmu");
    four("4: negative value", "-999", "-99 gigaohmu");
    four("4: blank inside value", "4 72", "4,7 kiloohmu");
    four("4: tab inside value", "4\t72", "4,7 kiloohmu");
    four("4: line feed inside value", "4\n72", "4,7 kiloohmu");
    four("4: hex value", "&HF2", "1,5 kiloohmu");
    four("4: octal value", "&O72", "0,7 kiloohmu");
    four("4: exponent E", "1E99", "1E+09 gigaohmu");
    four("4: exponent D", "9D96", "9E+09 megaohmu");
    four("4: lower e exponent", "1e20", "100 ohmu");
    four("4: E plus without digits", "1E+0", "1 ohmu");
    four("4: E minus without digits", "1E-3", "1 kiloohmu");
    four("4: R-notation 4R70", "4R70", "4,7 ohmu");
    four("4: R-notation R100", "R100", "0,1 ohmu");
    four("4: R-notation 10R0", "10R0", "10 ohmu");
    four("4: blank is no R-notation", "4R 7", "0,04 gigaohmu");

    const QString period = QStringLiteral(".");
    QTest::newRow("3: period separator") << CodeForm::ThreeChar << period << "472"
                                         << "4.7 kiloohmu";
    QTest::newRow("3: period separator R-notation") << CodeForm::ThreeChar << period << "R47"
                                                    << "0.47 ohmu";
    QTest::newRow("4: period separator") << CodeForm::FourChar << period << "1.52"
                                         << "0.15 kiloohmu";
    QTest::newRow("4: period separator scientific") << CodeForm::FourChar << period << "2E98"
                                                    << "2E+08 gigaohmu";
}

void TestSmdCode::decode()
{
    QFETCH(CodeForm, form);
    QFETCH(QString, separator);
    QFETCH(QString, code);
    QFETCH(QString, caption);
    QCOMPARE(barvoznak::smd::decode(code, form, separator), std::optional<QString>(caption));
}

void TestSmdCode::decodeNeedsFullLength_data()
{
    QTest::addColumn<CodeForm>("form");
    QTest::addColumn<QString>("code");

    QTest::newRow("3: empty") << CodeForm::ThreeChar << QString();
    QTest::newRow("3: two digits") << CodeForm::ThreeChar << "47";
    QTest::newRow("3: four digits") << CodeForm::ThreeChar << "4702";
    QTest::newRow("3: emoji makes four") << CodeForm::ThreeChar << "47" + kEmoji + "2";
    QTest::newRow("3: two emoji are two") << CodeForm::ThreeChar << kEmoji + kEmoji;
    QTest::newRow("3: megabyte") << CodeForm::ThreeChar << QString(kMegabyte, u'4');
    QTest::newRow("4: three digits") << CodeForm::FourChar << "470";
    QTest::newRow("4: R-notation of three") << CodeForm::FourChar << "4R7";
    QTest::newRow("4: five digits") << CodeForm::FourChar << "47011";
    QTest::newRow("4: emoji counts once") << CodeForm::FourChar << "47" + kEmoji;
}

void TestSmdCode::decodeNeedsFullLength()
{
    QFETCH(CodeForm, form);
    QFETCH(QString, code);
    QCOMPARE(barvoznak::smd::decode(code, form, QStringLiteral(",")), std::nullopt);
}

void TestSmdCode::cutBack_data()
{
    QTest::addColumn<CodeForm>("form");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString loneHigh(QChar(0xD83D));
    QTest::newRow("3: empty") << CodeForm::ThreeChar << QString() << QString();
    QTest::newRow("3: shorter unchanged") << CodeForm::ThreeChar << "47"
                                          << "47";
    QTest::newRow("3: full unchanged") << CodeForm::ThreeChar << "472"
                                       << "472";
    QTest::newRow("3: four cut") << CodeForm::ThreeChar << "4702"
                                 << "470";
    QTest::newRow("3: emoji kept whole") << CodeForm::ThreeChar << "47" + kEmoji + "2"
                                         << "47" + kEmoji;
    QTest::newRow("3: only emoji") << CodeForm::ThreeChar << kEmoji.repeated(5) << kEmoji.repeated(3);
    QTest::newRow("3: emoji after cut") << CodeForm::ThreeChar << "470" + kEmoji << "470";
    QTest::newRow("3: lone surrogate is a character") << CodeForm::ThreeChar << "47" + loneHigh + "x"
                                                      << "47" + loneHigh;
    QTest::newRow("3: megabyte") << CodeForm::ThreeChar << QString(kMegabyte, u'4') << "444";
    QTest::newRow("4: five cut") << CodeForm::FourChar << "47011"
                                 << "4701";
    QTest::newRow("4: four with emoji unchanged")
        << CodeForm::FourChar << "4" + kEmoji.repeated(3) << "4" + kEmoji.repeated(3);
    QTest::newRow("4: three unchanged") << CodeForm::FourChar << "470"
                                        << "470";
}

void TestSmdCode::cutBack()
{
    QFETCH(CodeForm, form);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(barvoznak::smd::cutBack(text, form), expected);
}

void TestSmdCode::characterCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");

    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("ascii") << "472" << 3;
    QTest::newRow("emoji is one") << kEmoji << 1;
    QTest::newRow("emoji inside") << "4" + kEmoji + "2" << 3;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) << 1;
    QTest::newRow("lone low surrogate") << QString(QChar(0xDC00)) << 1;
    QTest::newRow("pair in wrong order") << QString(QChar(0xDC00)) + QChar(0xD800) << 2;
    QTest::newRow("NUL counts") << withChar("4", QChar(0), "2") << 3;
    QTest::newRow("megabyte") << QString(kMegabyte, u'4') << int(kMegabyte);
}

void TestSmdCode::characterCount()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(barvoznak::smd::characterCount(text), count);
}

QTEST_GUILESS_MAIN(TestSmdCode)
#include "tst_smdcode.moc"
