#pragma once

#include <QString>
#include <algorithm>
#include <functional>
#include <vector>

#include "core/grid/grid_table.h"

namespace tessaly {

// An order of a grid's rows: order[i] is the row that goes to place i.
using RowOrder = std::vector<quint32>;

// Hands the key cell of every row, in row order, to use.
using CellFeed = std::function<void(const std::function<void(const QString& cell)>& use)>;

// The order of the rows by one of the three rules applied to their key cells' texts.
RowOrder orderByCellTexts(size_t rowCount, const CellFeed& feed, SortKey key, bool descending);

template <typename Key>
struct KeyedRow {
  Key key;
  quint32 row;
};

// The rows in the order of their keys; rows with equal keys keep their order in both
// directions. compare(a, b) is below, at or above 0 as a's key is below, equal to or above b's.
template <typename Entry, typename Compare>
RowOrder sortedRows(std::vector<Entry>& entries, bool descending, Compare compare) {
  // The row number settles equal keys, so an in-place sort keeps their order without the
  // buffer a stable sort takes.
  std::sort(entries.begin(), entries.end(), [&compare, descending](const Entry& a, const Entry& b) {
    const int order = compare(a, b);
    if (order != 0) return descending ? order > 0 : order < 0;
    return a.row < b.row;
  });
  RowOrder order;
  order.reserve(entries.size());
  for (const Entry& entry : entries) order.push_back(entry.row);
  return order;
}

template <typename T>
int threeWay(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

template <typename Key>
RowOrder sortedRows(std::vector<KeyedRow<Key>>& entries, bool descending) {
  return sortedRows(entries, descending,
                    [](const KeyedRow<Key>& a, const KeyedRow<Key>& b) { return threeWay(a.key, b.key); });
}

// Puts the rows in the order, moving each row once along the permutation's cycles, so no
// second copy of the rows is made. The order is used up.
template <typename Row>
void applyOrder(std::vector<Row>& rows, RowOrder& order) {
  for (quint32 start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    Row held = std::move(rows[start]);
    quint32 place = start;
    while (order[place] != start) {
      const quint32 from = order[place];
      rows[place] = std::move(rows[from]);
      order[place] = place;
      place = from;
    }
    rows[place] = std::move(held);
    order[place] = place;
  }
}

}  // namespace tessaly
