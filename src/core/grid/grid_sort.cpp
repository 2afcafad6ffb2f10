#include "core/grid/grid_sort.h"

#include <QDate>
#include <QHash>
#include <QLocale>
#include <charconv>
#include <cstring>

#include "core/common/date_texts.h"
#include "core/grid/row_order.h"

namespace tessaly {
namespace {

// Eight bytes of a key from the given start, big-endian, zero-padded. Comparing the first
// sixteen bytes this way settles most pairs without reaching the key bytes; names often
// share their first eight (IMG_0001.JPG, IMG_0002.JPG).
quint64 keyPrefix(const char* key, size_t length, size_t start) {
  quint64 prefix = 0;
  for (size_t i = start; i < start + 8; ++i) prefix = prefix << 8 | (i < length ? quint64(quint8(key[i])) : 0);
  return prefix;
}

RowOrder orderByTextKeys(size_t rowCount, const CellFeed& feed, bool descending) {
  // All keys in one buffer, in row order, so row r's key runs from offsets[r] to
  // offsets[r + 1]: no allocation per row, and the sort moves small entries only.
  struct Entry {
    quint64 head;
    quint64 next;
    quint32 row;
  };
  std::string keys;
  keys.reserve(rowCount * 24);
  std::vector<size_t> offsets;
  offsets.reserve(rowCount + 1);
  feed([&](const QString& cell) {
    offsets.push_back(keys.size());
    appendTextKey(cell, keys);
  });
  offsets.push_back(keys.size());

  const char* base = keys.data();
  std::vector<Entry> entries;
  entries.reserve(rowCount);
  for (quint32 r = 0; r < rowCount; ++r) {
    const size_t length = offsets[r + 1] - offsets[r];
    entries.push_back({keyPrefix(base + offsets[r], length, 0), keyPrefix(base + offsets[r], length, 8), r});
  }
  return sortedRows(entries, descending, [base, &offsets](const Entry& a, const Entry& b) {
    if (a.head != b.head) return threeWay(a.head, b.head);
    if (a.next != b.next) return threeWay(a.next, b.next);
    const size_t aLength = offsets[a.row + 1] - offsets[a.row];
    const size_t bLength = offsets[b.row + 1] - offsets[b.row];
    const int order = std::memcmp(base + offsets[a.row], base + offsets[b.row], std::min(aLength, bLength));
    return order != 0 ? order : threeWay(aLength, bLength);
  });
}

// Numbers and dates: one scalar key per row, computed once.
template <typename Key, typename MakeKey>
RowOrder orderByScalarKeys(size_t rowCount, const CellFeed& feed, bool descending, MakeKey makeKey) {
  std::vector<KeyedRow<Key>> entries;
  entries.reserve(rowCount);
  feed([&](const QString& cell) { entries.push_back({makeKey(cell), quint32(entries.size())}); });
  return sortedRows(entries, descending);
}

// Feeds the key cells of a text grid. Reading them is bound by memory latency (each cell
// lives in its own heap block, scattered once the grid has been sorted), so the cells of rows
// ahead are fetched early: first the cell, then its characters.
CellFeed keyCells(const ResultTable& grid, int keyColumn) {
  return [&grid, keyColumn](const std::function<void(const QString&)>& use) {
    static const QString empty;
    constexpr size_t kCellsAhead = 16;
    constexpr size_t kTextAhead = 8;
    const size_t count = grid.rows.size();
    const auto hasKey = [&](size_t r) { return keyColumn >= 0 && keyColumn < grid.rows[r].cells.size(); };
    for (size_t r = 0; r < count; ++r) {
      if (r + kCellsAhead < count && hasKey(r + kCellsAhead)) {
        __builtin_prefetch(grid.rows[r + kCellsAhead].cells.constData() + keyColumn);
      }
      if (r + kTextAhead < count && hasKey(r + kTextAhead)) {
        __builtin_prefetch(grid.rows[r + kTextAhead].cells.constData()[keyColumn].constData());
      }
      use(hasKey(r) ? grid.rows[r].cells[keyColumn] : empty);
    }
  };
}

}  // namespace

double numberSortKey(const QString& text, QChar decimalSeparator) {
  char kept[64];
  size_t length = 0;
  std::string longer;  // only for texts with more than 64 digits
  for (QChar c : text) {
    char next;
    if (c >= u'0' && c <= u'9') {
      next = char(c.unicode());
    } else if (c == decimalSeparator) {
      next = '.';
    } else if (c.unicode() >= 0x80 && c.isDigit()) {
      // A digit of another script, as a locale's own number text writes it.
      next = char('0' + c.digitValue());
    } else {
      continue;
    }
    if (length < sizeof kept) {
      kept[length++] = next;
    } else {
      if (longer.empty()) longer.assign(kept, length);
      longer += next;
    }
  }
  const char* begin = longer.empty() ? kept : longer.data();
  const char* end = longer.empty() ? kept + length : longer.data() + longer.size();
  double value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  return error == std::errc() && stop == end ? value : 0.0;
}

qint64 dateSortKey(const QString& text) {
  static const qint64 fallback = QDate(1900, 1, 1).toJulianDay();
  if (text.isEmpty()) return fallback;
  const QDate date = parseShortDate(text);
  return date.isValid() ? date.toJulianDay() : fallback;
}

QChar localeDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.isEmpty() ? QChar(u'.') : point[0];
}

RowOrder orderByCellTexts(size_t rowCount, const CellFeed& feed, SortKey key, bool descending) {
  switch (key) {
    case SortKey::Text: return orderByTextKeys(rowCount, feed, descending);
    case SortKey::Number: {
      const QChar separator = localeDecimalSeparator();
      return orderByScalarKeys<double>(rowCount, feed, descending,
                                       [separator](const QString& text) { return numberSortKey(text, separator); });
    }
    case SortKey::Date: {
      // Reading a date through the locale is slow and a grid holds few distinct dates.
      QHash<QString, qint64> known;
      return orderByScalarKeys<qint64>(rowCount, feed, descending, [&known](const QString& text) {
        auto found = known.constFind(text);
        if (found == known.constEnd()) found = known.insert(text, dateSortKey(text));
        return *found;
      });
    }
  }
  return {};
}

void sortGrid(ResultTable& grid, SortKey key, int keyColumn, bool descending) {
  RowOrder order = orderByCellTexts(grid.rows.size(), keyCells(grid, keyColumn), key, descending);
  applyOrder(grid.rows, order);
}

void sortGridByText(ResultTable& grid, int keyColumn, bool descending) {
  sortGrid(grid, SortKey::Text, keyColumn, descending);
}

void sortGridByNumber(ResultTable& grid, int keyColumn, bool descending) {
  sortGrid(grid, SortKey::Number, keyColumn, descending);
}

void sortGridByDate(ResultTable& grid, int keyColumn, bool descending) {
  sortGrid(grid, SortKey::Date, keyColumn, descending);
}

void ResultTable::sortRows(SortKey key, int column, bool descending) { sortGrid(*this, key, column, descending); }

}  // namespace tessaly
