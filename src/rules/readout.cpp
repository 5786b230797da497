#include "readout.h"

#include "rules/colorcode.h"

namespace barvoznak::bands {

namespace {

// One multiplier row: the power of ten that brings the digits into the unit, the unit word (with its
// leading blank) and the short marking, where '1', '2', '3' stand for the significant digits.
struct MultiplierRow {
    int exponent;
    const char *unitWord;
    const char *marking;
};

constexpr std::array<MultiplierRow, 12> kTwoDigitRows { {
    { 0, " ohmů", "12R" },
    { 1, " ohmů", "120R" },
    { -1, " kiloohmů", "1K2" },
    { 0, " kiloohmů", "12K" },
    { 1, " kiloohmů", "120K" },
    { -1, " Megaohmů", "1M2" },
    { 0, " Megaohmů", "12M" },
    { 1, " Megaohmů", "120M" },
    { -1, " Gigaohmů", "1G2" },
    { 0, " Gigaohmů", "12G" },
    { -1, " ohmů", "1R2" },
    { -2, " ohmů", "R12" },
} };

constexpr std::array<MultiplierRow, 12> kThreeDigitRows { {
    { 0, " ohmů", "123R" },
    { -2, " kiloohmů", "1K23" },
    { -1, " kiloohmů", "12K3" },
    { 0, " kiloohmů", "123K" },
    { -2, " megaohmů", "1M23" },
    { -1, " Megaohmů", "12M3" },
    { 0, " Megaohmů", "123M" },
    { -2, " Gigaohmů", "1G23" },
    { -1, " Gigaohmů", "12G3" },
    { 0, " Gigaohmů", "123G" },
    { -1, " ohmů", "12R3" },
    { -2, " ohmů", "1R23" },
} };

// Three bands carry no tolerance band, which the colour code reads as ±20 %.
constexpr const char *kNoToleranceBand = "±20 %";

} // namespace

Readout readBands(int bandCount, const BandBytes &bandValue, const QString &decimalSeparator)
{
    // Per band count: how many digit bands, where the multiplier and the tolerance stand (0: no tolerance
    // band, read as the colour code's ±20 %), and the multiplier table.
    struct Mode {
        int digitCount;
        int multiplierBand;
        int toleranceBand;
        const std::array<MultiplierRow, 12> &rows;
    };
    static const std::array<Mode, 3> kModes { {
        { 2, 3, 0, kTwoDigitRows },
        { 2, 3, 4, kTwoDigitRows },
        { 3, 4, 5, kThreeDigitRows },
    } };
    Readout r;
    if (bandCount < 3 || bandCount > 5)
        return r;
    const Mode &mode = kModes[static_cast<std::size_t>(bandCount - 3)];
    // The band's colour is its code value plus 1.
    if (const char *tolerance
        = mode.toleranceBand == 0 ? kNoToleranceBand : toleranceOf(bandValue[mode.toleranceBand] + 1))
        r.tolerance = QString::fromUtf8(tolerance);

    const std::size_t multiplier = bandValue[mode.multiplierBand];
    if (multiplier >= mode.rows.size())
        return r;
    const MultiplierRow &row = mode.rows[multiplier];

    QString digits[3];
    QString digitText;
    for (int band = 1; band <= mode.digitCount; ++band) {
        digits[band - 1] = QString::number(bandValue[band]);
        digitText += digits[band - 1];
    }

    QString marking;
    for (const char *p = row.marking; *p; ++p) {
        if (*p >= '1' && *p <= '3')
            marking += digits[*p - '1'];
        else
            marking += QLatin1Char(*p);
    }
    r.marking = marking;
    r.value = writeNumber(Decimal { digitText.toLongLong(), row.exponent }, decimalSeparator)
        + QString::fromUtf8(row.unitWord);
    return r;
}

} // namespace barvoznak::bands
