#include "smd/smdcode.h"

#include <QTest>

#include <limits>

using barvoznak::Decimal;
using namespace barvoznak::smd;

Q_DECLARE_METATYPE(barvoznak::smd::CodeForm)

namespace {

const QString kEmoji = QStringLiteral("😀"); // one character, two UTF-16 code units
const QString kMegabyte(1 << 20, u'4');
constexpr CodeForm three = CodeForm::ThreeChar, four = CodeForm::FourChar;

} // namespace

class TestSmdCode : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void decode_data();
    void decode();
    void cutBack_data();
    void cutBack();
};

void TestSmdCode::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("mantissa"); // without trailing zeros, as readNumber gives it
    QTest::addColumn<int>("exponent");

    const auto row = [](const char *tag, const QString &text, qint64 mantissa, int exponent) {
        QTest::newRow(tag) << text << mantissa << exponent;
    };
    row("empty reads 0", QString(), 0, 0);
    row("blank, tab and line feed ignored", "\t4 \n7", 47, 0);
    row("carriage return stops", "4\r7", 4, 0);
    row("minus sign", "-5", -5, 0);
    row("plus point five", "+.5", 5, -1);
    row("two signs read 0", "+-5", 0, 0);
    row("period is the decimal point", "1.5", 15, -1);
    row("second period stops", "1.2.3", 12, -1);
    row("letter stops", "47x", 47, 0);
    row("letter first reads 0", "x47", 0, 0);
    row("emoji stops", "4" + kEmoji + "7", 4, 0);
    row("right-to-left mark first reads 0", QStringLiteral("\u200F4"), 0, 0);
    row("E signed exponent", "2.5E+03", 25, 2);
    row("D negative exponent", "1D-2", 1, -2);
    row("lower e", "1e2", 1, 2);
    row("E without digits is no exponent", "1E-", 1, 0);
    row("hex", "&hFf", 255, 0);
    row("octal", "&O17", 15, 0);
    row("octal 8 is no digit", "&O8", 0, 0);
    row("int64 max exact", "9223372036854775807", std::numeric_limits<qint64>::max(), 0);
    row("digits after overflow only scale", "92233720368547758090", 92233720368547758, 3);
    row("huge exponent clamped", "-1E-999999999999999999999", -1, -100000);
    row("megabyte of nines", QString(1 << 20, u'9'), 999999999999999999, 100000);
    row("megabyte of hex saturates", "&H" + QString(1 << 20, u'F'), std::numeric_limits<qint64>::max(), 0);
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
    QTest::addColumn<QString>("caption"); // null: not a full-length code, no result

    const auto row = [](const char *tag, CodeForm form, const QString &code, const char *caption,
                         const char *separator = ",") {
        QTest::newRow(tag) << form << QString::fromLatin1(separator) << code
                           << (caption ? QString::fromUtf8(caption) : QString());
    };
    // Every multiplier digit of both columns: 10m runs from 10 ohmu, 100m from 100 ohmu, by tens.
    const char *scale[] = { "10 ohmu", "100 ohmu", "1 kiloohmu", "10 kiloohmu", "100 kiloohmu", "1 megaohmu",
        "10 megaohmu", "100 megaohmu", "1 gigaohmu", "10 gigaohmu", "100 gigaohmu" };
    for (int m = 0; m < 10; ++m) {
        row(qPrintable(QStringLiteral("3: 10%1").arg(m)), three, QStringLiteral("10%1").arg(m), scale[m]);
        row(qPrintable(QStringLiteral("4: 100%1").arg(m)), four, QStringLiteral("100%1").arg(m), scale[m + 1]);
    }
    row("3: 000", three, "000", "0 ohmu");
    row("3: 472", three, "472", "4,7 kiloohmu");
    row("3: 012", three, "012", "0,1 kiloohmu");
    row("3: 842", three, "842", "8,4 kiloohmu");
    row("3: 999", three, "999", "99 gigaohmu");
    row("3: 47x letter multiplier reads 0", three, "47x", "47 ohmu");
    row("3: -12", three, "-12", "-0,1 kiloohmu");
    row("3: 003 keeps the multiplier's unit", three, "003", "0 kiloohmu");
    row("3: R-notation 4R7", three, "4R7", "4,7 ohmu");
    row("3: R-notation R47", three, "R47", "0,47 ohmu");
    row("3: R-notation 47R", three, "47R", "47 ohmu");
    row("3: two R is no R-notation", three, "RR1", "0 ohmu");
    row("3: emoji is one character", three, "4" + kEmoji + "2", "0,4 kiloohmu");
    row("3: right-to-left mark", three, QStringLiteral("\u200F47"), "0 megaohmu");
    row("3: two digits", three, "47", nullptr);
    row("3: four digits", three, "4702", nullptr);
    row("3: megabyte", three, kMegabyte, nullptr);
    row("4: 0000", four, "0000", "0 ohmu");
    row("4: 4701", four, "4701", "4,7 kiloohmu");
    row("4: 0101", four, "0101", "0,1 kiloohmu");
    row("4: 2204", four, "2204", "2,2 megaohmu");
    row("4: 1.52 period is the decimal point", four, "1.52", "0,15 kiloohmu");
    row("4: 1,52 comma is no decimal point", four, "1,52", "0,1 kiloohmu");
    row("4: 9999", four, "9999", "999 gigaohmu");
    row("4: R-notation 4R70", four, "4R70", "4,7 ohmu");
    row("4: R-notation R100", four, "R100", "0,1 ohmu");
    row("4: R-notation 10R0", four, "10R0", "10 ohmu");
    row("4: hex value", four, "&HF2", "1,5 kiloohmu");
    row("4: just below ten million", four, "1E69", "1000000 gigaohmu");
    row("4: ten million is scientific", four, "1E79", "1E+07 gigaohmu");
    row("4: exponent D", four, "9D96", "9E+09 megaohmu");
    row("4: R-notation of three", four, "4R7", nullptr);
    row("4: emoji counts once", four, "47" + kEmoji, nullptr);
    row("3: period separator", three, "R47", "0.47 ohmu", ".");
    row("4: period separator", four, "1.52", "0.15 kiloohmu", ".");
    row("4: period separator scientific", four, "2E98", "2E+08 gigaohmu", ".");
}

void TestSmdCode::decode()
{
    QFETCH(CodeForm, form);
    QFETCH(QString, separator);
    QFETCH(QString, code);
    QFETCH(QString, caption);
    QCOMPARE(barvoznak::smd::decode(code, form, separator),
        caption.isNull() ? std::nullopt : std::optional<QString>(caption));
}

void TestSmdCode::cutBack_data()
{
    QTest::addColumn<CodeForm>("form");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cut");
    QTest::addColumn<int>("count"); // characters in text

    const QString loneHigh(QChar(0xD83D)), loneLow(QChar(0xDC00));
    const auto row = [](const char *tag, CodeForm form, const QString &text, const QString &cut, int count) {
        QTest::newRow(tag) << form << text << cut << count;
    };
    row("3: empty", three, QString(), QString(), 0);
    row("3: full unchanged", three, "472", "472", 3);
    row("3: fourth cut", three, "4702", "470", 4);
    row("3: emoji kept whole", three, "47" + kEmoji + "2", "47" + kEmoji, 4);
    row("3: only emoji", three, kEmoji.repeated(5), kEmoji.repeated(3), 5);
    row("3: lone surrogate is a character", three, "47" + loneHigh + "x", "47" + loneHigh, 4);
    row("3: low before high is two", three, loneLow + loneHigh, loneLow + loneHigh, 2);
    row("3: megabyte", three, kMegabyte, "444", 1 << 20);
    row("4: fifth cut", four, "47011", "4701", 5);
    row("4: four with emoji unchanged", four, "4" + kEmoji.repeated(3), "4" + kEmoji.repeated(3), 4);
    row("4: emoji megabyte", four, kEmoji.repeated(1 << 19), kEmoji.repeated(4), 1 << 19);
}

void TestSmdCode::cutBack()
{
    QFETCH(CodeForm, form);
    QFETCH(QString, text);
    QFETCH(QString, cut);
    QFETCH(int, count);
    QCOMPARE(barvoznak::smd::cutBack(text, form), cut);
    QCOMPARE(barvoznak::smd::characterCount(text), count);
}

QTEST_GUILESS_MAIN(TestSmdCode)
#include "tst_smdcode.moc"
