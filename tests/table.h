#pragma once

#include <QTest>

// One row of a data table on one line; C strings fill QString columns as UTF-8.
template <typename... Cells> void row(const char *tag, Cells... cells) { (QTest::newRow(tag) << ... << cells); }
