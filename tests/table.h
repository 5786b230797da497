#pragma once

#include "rules/colorcode.h"

#include <QTest>

// One row of a data table on one line; C strings fill QString columns as UTF-8.
template <typename... Cells> void row(const char *tag, Cells... cells) { (QTest::newRow(tag) << ... << cells); }

// A band colour by the English name the tables write it with ("brown"); any other word is no colour (13).
inline int colourIndex(QStringView name)
{
    int c = 1;
    while (c <= barvoznak::bands::kColorCount && name != QLatin1String(barvoznak::bands::colorInfo(c).name))
        ++c;
    return c;
}
