// Feeds any text to the SMD code boxes' rules, as the window does: cut back to the code's length, then
// decode, in both code forms and with both decimal separators.

#include "fuzzchecks.h"
#include "rules/smdcode.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

using namespace barvoznak;
using namespace fuzzchecks;

namespace {

constexpr smd::CodeForm kForms[] = { smd::CodeForm::ThreeChar, smd::CodeForm::FourChar };

const QString &separator(int i)
{
    static const QString separators[] = { QStringLiteral(","), QStringLiteral(".") };
    return separators[i];
}

void checkCaption(
    QStringView code, const std::optional<QString> &caption, smd::CodeForm form, const QString &decimalSeparator)
{
    // A code of any other length keeps the last result: nothing to show.
    const bool fullLength = codePoints(code) == smd::codeLength(form);
    require(caption.has_value() == fullLength, "decode answers exactly for a full-length code", code,
        caption.value_or(QString()));
    if (caption)
        require(
            isNumberWithUnit(*caption, decimalSeparator, { u" ohmu", u" kiloohmu", u" megaohmu", u" gigaohmu" }),
            "caption is a written number and one unit word", code, *caption);
}

void checkCutBack(const QString &text, const QString &cut, smd::CodeForm form)
{
    const qsizetype length = smd::codeLength(form);
    require(text.startsWith(cut), "cutBack keeps the beginning of the text", text, cut);
    require(codePoints(cut) == std::min(length, codePoints(text)),
        "cutBack keeps the first code-length characters", text, cut);
    for (qsizetype i = 0; i < cut.size(); ++i)
        require(
            !loneSurrogateAt(cut, i) || loneSurrogateAt(text, i), "cutBack splits no surrogate pair", text, cut);
}

void checkReadNumber(const QString &text)
{
    const Decimal d = smd::readNumber(text);
    const bool normal = d.mantissa == 0 ? d.exponent == 0 : d.mantissa % 10 != 0;
    require(normal && d.exponent >= -100000 && d.exponent <= 100000,
        "readNumber gives no trailing zeros and a bounded exponent", text,
        QString::number(d.mantissa) + u'e' + QString::number(d.exponent));
}

void checkText(const QString &text)
{
    checkReadNumber(text);
    for (const smd::CodeForm form : kForms) {
        const QString cut = smd::cutBack(text, form);
        checkCutBack(text, cut, form);
        for (int s = 0; s < 2; ++s) {
            checkCaption(cut, smd::decode(cut, form, separator(s)), form, separator(s));
            // decode is also a function of its own: any length goes in, only a full-length code comes out.
            checkCaption(text, smd::decode(text, form, separator(s)), form, separator(s));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The same bytes as UTF-8 (what typing and pasting give) and as raw UTF-16 code units, where lone and
    // reversed surrogates occur that no UTF-8 decoding produces.
    checkText(QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * 2);
    checkText(units);
    return 0;
}
