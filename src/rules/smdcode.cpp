#include "smdcode.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace barvoznak::smd {

namespace {

// Unit words with their leading blank, UTF-8; each written once so a wording change is one edit.
constexpr const char kOhms[] = " ohmu";
constexpr const char kKiloohms[] = " kiloohmu";
constexpr const char kMegaohms[] = " megaohmu";
constexpr const char kGigaohms[] = " gigaohmu";

// What one multiplier digit does to the digits before it: the power of ten applied and the unit shown.
struct Scale {
    int exponent;
    const char *unitWord;
};

struct MultiplierRow {
    Scale threeChar; // two digits + multiplier
    Scale fourChar; // three digits + multiplier
};

// Indexed by the multiplier digit. The unit follows the digit alone, never the size of the result.
constexpr std::array<MultiplierRow, 10> kMultiplierRows { {
    { { 0, kOhms }, { 0, kOhms } },
    { { 1, kOhms }, { -2, kKiloohms } },
    { { -1, kKiloohms }, { -1, kKiloohms } },
    { { 0, kKiloohms }, { 0, kKiloohms } },
    { { 1, kKiloohms }, { -2, kMegaohms } },
    { { -1, kMegaohms }, { -1, kMegaohms } },
    { { 0, kMegaohms }, { 0, kMegaohms } },
    { { 1, kMegaohms }, { -2, kGigaohms } },
    { { -1, kGigaohms }, { -1, kGigaohms } },
    { { 0, kGigaohms }, { 0, kGigaohms } },
} };

// Beyond this the value is nonsense anyway; the bound keeps every later exponent sum far from overflow.
constexpr int kExponentLimit = 100000;
constexpr std::int64_t kMantissaMax = std::numeric_limits<std::int64_t>::max();

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

char16_t asciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

// Value of c as a digit of the radix (8 or 16), or -1.
int radixDigit(char16_t c, int radix)
{
    const char16_t lower = asciiLower(c);
    const int d = isAsciiDigit(c) ? c - u'0' : lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
    return d < radix ? d : -1;
}

// Index just past the character starting at i: two code units for a surrogate pair, else one.
qsizetype nextCharacter(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? i + 2 : i + 1;
}

// Index where the first `count` characters end (the text's size when it is shorter).
qsizetype characterEnd(QStringView text, qsizetype count)
{
    qsizetype end = 0;
    for (qsizetype n = 0; n < count && end < text.size(); ++n)
        end = nextCharacter(text, end);
    return end;
}

// Clamps the exponent, moves trailing zeros into it and applies the sign.
Decimal finish(std::int64_t magnitude, long long exponent, bool negative)
{
    // Twice the limit keeps the exponent an int while the trailing zeros still move it.
    const Decimal d = withoutTrailingZeros(
        { magnitude, static_cast<int>(std::clamp<long long>(exponent, -2 * kExponentLimit, 2 * kExponentLimit)) });
    return { negative ? -d.mantissa : d.mantissa, std::clamp(d.exponent, -kExponentLimit, kExponentLimit) };
}

// The text without its blanks (they may stand anywhere, even between digits: "4 7" is 47), read from the
// left; past its end it reads '\0'.
struct Reader {
    std::u16string text;
    std::size_t at = 0;

    char16_t peek(std::size_t ahead = 0) const { return at + ahead < text.size() ? text[at + ahead] : u'\0'; }
    void skip(std::size_t count = 1) { at += count; }
    // Takes a + or - if one stands next: whether it was a minus.
    bool takeSign()
    {
        const bool minus = peek() == u'-';
        if (minus || peek() == u'+')
            skip();
        return minus;
    }
};

// &H or &O and the digits of that radix; another radix reads 0. Too many digits saturate rather than wrap.
Decimal readRadixNumber(Reader &in)
{
    const char16_t prefix = asciiLower(in.peek(1));
    const int radix = prefix == u'h' ? 16 : prefix == u'o' ? 8 : 0;
    if (radix == 0)
        return {};
    in.skip(2);
    std::int64_t magnitude = 0;
    for (int d = radixDigit(in.peek(), radix); d >= 0; in.skip(), d = radixDigit(in.peek(), radix))
        magnitude = magnitude > (kMantissaMax - d) / radix ? kMantissaMax : magnitude * radix + d;
    return finish(magnitude, 0, false);
}

// Decimal digits with at most one period. Digits are kept while they fit in int64; later whole digits only
// scale, later fraction digits drop.
struct Digits {
    std::int64_t magnitude = 0;
    long long exponent = 0;
    bool any = false;
};

Digits readDigits(Reader &in)
{
    Digits read;
    bool point = false, full = false;
    for (;; in.skip()) {
        const char16_t c = in.peek();
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (!isAsciiDigit(c))
            return read;
        read.any = true;
        const int d = c - u'0';
        if (!full && read.magnitude <= (kMantissaMax - d) / 10) {
            read.magnitude = read.magnitude * 10 + d;
            if (point)
                --read.exponent;
        } else {
            full = true;
            if (!point)
                ++read.exponent;
        }
    }
}

// An E or D exponent with its sign; an E or D without digits after it adds nothing: "1E" is 1.
long long readExponent(Reader &in)
{
    if (const char16_t e = asciiLower(in.peek()); e != u'e' && e != u'd')
        return 0;
    in.skip();
    const bool negative = in.takeSign();
    long long written = 0;
    for (; isAsciiDigit(in.peek()); in.skip()) {
        if (written <= 10 * kExponentLimit) // far past the clamp already; stop growing
            written = written * 10 + (in.peek() - u'0');
    }
    return negative ? -written : written;
}

// "4R7", "R47", "47R": digits and exactly one R, read as ohms with R as the decimal point.
std::optional<Decimal> readRNotation(QStringView code)
{
    std::u16string number;
    int rCount = 0;
    for (const QChar c : code) {
        if (c == u'R' || c == u'r') {
            ++rCount;
            number += u'.';
        } else if (isAsciiDigit(c.unicode())) {
            number += c.unicode();
        } else {
            return std::nullopt;
        }
    }
    if (rCount != 1)
        return std::nullopt;
    return readNumber(QStringView(number));
}

} // namespace

Decimal readNumber(QStringView text)
{
    Reader in;
    for (const QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            in.text += c.unicode();
    if (in.peek() == u'&')
        return readRadixNumber(in);
    const bool negative = in.takeSign();
    const Digits digits = readDigits(in);
    if (!digits.any)
        return {};
    return finish(digits.magnitude, digits.exponent + readExponent(in), negative);
}

int codeLength(CodeForm form) { return form == CodeForm::ThreeChar ? 3 : 4; }

QString cutBack(const QString &text, CodeForm form)
{
    const qsizetype end = characterEnd(text, codeLength(form));
    return end < text.size() ? text.left(end) : text;
}

std::optional<QString> decode(QStringView code, CodeForm form, const QString &decimalSeparator)
{
    const int length = codeLength(form);
    // Characters are code points; a lone surrogate counts as one as well.
    if (code.toUcs4().size() != length)
        return std::nullopt;

    const auto scaleOf
        = [form](const MultiplierRow &row) { return form == CodeForm::ThreeChar ? row.threeChar : row.fourChar; };
    if (const std::optional<Decimal> ohms = readRNotation(code))
        return writeNumber(*ohms, decimalSeparator) + QString::fromUtf8(scaleOf(kMultiplierRows[0]).unitWord);

    const qsizetype multiplierAt = characterEnd(code, length - 1);
    const Decimal value = readNumber(code.first(multiplierAt));
    const Decimal multiplier = readNumber(code.sliced(multiplierAt));
    // Only a plain digit picks its row; anything else reads as row 0, so the index stays inside the table.
    const bool isRow = multiplier.exponent == 0 && multiplier.mantissa >= 0
        && multiplier.mantissa < static_cast<std::int64_t>(kMultiplierRows.size());
    const Scale scale = scaleOf(kMultiplierRows[isRow ? static_cast<std::size_t>(multiplier.mantissa) : 0]);
    return writeNumber({ value.mantissa, value.exponent + scale.exponent }, decimalSeparator)
        + QString::fromUtf8(scale.unitWord);
}

} // namespace barvoznak::smd
