#pragma once

#include "rules/colorcode.h"
#include "rules/decimal.h"

#include <QString>

#include <optional>

namespace barvoznak::bands {

// What the colour-band page shows for one band state. A field left empty means "keep the caption": a
// tolerance band without a tolerance row, or a multiplier code outside the tables.
struct Readout {
    std::optional<QString> value; // "4,7 kiloohmů" (Label6, Label9)
    std::optional<QString> marking; // "4K7" (Label7)
    std::optional<QString> tolerance; // "±5 %" (Label10)
};

// Reads the bands as the resistor is marked: three or four bands are two digits and a multiplier, five
// bands three digits and a multiplier; the tolerance comes from band 4 (four bands) or band 5 (five).
// Digits are the code values as written (a value of 10 or 11 writes two characters), so no state reads
// outside the tables.
Readout readBands(int bandCount, const BandBytes &bandValue, const QString &decimalSeparator);

} // namespace barvoznak::bands
