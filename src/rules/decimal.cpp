#include "decimal.h"

#include <QLocale>

#include <string>

namespace barvoznak {

Decimal withoutTrailingZeros(Decimal value)
{
    if (value.mantissa == 0)
        return {};
    while (value.mantissa % 10 == 0) {
        value.mantissa /= 10;
        ++value.exponent;
    }
    return value;
}

QString writeNumber(Decimal value, const QString &decimalSeparator)
{
    const Decimal v = withoutTrailingZeros(value);
    const QString sign = v.mantissa < 0 ? QStringLiteral("-") : QString();
    // Unsigned, so that the magnitude of INT64_MIN is safe.
    std::uint64_t magnitude
        = v.mantissa < 0 ? 0 - static_cast<std::uint64_t>(v.mantissa) : static_cast<std::uint64_t>(v.mantissa);
    std::string digits = std::to_string(magnitude);
    // Position of the decimal point counted from the left end of the digits.
    const long long pointAt = static_cast<long long>(digits.size()) + v.exponent;

    if (pointAt > 7) {
        // At most seven significant digits, rounded half away from zero on the first digit dropped.
        int exponent = v.exponent;
        std::uint64_t dropped = 0;
        for (; magnitude >= 10'000'000; ++exponent) {
            dropped = magnitude % 10;
            magnitude /= 10;
        }
        const Decimal rounded
            = withoutTrailingZeros({ static_cast<std::int64_t>(magnitude + (dropped >= 5 ? 1 : 0)), exponent });
        digits = std::to_string(rounded.mantissa);
        QString result = sign + QLatin1Char(digits[0]);
        if (digits.size() > 1)
            result += decimalSeparator + QString::fromStdString(digits.substr(1));
        const std::string e = std::to_string(static_cast<long long>(digits.size()) - 1 + rounded.exponent);
        return result + QStringLiteral("E+") + (e.size() < 2 ? QStringLiteral("0") : QString())
            + QString::fromStdString(e);
    }

    if (v.exponent >= 0)
        return sign + QString::fromStdString(digits) + QString(v.exponent, u'0');
    if (pointAt <= 0)
        return sign + QLatin1Char('0') + decimalSeparator + QString(-pointAt, u'0')
            + QString::fromStdString(digits);
    const auto point = static_cast<std::size_t>(pointAt);
    return sign + QString::fromStdString(digits.substr(0, point)) + decimalSeparator
        + QString::fromStdString(digits.substr(point));
}

QString localeDecimalSeparator() { return QLocale().decimalPoint(); }

} // namespace barvoznak
