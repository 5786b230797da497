// Reads every band state the window's fields can hold, not only those its buttons make: the band count and
// the five band values are any byte. Built with AddressSanitizer, so a look-up outside a table crashes.
// Input: byte 0 the band count, bytes 1-5 the band values (missing bytes read as 0, extra bytes are unused).

#include "fuzzchecks.h"
#include "rules/readout.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace barvoznak;
using namespace fuzzchecks;

namespace {

// Digits and exactly one of R, K, M, G standing for the decimal point: "4K7", "R10", "100R".
bool isMarking(QStringView s)
{
    qsizetype letters = 0;
    for (const QChar c : s) {
        if (c == u'R' || c == u'K' || c == u'M' || c == u'G')
            ++letters;
        else if (!isDigit(c))
            return false;
    }
    return letters == 1 && s.size() > 1;
}

// "±5 %", "±0.25 %": the tolerance table writes its own period whatever the locale.
bool isTolerance(QStringView s)
{
    if (!s.startsWith(u"±") || !s.endsWith(u" %"))
        return false;
    const QStringView number = s.sliced(1).chopped(2);
    const qsizetype whole = digitRun(number, 0);
    if (whole == 0)
        return false;
    if (whole == number.size())
        return true;
    const qsizetype fraction = number.size() - whole - 1;
    return number[whole] == u'.' && fraction > 0 && digitRun(number, whole + 1) == fraction;
}

QString describe(int bandCount, const bands::BandBytes &values, const QString &separator)
{
    QString s = QStringLiteral("bands %1 values").arg(bandCount);
    for (int band = 1; band <= bands::kBandTotal; ++band)
        s += u' ' + QString::number(values[band]);
    return s + QStringLiteral(" separator ") + separator;
}

void check(int bandCount, const bands::BandBytes &values, const QString &separator)
{
    const bands::Readout r = bands::readBands(bandCount, values, separator);
    const QString state = describe(bandCount, values, separator);

    // Value and marking come from the same multiplier row: both or neither.
    require(r.value.has_value() == r.marking.has_value(), "value and marking go together", state,
        r.value.value_or(r.marking.value_or(QString())));
    if (r.marking)
        require(isMarking(*r.marking), "marking is digits and one of R K M G", state, *r.marking);
    if (r.value) {
        require(isNumberWithUnit(
                    *r.value, separator, { u" ohmů", u" kiloohmů", u" megaohmů", u" Megaohmů", u" Gigaohmů" }),
            "value is a written number and one unit word", state, *r.value);
    }
    if (r.tolerance)
        require(isTolerance(*r.tolerance), "tolerance is ± number %", state, *r.tolerance);
    // Three bands have no tolerance band, which always reads as a tolerance of its own.
    if (bandCount == 3)
        require(r.tolerance.has_value(), "three bands always show a tolerance", state);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::uint8_t state[6] = {};
    std::memcpy(state, data, std::min(size, sizeof state));
    bands::BandBytes values;
    for (int band = 1; band <= bands::kBandTotal; ++band)
        values[band] = state[band];
    for (const char *separator : { ",", "." })
        check(state[0], values, QString::fromLatin1(separator));
    return 0;
}
