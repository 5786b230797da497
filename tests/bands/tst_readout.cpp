#include "bands/colorcode.h"
#include "bands/readout.h"

#include <QTest>

#include <cmath>

using namespace barvoznak::bands;

namespace {

// One table row on one line; C strings fill QString columns as UTF-8.
template <typename... Cells> void row(const char *tag, Cells... cells) { (QTest::newRow(tag) << ... << cells); }

// Band values from colour names, listed from band 1; missing bands stay black.
std::array<std::uint8_t, 5> values(const QString &colours)
{
    std::array<std::uint8_t, 5> v {};
    for (std::size_t band = 0; const QString &name : colours.split(QLatin1Char(',')))
        for (std::uint8_t code = 0; code < kColorCount; ++code)
            if (name == QLatin1String(kColors[code].name))
                v[band++] = code;
    return v;
}

} // namespace

class TestReadout : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void everyCombinationAgrees_data();
    void everyCombinationAgrees();
    void tolerance_data();
    void tolerance();
    void outOfTableStateKeepsCaptions();
};

void TestReadout::workedExamples_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");
    row("start state", 5, "brown,black,black,black,brown", "100R", "100 ohmů", "±1 %");
    row("4k7 gold", 4, "yellow,violet,red,gold", "4K7", "4,7 kiloohmů", "±5 %");
    row("8k4 silver", 4, "grey,yellow,red,silver", "8K4", "8,4 kiloohmů", "±10 %");
    row("three bands smallest", 3, "brown,black,silver", "R10", "0,1 ohmů", "±20 %");
    row("three bands largest", 3, "white,white,white", "99G", "99 Gigaohmů", "±20 %");
    row("five bands smallest", 5, "brown,black,black,silver,red", "1R00", "1 ohmů", "±2 %");
    row("lower-case mega row", 5, "red,red,black,yellow,brown", "2M20", "2,2 megaohmů", "±1 %");
    row("five bands largest", 5, "white,white,white,white,grey", "999G", "999 Gigaohmů", "±0.05 %");
    row("four bands 100R", 4, "brown,black,brown,brown", "100R", "100 ohmů", "±1 %");
    row("five to three bands", 3, "brown,black,red", "1K0", "1 kiloohmů", "±20 %");
    row("gold multiplier", 4, "brown,black,gold,gold", "1R0", "1 ohmů", "±5 %");
    row("five bands gold", 5, "brown,black,black,gold,green", "10R0", "10 ohmů", "±0.5 %");
    row("five bands 1K00", 5, "brown,black,black,brown,blue", "1K00", "1 kiloohmů", "±0.25 %");
    row("five bands 12K3", 5, "brown,red,orange,red,violet", "12K3", "12,3 kiloohmů", "±0.1 %");
    row("five bands silver fraction", 5, "brown,red,orange,silver,brown", "1R23", "1,23 ohmů", "±1 %");
}

void TestReadout::workedExamples()
{
    QFETCH(int, bandCount);
    QFETCH(QString, bands);
    QFETCH(QString, marking);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    const Readout r = readBands(bandCount, values(bands), QStringLiteral(","));
    QCOMPARE(r.marking.value_or(QString()), marking);
    QCOMPARE(r.value.value_or(QString()), value);
    QCOMPARE(r.tolerance.value_or(QString()), tolerance);
}

void TestReadout::everyCombinationAgrees_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("states");
    QTest::newRow("three bands") << 3 << 31 << 9 * 10 * 12;
    QTest::newRow("four bands") << 4 << 39 << 9 * 10 * 12 * 8;
    QTest::newRow("five bands") << 5 << 49 << 9 * 10 * 10 * 12 * 8;
}

// Every state the buttons of a mode can make (of the 51 buttons there are): the marking, the value and the
// colour-code arithmetic (digits times the multiplier, in ohms) must tell the same resistance.
void TestReadout::everyCombinationAgrees()
{
    QFETCH(int, bandCount);
    QFETCH(int, buttons);
    QFETCH(int, states);
    int exist = 0, shownButtons = 0;
    for (int band = 1; band <= 5; ++band)
        for (int c = 1; c <= kColorCount; ++c)
            exist += buttonExists(band, c), shownButtons += buttonShown(bandCount, band, c);
    QCOMPARE(exist, 51);
    QCOMPARE(shownButtons, buttons);
    const int digitBands = bandCount == 5 ? 3 : 2;
    int checked = 0;
    for (int n = 0; n < 12 * 12 * 12 * 12 * 12; ++n) {
        std::array<std::uint8_t, 5> v {};
        bool shown = true;
        for (int band = 1, rest = n; band <= 5; ++band, rest /= 12) {
            v[static_cast<std::size_t>(band - 1)] = static_cast<std::uint8_t>(rest % 12);
            shown = shown && (band > bandCount ? rest % 12 == 0 : buttonShown(bandCount, band, rest % 12 + 1));
        }
        if (!shown)
            continue;
        ++checked;
        const Readout r = readBands(bandCount, v, QStringLiteral(","));
        QVERIFY(r.value && r.marking && r.tolerance);
        double ohms = 0;
        for (int i = 0; i < digitBands; ++i)
            ohms = ohms * 10 + v[static_cast<std::size_t>(i)];
        const int code = v[static_cast<std::size_t>(digitBands)];
        ohms *= std::pow(10.0, code <= 9 ? code : 9 - code); // gold 10^-1, silver 10^-2
        const QString word = r.value->section(QLatin1Char(' '), 1).toLower();
        const int unit = 3 * int(QStringList { "ohmů", "kiloohmů", "megaohmů", "gigaohmů" }.indexOf(word));
        const double value
            = r.value->section(QLatin1Char(' '), 0, 0).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        QVERIFY2(unit >= 0 && qFuzzyCompare(value * std::pow(10.0, unit), ohms), qPrintable(*r.value));
        // The letter of the marking stands where the decimal point falls and names the unit.
        QString m = *r.marking;
        const QString letter = QString(m).removeIf([](QChar ch) { return ch.isDigit(); });
        QCOMPARE(3 * int(QStringList { "R", "K", "M", "G" }.indexOf(letter)), unit);
        QVERIFY2(qFuzzyCompare(m.replace(letter, QStringLiteral(".")).toDouble() * std::pow(10.0, unit), ohms),
            qPrintable(*r.marking));
    }
    QCOMPARE(checked, states);
}

void TestReadout::tolerance_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const char *texts[kColorCount]
        = { "", "±1 %", "±2 %", "", "", "±0.5 %", "±0.25 %", "±0.1 %", "±0.05 %", "", "±5 %", "±10 %" };
    for (int code = 0; code < kColorCount; ++code)
        QTest::newRow(kColors[static_cast<std::size_t>(code)].name) << code << QString::fromUtf8(texts[code]);
    QTest::newRow("beyond the table") << 200 << QString();
}

// The tolerance keeps its period whatever the decimal separator is; a colour without a tolerance keeps the
// caption.
void TestReadout::tolerance()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(toleranceText(code).value_or(QString()), text);
    const std::array<std::uint8_t, 5> v { 1, 0, 0, 0, static_cast<std::uint8_t>(code) };
    QCOMPARE(readBands(5, v, QStringLiteral(",")).tolerance.value_or(QString()), text);
}

void TestReadout::outOfTableStateKeepsCaptions()
{
    const Readout noMultiplier = readBands(5, { 1, 0, 0, 12, 1 }, QStringLiteral(","));
    QVERIFY(!noMultiplier.value && !noMultiplier.marking);
    QCOMPARE(noMultiplier.tolerance.value_or(QString()), QStringLiteral("±1 %"));
    const Readout noMode = readBands(6, { 1, 0, 0, 0, 1 }, QStringLiteral(","));
    QVERIFY(!noMode.value && !noMode.marking && !noMode.tolerance);
    // A two-character "digit" is written as it stands and never read past.
    const Readout wide = readBands(5, { 255, 255, 255, 0, 1 }, QStringLiteral(","));
    QCOMPARE(wide.marking.value_or(QString()), QStringLiteral("255255255R"));
    QCOMPARE(wide.value.value_or(QString()), QStringLiteral("2,552553E+08 ohmů"));
}

QTEST_GUILESS_MAIN(TestReadout)
#include "tst_readout.moc"
