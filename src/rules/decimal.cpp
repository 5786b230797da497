#include "decimal.h"

#include <QLocale>

#include <string>

namespace barvoznak {

namespace {

// Digits of |mantissa| (unsigned, so INT64_MIN is safe) without trailing zeros moved into the exponent.
struct Digits {
    std::string text;
    int exponent = 0; // value = text × 10^exponent
};

Digits normalise(Decimal value)
{
    std::uint64_t magnitude = value.mantissa < 0 ? 0 - static_cast<std::uint64_t>(value.mantissa)
                                                 : static_cast<std::uint64_t>(value.mantissa);
    Digits d;
    d.exponent = value.exponent;
    if (magnitude == 0)
        return { "0", 0 };
    while (magnitude % 10 == 0) {
        magnitude /= 10;
        ++d.exponent;
    }
    d.text = std::to_string(magnitude);
    return d;
}

// Rounds to at most `keep` significant digits, half away from zero, as a mantissa shown to users is.
void roundToSignificant(Digits &d, std::size_t keep)
{
    if (d.text.size() <= keep)
        return;
    const bool up = d.text[keep] >= '5';
    d.exponent += static_cast<int>(d.text.size() - keep);
    d.text.resize(keep);
    if (up) {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && d.text[i] == '9') {
            d.text[i] = '0';
            --i;
        }
        if (i < 0)
            d.text.insert(d.text.begin(), '1');
        else
            ++d.text[i];
    }
    while (d.text.size() > 1 && d.text.back() == '0') {
        d.text.pop_back();
        ++d.exponent;
    }
}

} // namespace

QString writeNumber(Decimal value, const QString &decimalSeparator)
{
    Digits d = normalise(value);
    const bool negative = value.mantissa < 0;
    // Position of the decimal point counted from the left end of the digit string.
    const long long pointAt = static_cast<long long>(d.text.size()) + d.exponent;

    std::string out;
    if (negative)
        out += '-';

    if (pointAt > 7) {
        roundToSignificant(d, 7);
        const long long e = static_cast<long long>(d.text.size()) - 1 + d.exponent;
        out += d.text[0];
        QString result = QString::fromStdString(out);
        if (d.text.size() > 1)
            result += decimalSeparator + QString::fromStdString(d.text.substr(1));
        const std::string exp = std::to_string(e);
        result += QStringLiteral("E+") + (exp.size() < 2 ? QStringLiteral("0") : QString())
            + QString::fromStdString(exp);
        return result;
    }

    if (d.exponent >= 0) {
        out += d.text;
        out.append(static_cast<std::size_t>(d.exponent), '0');
        return QString::fromStdString(out);
    }

    std::string whole, fraction;
    if (pointAt <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-pointAt), '0') + d.text;
    } else {
        whole = d.text.substr(0, static_cast<std::size_t>(pointAt));
        fraction = d.text.substr(static_cast<std::size_t>(pointAt));
    }
    out += whole;
    return QString::fromStdString(out) + decimalSeparator + QString::fromStdString(fraction);
}

QString localeDecimalSeparator() { return QLocale().decimalPoint(); }

} // namespace barvoznak
