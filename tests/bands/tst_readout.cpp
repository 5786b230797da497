#include "bands/colorcode.h"
#include "bands/readout.h"

#include <QTest>

using namespace barvoznak;
using namespace barvoznak::bands;

namespace {

int colorByName(const QString &name)
{
    for (int c = 1; c <= kColorCount; ++c)
        if (name == QLatin1String(kColors[static_cast<std::size_t>(c - 1)].name))
            return c;
    return 0;
}

// Band values from colour names, listed from band 1; missing bands stay black.
std::array<std::uint8_t, 5> values(const QString &colours)
{
    std::array<std::uint8_t, 5> v {};
    const QStringList names = colours.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int i = 0; i < names.size(); ++i)
        v[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(colorByName(names[i].trimmed()) - 1);
    return v;
}

// Exact decimal in lowest terms, for comparing values written in different ways.
Decimal reduced(Decimal d)
{
    if (d.mantissa == 0)
        return { 0, 0 };
    while (d.mantissa % 10 == 0) {
        d.mantissa /= 10;
        ++d.exponent;
    }
    return d;
}

// Reads "4,7" or "4K7": digits with one separator or letter standing for the decimal point.
Decimal parseWithPoint(const QString &text, QChar point)
{
    Decimal d;
    bool fraction = false;
    for (QChar ch : text) {
        if (ch == point) {
            fraction = true;
        } else {
            d.mantissa = d.mantissa * 10 + ch.digitValue();
            if (fraction)
                --d.exponent;
        }
    }
    return reduced(d);
}

int unitExponent(const QString &unitWord)
{
    if (unitWord == QStringLiteral(" ohmů"))
        return 0;
    if (unitWord == QStringLiteral(" kiloohmů"))
        return 3;
    if (unitWord == QStringLiteral(" Megaohmů") || unitWord == QStringLiteral(" megaohmů"))
        return 6;
    if (unitWord == QStringLiteral(" Gigaohmů"))
        return 9;
    return -1000;
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
    void colourTable();
};

void TestReadout::workedExamples_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");

    QTest::newRow("start state") << 5 << "brown,black,black,black,brown"
                                 << "100R"
                                 << "100 ohmů"
                                 << "±1 %";
    QTest::newRow("4k7 gold") << 4 << "yellow,violet,red,gold"
                              << "4K7"
                              << "4,7 kiloohmů"
                              << "±5 %";
    QTest::newRow("8k4 silver") << 4 << "grey,yellow,red,silver"
                                << "8K4"
                                << "8,4 kiloohmů"
                                << "±10 %";
    QTest::newRow("three bands smallest") << 3 << "brown,black,silver"
                                          << "R10"
                                          << "0,1 ohmů"
                                          << "±20 %";
    QTest::newRow("three bands largest") << 3 << "white,white,white"
                                         << "99G"
                                         << "99 Gigaohmů"
                                         << "±20 %";
    QTest::newRow("five bands smallest") << 5 << "brown,black,black,silver,red"
                                         << "1R00"
                                         << "1 ohmů"
                                         << "±2 %";
    QTest::newRow("lower-case mega row") << 5 << "red,red,black,yellow,brown"
                                         << "2M20"
                                         << "2,2 megaohmů"
                                         << "±1 %";
    QTest::newRow("five bands largest") << 5 << "white,white,white,white,grey"
                                        << "999G"
                                        << "999 Gigaohmů"
                                        << "±0.05 %";
    QTest::newRow("four bands 100R") << 4 << "brown,black,brown,brown"
                                     << "100R"
                                     << "100 ohmů"
                                     << "±1 %";
    QTest::newRow("five to three bands") << 3 << "brown,black,red"
                                         << "1K0"
                                         << "1 kiloohmů"
                                         << "±20 %";
    QTest::newRow("gold multiplier") << 4 << "brown,black,gold,gold"
                                     << "1R0"
                                     << "1 ohmů"
                                     << "±5 %";
    QTest::newRow("five bands gold") << 5 << "brown,black,black,gold,green"
                                     << "10R0"
                                     << "10 ohmů"
                                     << "±0.5 %";
    QTest::newRow("five bands 1K00") << 5 << "brown,black,black,brown,blue"
                                     << "1K00"
                                     << "1 kiloohmů"
                                     << "±0.25 %";
    QTest::newRow("five bands 12K3") << 5 << "brown,red,orange,red,violet"
                                     << "12K3"
                                     << "12,3 kiloohmů"
                                     << "±0.1 %";
    QTest::newRow("five bands silver fraction") << 5 << "brown,red,orange,silver,brown"
                                                << "1R23"
                                                << "1,23 ohmů"
                                                << "±1 %";
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
    QTest::newRow("three bands") << 3;
    QTest::newRow("four bands") << 4;
    QTest::newRow("five bands") << 5;
}

// Every state the buttons of a mode can make: the marking, the value and the colour-code arithmetic
// (digits times the multiplier, in ohms) must tell the same resistance.
void TestReadout::everyCombinationAgrees()
{
    QFETCH(int, bandCount);
    const int digitBands = bandCount == 5 ? 3 : 2;
    const int multiplierBand = digitBands + 1;
    int checked = 0;

    std::array<int, 5> c { 1, 1, 1, 1, 1 };
    const auto shown = [&](int band) { return band > bandCount || buttonShown(bandCount, band, c[band - 1]); };
    for (c[0] = 1; c[0] <= kColorCount; ++c[0]) {
        for (c[1] = 1; c[1] <= kColorCount; ++c[1]) {
            for (c[2] = 1; c[2] <= kColorCount; ++c[2]) {
                for (c[3] = 1; c[3] <= (bandCount >= 4 ? kColorCount : 1); ++c[3]) {
                    for (c[4] = 1; c[4] <= (bandCount == 5 ? kColorCount : 1); ++c[4]) {
                        if (!(shown(1) && shown(2) && shown(3) && shown(4) && shown(5)))
                            continue;
                        std::array<std::uint8_t, 5> v {};
                        for (int i = 0; i < 5; ++i)
                            v[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c[i] - 1);
                        const Readout r = readBands(bandCount, v, QStringLiteral(","));
                        QVERIFY(r.value && r.marking && r.tolerance);

                        std::int64_t digits = 0;
                        for (int i = 0; i < digitBands; ++i)
                            digits = digits * 10 + v[static_cast<std::size_t>(i)];
                        const int code = v[static_cast<std::size_t>(multiplierBand - 1)];
                        const int power = code <= 9 ? code : 9 - code; // gold 10^-1, silver 10^-2
                        const Decimal ohms = reduced({ digits, power });

                        const int unit = unitExponent(r.unitWord);
                        QVERIFY2(unit >= 0, qPrintable(r.unitWord));
                        const Decimal inUnit = reduced(r.valueInUnit);
                        QCOMPARE(reduced({ inUnit.mantissa, inUnit.exponent + unit }), ohms);

                        const QString number = r.value->left(r.value->size() - r.unitWord.size());
                        QCOMPARE(*r.value, number + r.unitWord);
                        QCOMPARE(parseWithPoint(number, QLatin1Char(',')), inUnit);

                        // The letter of the marking stands where the decimal point falls and names the unit.
                        const QString letters = QStringLiteral("RKMG");
                        const QString &m = *r.marking;
                        qsizetype at = -1;
                        for (qsizetype i = 0; i < m.size(); ++i)
                            if (letters.contains(m[i]))
                                at = i;
                        QVERIFY2(at >= 0, qPrintable(m));
                        QCOMPARE(letters.indexOf(m[at]) * 3, unit);
                        QCOMPARE(parseWithPoint(m, m[at]), inUnit);
                        ++checked;
                    }
                }
            }
        }
    }
    const int expected[] = { 0, 0, 0, 9 * 10 * 12, 9 * 10 * 12 * 8, 9 * 10 * 10 * 12 * 8 };
    QCOMPARE(checked, expected[bandCount]);
}

void TestReadout::tolerance_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("black") << 0 << QString();
    QTest::newRow("brown") << 1 << "±1 %";
    QTest::newRow("red") << 2 << "±2 %";
    QTest::newRow("orange") << 3 << QString();
    QTest::newRow("yellow") << 4 << QString();
    QTest::newRow("green") << 5 << "±0.5 %";
    QTest::newRow("blue") << 6 << "±0.25 %";
    QTest::newRow("violet") << 7 << "±0.1 %";
    QTest::newRow("grey") << 8 << "±0.05 %";
    QTest::newRow("white") << 9 << QString();
    QTest::newRow("gold") << 10 << "±5 %";
    QTest::newRow("silver") << 11 << "±10 %";
    QTest::newRow("beyond the table") << 200 << QString();
}

// The tolerance keeps its period whatever the decimal separator is.
void TestReadout::tolerance()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(toleranceText(code).value_or(QString()), text);
    std::array<std::uint8_t, 5> v { 1, 0, 0, 0, static_cast<std::uint8_t>(code) };
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

void TestReadout::colourTable()
{
    // Spot checks against the paint values as 0x00BBGGRR.
    QCOMPARE(colorInfo(kBrown).value, 0x0040C0u);
    QCOMPARE(colorInfo(kGold).value, 0x40CBE3u);
    QCOMPARE(colorInfo(kSilver).value, 0xC0C0C0u);
    int buttons = 0;
    for (int band = 1; band <= 5; ++band)
        for (int c = 1; c <= kColorCount; ++c)
            buttons += buttonExists(band, c);
    QCOMPARE(buttons, 51);
    const int shownPerMode[] = { 31, 39, 49 };
    for (int mode = 3; mode <= 5; ++mode) {
        int shown = 0;
        for (int band = 1; band <= 5; ++band)
            for (int c = 1; c <= kColorCount; ++c)
                shown += buttonShown(mode, band, c);
        QCOMPARE(shown, shownPerMode[mode - 3]);
    }
}

QTEST_GUILESS_MAIN(TestReadout)
#include "tst_readout.moc"
