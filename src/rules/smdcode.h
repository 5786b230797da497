#pragma once

#include "rules/decimal.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace barvoznak::smd {

// Reads the longest leading number of the text, ignoring blanks, tabs and line feeds anywhere: an optional
// sign, digits with at most one period and an optional E/D exponent, or &H / &O digits. No number reads 0.
// The result has no trailing zeros in its mantissa (zero is {0, 0}); exponents are held within ±100000.
Decimal readNumber(QStringView text);

// The three-character code (two digits and a multiplier) and the four-character code (three and one).
enum class CodeForm { ThreeChar, FourChar };

// Number of characters a full code of this form has: 3 or 4.
int codeLength(CodeForm form);

// The first codeLength characters of a longer text, else the text unchanged. Never splits a surrogate pair.
QString cutBack(const QString &text, CodeForm form);

// The caption for a full-length code ("4,7 kiloohmu"); std::nullopt when the code is shorter or longer,
// so the caller keeps showing its last result.
std::optional<QString> decode(QStringView code, CodeForm form, const QString &decimalSeparator);

} // namespace barvoznak::smd
