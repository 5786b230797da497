#pragma once

#include <QList>
#include <QTest>

// The colours of the code in its order, black (1) to silver (12), as the rows name them: a misspelt colour
// does not compile.
enum class Colour { black = 1, brown, red, orange, yellow, green, blue, violet, grey, white, gold, silver };
using Colours = QList<Colour>; // from band 1
Q_DECLARE_METATYPE(Colours)
