#include "rules/readout.h"
#include "rules/smdcode.h"
#include "table.h"

#include <cmath>

using namespace barvoznak::bands;
using namespace barvoznak::smd;
using barvoznak::Decimal;
using enum Colour;

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

// The decoding rules without a window: the read-out of the colour bands, and the reading of an SMD code.
class TestRules : public QObject {
    Q_OBJECT
private slots:
    // The tolerances the window's rows do not show (brown, gold, silver and three bands they do).
    void tolerances_data()
    {
        QTest::addColumn<Colour>("band"); // the fifth, after brown, black, black, black
        QTest::addColumn<QString>("tolerance"); // empty: no tolerance colour, the caption is kept
        for (const auto &[band, text] : { std::pair { red, "±2 %" }, { green, "±0.5 %" }, { blue, "±0.25 %" },
                 { violet, "±0.1 %" }, { grey, "±0.05 %" }, { orange, "" } })
            QTest::newRow(text) << band << QString(text);
    }
    void tolerances()
    {
        QFETCH(Colour, band);
        const BandBytes codeValues { { 1, 0, 0, 0, std::uint8_t(int(band) - 1) } }; // black is 0 in the code
        QTEST(readBands(5, codeValues, QStringLiteral(",")).tolerance.value_or(QString()), "tolerance");
    }

    // Every state the buttons offer (first digit brown to white, the others black to white, any multiplier):
    // the digits times ten to the multiplier's place in the code (gold 10^-1, silver 10^-2) ohms, in the
    // largest unit (a power of a thousand) not above the first digit's place, written with a comma; the
    // marking writes the digits with the unit's letter where the decimal point falls. Only five bands with a
    // yellow multiplier write mega in lower case.
    void everyValueTheButtonsOffer()
    {
        const QStringList units { "ohmů", "kiloohmů", "Megaohmů", "Gigaohmů" }, letters { "R", "K", "M", "G" };
        for (int bandCount = 3; bandCount <= 5; ++bandCount) {
            const int digitBands = bandCount == 5 ? 3 : 2, first = digitBands == 3 ? 100 : 10;
            for (int digits = first; digits < 10 * first; ++digits)
                for (int multiplier = 0; multiplier < 12; ++multiplier) {
                    const QString digitText = QString::number(digits);
                    BandBytes v {};
                    for (int band = 1; band <= digitBands; ++band)
                        v[band] = std::uint8_t(digitText[band - 1].digitValue());
                    v[digitBands + 1] = std::uint8_t(multiplier);
                    const Readout r = readBands(bandCount, v, QStringLiteral(","));
                    const int power = multiplier <= 9 ? multiplier : 9 - multiplier;
                    const int unit = std::max(0, (power + digitBands - 1) / 3), exponent = power - 3 * unit;
                    const QString word = bandCount == 5 && multiplier == 4 ? "megaohmů" : units[unit];
                    QCOMPARE(*r.value,
                        QString::number(digits * std::pow(10.0, exponent), 'g', 6).replace(u'.', u',') + u' '
                            + word);
                    const QString padded = digitText + QString(std::max(exponent, 0), u'0');
                    QCOMPARE(
                        *r.marking, QString(padded).insert(padded.size() + std::min(exponent, 0), letters[unit]));
                }
        }
    }

    void readNumber_data()
    {
        QTest::addColumn<Reading>("row");
        for (const Reading &row : std::initializer_list<Reading> {
                 { "blank, tab and line feed ignored anywhere", "\t4 \n7", { 47 }, "47" },
                 { "plus sign and a bare fraction", "+.5", { 5, -1 }, "0,5" },
                 { "two signs read 0", "+-5", {}, "0" },
                 { "second period stops", "1.2.3", { 12, -1 }, "1,2" },
                 { "signed E, eight digits written as seven", "1.0500001E+13", { 10500001, 6 }, "1,05E+13" },
                 { "D with a negative exponent, leading zeros", "-1d-4", { -1, -4 }, "-0,0001" },
                 { "E without digits is no exponent", "1E-", { 1 }, "1" },
                 { "the last hexadecimal digit in either case", "&hfF", { 255 }, "255" },
                 { "octal reads through a zero, stops at 8", "&O108", { 8 }, "8" },
                 { "unknown radix reads 0", "&B1", {}, "0" },
             })
            QTest::newRow(row.tag) << row;
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
                 { "012 keeps the multiplier's unit", three, "012", "0,1 kiloohmu" },
                 { "842", three, "842", "8,4 kiloohmu" },
                 { "47x: a letter multiplier reads 0", three, "47x", "47 ohmu" },
                 { "-12", three, "-12", "-0,1 kiloohmu" },
                 { "003", three, "003", "0 kiloohmu" },
                 { "2204", four, "2204", "2,2 megaohmu" },
                 { "1.52: the period is a decimal point", four, "1.52", "0,15 kiloohmu" },
                 { "1,52: a comma is none", four, "1,52", "0,1 kiloohmu" },
                 { "9999", four, "9999", "999 gigaohmu" },
                 // R stands for the decimal point of a value in ohms when it is the code's one letter.
                 { "4R7", three, "4R7", "4,7 ohmu" },
                 { "R47", three, "R47", "0,47 ohmu" },
                 { "4r7: r in lower case too", three, "4r7", "4,7 ohmu" },
                 { "4R75 in the four-character box", four, "4R75", "4,75 ohmu" },
                 { "100R: R last", four, "100R", "100 ohmu" },
                 { "two R are no R-notation", four, "1R2R", "1 ohmu" },
                 { "4R7J: another letter besides R is none", four, "4R7J", "4 ohmu" },
                 // Characters are counted as code points, and a lone surrogate is one of its own.
                 { "an emoji (two UTF-16 units) is one character", three, "4😀2", "0,4 kiloohmu" },
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

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
