#include "readout.h"

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

struct ToleranceRow {
    int code;
    const char *text;
};

constexpr std::array<ToleranceRow, 8> kTolerances { {
    { 1, "±1 %" },
    { 2, "±2 %" },
    { 5, "±0.5 %" },
    { 6, "±0.25 %" },
    { 7, "±0.1 %" },
    { 8, "±0.05 %" },
    { 10, "±5 %" },
    { 11, "±10 %" },
} };

// Three bands carry no tolerance band, which the colour code reads as ±20 %.
constexpr const char *kNoToleranceBand = "±20 %";

} // namespace

std::optional<QString> toleranceText(int code)
{
    for (const auto &row : kTolerances)
        if (row.code == code)
            return QString::fromUtf8(row.text);
    return std::nullopt;
}

Readout readBands(int bandCount, const std::array<std::uint8_t, 5> &bandValue, const QString &decimalSeparator)
{
    Readout r;
    int digitCount = 0;
    int multiplierBand = 0;
    int toleranceBand = 0;
    const MultiplierRow *rows = nullptr;
    switch (bandCount) {
    case 3:
        digitCount = 2, multiplierBand = 3, rows = kTwoDigitRows.data();
        r.tolerance = QString::fromUtf8(kNoToleranceBand);
        break;
    case 4:
        digitCount = 2, multiplierBand = 3, toleranceBand = 4, rows = kTwoDigitRows.data();
        break;
    case 5:
        digitCount = 3, multiplierBand = 4, toleranceBand = 5, rows = kThreeDigitRows.data();
        break;
    default:
        return r;
    }
    if (toleranceBand != 0)
        r.tolerance = toleranceText(bandValue[static_cast<std::size_t>(toleranceBand - 1)]);

    const int multiplier = bandValue[static_cast<std::size_t>(multiplierBand - 1)];
    if (multiplier >= static_cast<int>(kTwoDigitRows.size()))
        return r;
    const MultiplierRow &row = rows[multiplier];

    QString digits[3];
    QString digitText;
    for (int i = 0; i < digitCount; ++i) {
        digits[i] = QString::number(bandValue[static_cast<std::size_t>(i)]);
        digitText += digits[i];
    }

    QString marking;
    for (const char *p = row.marking; *p; ++p) {
        if (*p >= '1' && *p <= '3')
            marking += digits[*p - '1'];
        else
            marking += QLatin1Char(*p);
    }
    r.marking = marking;

    r.valueInUnit = Decimal { digitText.toLongLong(), row.exponent };
    r.unitWord = QString::fromUtf8(row.unitWord);
    r.value = writeNumber(r.valueInUnit, decimalSeparator) + r.unitWord;
    return r;
}

} // namespace barvoznak::bands
