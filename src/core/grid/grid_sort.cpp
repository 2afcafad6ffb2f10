#include "core/grid/grid_sort.h"

#include <QDate>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cstring>

#include "core/common/date_texts.h"

namespace tessaly {
namespace {

const QString& keyCell(const ResultRow& row, int keyColumn) {
  static const QString empty;
  return keyColumn >= 0 && keyColumn < row.cells.size() ? row.cells[keyColumn] : empty;
}

// Calls use(row number, key cell) for every row. Reading the keys is bound by memory
// latency (each cell lives in its own heap block, scattered once the grid has been sorted),
// so the cells of rows ahead are fetched early: first the cell, then its characters.
template <typename Use>
void forEachKeyCell(const ResultTable& grid, int keyColumn, Use use) {
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
    use(r, keyCell(grid.rows[r], keyColumn));
  }
}

// Puts the rows in the given order (order[i] = the row that goes to place i), moving each row
// once along the permutation's cycles, so no second copy of the grid is made.
void applyOrder(std::vector<ResultRow>& rows, std::vector<quint32>& order) {
  for (quint32 start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    ResultRow held = std::move(rows[start]);
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

template <typename Entry, typename Less>
void sortEntries(std::vector<Entry>& entries, bool descending, Less less) {
  if (descending) {
    std::stable_sort(entries.begin(), entries.end(), [&less](const Entry& a, const Entry& b) { return less(b, a); });
  } else {
    std::stable_sort(entries.begin(), entries.end(), less);
  }
}

template <typename Entry>
void applySortedEntries(ResultTable& grid, const std::vector<Entry>& entries) {
  std::vector<quint32> order;
  order.reserve(entries.size());
  for (const Entry& entry : entries) order.push_back(entry.row);
  applyOrder(grid.rows, order);
}

// Numbers and dates: one scalar key per row, computed once, then the rows are moved into place.
template <typename Key, typename MakeKey>
void sortByScalarKey(ResultTable& grid, int keyColumn, bool descending, MakeKey makeKey) {
  struct Entry {
    Key key;
    quint32 row;
  };
  std::vector<Entry> entries;
  entries.reserve(grid.rows.size());
  forEachKeyCell(grid, keyColumn, [&](size_t r, const QString& cell) { entries.push_back({makeKey(cell), quint32(r)}); });
  sortEntries(entries, descending, [](const Entry& a, const Entry& b) { return a.key < b.key; });
  applySortedEntries(grid, entries);
}

void appendTextKey(const QString& text, std::string& keys) {
  const size_t start = keys.size();
  for (QChar c : text) {
    const char16_t code = c.unicode();
    if (code >= 0x80) {
      // Not plain ASCII: take the whole text as UTF-8, whose byte order is the code order.
      keys.resize(start);
      keys += textSortKey(text);
      return;
    }
    keys += code >= u'a' && code <= u'z' ? char(code - u'a' + u'A') : char(code);
  }
}

// Eight bytes of a key from the given start, big-endian, zero-padded. Comparing the first
// sixteen bytes this way settles most pairs without reaching the key bytes; names often
// share their first eight (IMG_0001.JPG, IMG_0002.JPG).
quint64 keyPrefix(const char* key, size_t length, size_t start) {
  quint64 prefix = 0;
  for (size_t i = start; i < start + 8; ++i) prefix = prefix << 8 | (i < length ? quint64(quint8(key[i])) : 0);
  return prefix;
}

QChar localeDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.isEmpty() ? QChar(u'.') : point[0];
}

}  // namespace

std::string textSortKey(const QString& text) {
  std::string key = text.toStdString();
  for (char& c : key) {
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  }
  return key;
}

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

void sortGridByText(ResultTable& grid, int keyColumn, bool descending) {
  // All keys in one buffer, in row order, so row r's key runs from offsets[r] to
  // offsets[r + 1]: no allocation per row, and the sort moves small entries only.
  struct Entry {
    quint64 head;
    quint64 next;
    quint32 row;
  };
  std::string keys;
  keys.reserve(grid.rows.size() * 24);
  std::vector<size_t> offsets;
  offsets.reserve(grid.rows.size() + 1);
  forEachKeyCell(grid, keyColumn, [&](size_t, const QString& cell) {
    offsets.push_back(keys.size());
    appendTextKey(cell, keys);
  });
  offsets.push_back(keys.size());

  const char* base = keys.data();
  std::vector<Entry> entries;
  entries.reserve(grid.rows.size());
  for (quint32 r = 0; r < grid.rows.size(); ++r) {
    const size_t length = offsets[r + 1] - offsets[r];
    entries.push_back({keyPrefix(base + offsets[r], length, 0), keyPrefix(base + offsets[r], length, 8), r});
  }
  sortEntries(entries, descending, [base, &offsets](const Entry& a, const Entry& b) {
    if (a.head != b.head) return a.head < b.head;
    if (a.next != b.next) return a.next < b.next;
    const size_t aLength = offsets[a.row + 1] - offsets[a.row];
    const size_t bLength = offsets[b.row + 1] - offsets[b.row];
    const int order = std::memcmp(base + offsets[a.row], base + offsets[b.row], std::min(aLength, bLength));
    return order != 0 ? order < 0 : aLength < bLength;
  });
  applySortedEntries(grid, entries);
}

void sortGridByNumber(ResultTable& grid, int keyColumn, bool descending) {
  const QChar separator = localeDecimalSeparator();
  sortByScalarKey<double>(grid, keyColumn, descending,
                          [separator](const QString& text) { return numberSortKey(text, separator); });
}

void sortGridByDate(ResultTable& grid, int keyColumn, bool descending) {
  // Reading a date through the locale is slow and a grid holds few distinct dates.
  QHash<QString, qint64> known;
  sortByScalarKey<qint64>(grid, keyColumn, descending, [&known](const QString& text) {
    auto found = known.constFind(text);
    if (found == known.constEnd()) found = known.insert(text, dateSortKey(text));
    return *found;
  });
}

void sortGrid(ResultTable& grid, SortKey key, int keyColumn, bool descending) {
  switch (key) {
    case SortKey::Text: sortGridByText(grid, keyColumn, descending); break;
    case SortKey::Number: sortGridByNumber(grid, keyColumn, descending); break;
    case SortKey::Date: sortGridByDate(grid, keyColumn, descending); break;
  }
}

}  // namespace tessaly
