#pragma once

#include <QList>
#include <QTest>

// The colours of the code in its order, black (1) to silver (12), as the rows name them: a misspelt colour
// does not compile.
enum class Colour { black = 1, brown, red, orange, yellow, green, blue, violet, grey, white, gold, silver };
using Colours = QList<Colour>; // from band 1
Q_DECLARE_METATYPE(Colours)

// A data table whose rows are one struct, with a tag and a named, typed field for each column; the test
// function reads its case with QFETCH(Row, row).
template <typename Row, std::size_t N> void rows(const Row (&table)[N])
{
    QTest::addColumn<Row>("row");
    for (const Row &row : table)
        QTest::newRow(row.tag) << row;
}
