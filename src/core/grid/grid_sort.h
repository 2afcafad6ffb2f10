#pragma once

#include <QString>

#include "core/grid/result_table.h"
#include "core/grid/text_key.h"

namespace tessaly {

// Each sorts every data row of the grid by one column; rows move whole (every cell and extra).
// The sort is stable: rows with equal keys keep their order, so a second sort in the same
// direction changes nothing. Descending puts the largest key first.
void sortGridByText(ResultTable& grid, int keyColumn, bool descending);
void sortGridByNumber(ResultTable& grid, int keyColumn, bool descending);
void sortGridByDate(ResultTable& grid, int keyColumn, bool descending);
void sortGrid(ResultTable& grid, SortKey key, int keyColumn, bool descending);

// The keys, one per cell text (the text key is in text_key.h).
// Digits (of any script) and the decimal separator only, read as a number; 0 when that does
// not read.
double numberSortKey(const QString& text, QChar decimalSeparator);
// The day number of a date in the short date format; 1 January 1900 when it does not read.
qint64 dateSortKey(const QString& text);
// The decimal separator the number rule keeps: the locale's.
QChar localeDecimalSeparator();

}  // namespace tessaly
