#pragma once

#include <QString>

#include <cstdint>

namespace barvoznak {

// An exact decimal number, mantissa × 10^exponent. Every value the program shows is a short digit string
// scaled by a power of ten, so keeping it in this form avoids binary floating-point noise (4,7000000001).
struct Decimal {
    std::int64_t mantissa = 0;
    int exponent = 0;

    friend bool operator==(const Decimal &, const Decimal &) = default;
};

// The same value without trailing zeros in its mantissa, moved into the exponent; zero is {0, 0}.
Decimal withoutTrailingZeros(Decimal value);

// Writes a value as the program shows it: no digit grouping, no trailing zeros in the fraction, no
// separator when whole, a 0 before the separator below one, a leading minus when negative. Magnitudes of
// 10^7 and more are written in scientific form (mantissa of at most seven significant digits, "E", the
// exponent's sign and at least two digits: 1E+07, 1,5E+08).
QString writeNumber(Decimal value, const QString &decimalSeparator);

// The user's regional decimal separator (a comma on a Czech system).
QString localeDecimalSeparator();

} // namespace barvoznak
