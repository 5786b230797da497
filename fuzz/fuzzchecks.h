#pragma once

// What the fuzz targets hold every result to. A broken rule prints what it saw and aborts, which libFuzzer
// turns into a saved reproducer.

#include <QString>
#include <QStringView>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace fuzzchecks {

// The text's UTF-16 code units in hex, so a lone surrogate or a control character shows as itself.
inline QByteArray codeUnits(QStringView text)
{
    QByteArray out;
    for (const QChar c : text)
        out += QByteArray::number(c.unicode(), 16).rightJustified(4, '0') + ' ';
    return out.trimmed();
}

[[noreturn]] inline void fail(const char *rule, QStringView input, QStringView result)
{
    std::fprintf(stderr, "\nbroken rule: %s\n  input  [%s] \"%s\"\n  result [%s] \"%s\"\n", rule,
        codeUnits(input).constData(), input.toUtf8().constData(), codeUnits(result).constData(),
        result.toUtf8().constData());
    std::abort();
}

inline void require(bool holds, const char *rule, QStringView input, QStringView result = {})
{
    if (!holds)
        fail(rule, input, result);
}

// Counted without the code under test: a high surrogate followed by a low one is one code point, any other
// code unit (a lone surrogate included) is one as well.
inline bool pairsAt(QStringView text, qsizetype i)
{
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
}

inline qsizetype codePoints(QStringView text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); i += pairsAt(text, i) ? 2 : 1)
        ++n;
    return n;
}

// A surrogate at i that has no partner next to it.
inline bool loneSurrogateAt(QStringView text, qsizetype i)
{
    if (text[i].isHighSurrogate())
        return !pairsAt(text, i);
    if (text[i].isLowSurrogate())
        return i == 0 || !pairsAt(text, i - 1);
    return false;
}

inline bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

inline qsizetype digitRun(QStringView s, qsizetype from)
{
    qsizetype i = from;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i - from;
}

// A number as writeNumber writes it: an optional minus; whole digits (at most seven, no leading zero, "0"
// below one) with an optional separator and fraction that ends in no zero; or one non-zero digit, an
// optional fraction of at most six digits, "E+" and an exponent of two or more digits, at least 07.
inline bool isWrittenNumber(QStringView s, QStringView separator)
{
    qsizetype i = 0;
    const bool negative = !s.isEmpty() && s[0] == u'-';
    if (negative)
        ++i;
    const qsizetype whole = digitRun(s, i);
    if (whole == 0 || (whole > 1 && s[i] == u'0'))
        return false;
    const bool zeroWhole = whole == 1 && s[i] == u'0';
    i += whole;

    qsizetype fraction = 0;
    if (s.sliced(i).startsWith(separator)) {
        i += separator.size();
        fraction = digitRun(s, i);
        if (fraction == 0 || s[i + fraction - 1] == u'0')
            return false;
        i += fraction;
    }

    if (i < s.size() && s[i] == u'E') {
        if (whole != 1 || zeroWhole || fraction > 6 || s.sliced(i + 1).size() < 3 || s[i + 1] != u'+')
            return false;
        i += 2;
        const qsizetype exponentDigits = digitRun(s, i);
        if (exponentDigits != s.size() - i || exponentDigits < 2)
            return false;
        if (exponentDigits == 2)
            return s[i] > u'0' || s[i + 1] >= u'7';
        return s[i] != u'0';
    }
    if (i != s.size() || whole > 7)
        return false;
    // Zero is written "0", never "-0".
    return !(negative && zeroWhole && fraction == 0);
}

// A number followed by exactly one of the unit words (each with its leading blank).
inline bool isNumberWithUnit(QStringView s, QStringView separator, std::initializer_list<const char16_t *> units)
{
    for (const char16_t *unit : units) {
        const QStringView word(unit);
        if (s.endsWith(word) && isWrittenNumber(s.chopped(word.size()), separator))
            return true;
    }
    return false;
}

} // namespace fuzzchecks
