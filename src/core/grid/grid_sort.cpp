#include "core/grid/grid_sort.h"

#include <QDate>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <charconv>

#include "core/common/date_texts.h"

namespace tessaly {
namespace {

// Decorate, sort, undecorate: each key is computed once, then the rows are moved into place.
template <typename Key, typename MakeKey>
void sortRowsBy(ResultTable& grid, int keyColumn, bool descending, MakeKey makeKey) {
  struct Entry {
    Key key;
    size_t row;
  };
  std::vector<Entry> entries;
  entries.reserve(grid.rows.size());
  for (size_t r = 0; r < grid.rows.size(); ++r) {
    const QStringList& cells = grid.rows[r].cells;
    entries.push_back({makeKey(keyColumn < cells.size() ? cells[keyColumn] : QString()), r});
  }
  if (descending) {
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return b.key < a.key; });
  } else {
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
  }
  std::vector<ResultRow> sorted;
  sorted.reserve(grid.rows.size());
  for (const Entry& entry : entries) sorted.push_back(std::move(grid.rows[entry.row]));
  grid.rows.swap(sorted);
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
  std::string kept;
  kept.reserve(size_t(text.size()));
  for (QChar c : text) {
    if (c >= u'0' && c <= u'9') {
      kept += char(c.unicode());
    } else if (c == decimalSeparator) {
      kept += '.';
    }
  }
  double value = 0;
  const char* end = kept.data() + kept.size();
  const auto [stop, error] = std::from_chars(kept.data(), end, value);
  return error == std::errc() && stop == end ? value : 0.0;
}

qint64 dateSortKey(const QString& text) {
  static const qint64 fallback = QDate(1900, 1, 1).toJulianDay();
  if (text.isEmpty()) return fallback;
  const QDate date = parseShortDate(text);
  return date.isValid() ? date.toJulianDay() : fallback;
}

void sortGridByText(ResultTable& grid, int keyColumn, bool descending) {
  sortRowsBy<std::string>(grid, keyColumn, descending, textSortKey);
}

void sortGridByNumber(ResultTable& grid, int keyColumn, bool descending) {
  const QChar separator = localeDecimalSeparator();
  sortRowsBy<double>(grid, keyColumn, descending, [separator](const QString& text) { return numberSortKey(text, separator); });
}

void sortGridByDate(ResultTable& grid, int keyColumn, bool descending) {
  // Reading a date through the locale is slow and a grid holds few distinct dates.
  QHash<QString, qint64> known;
  sortRowsBy<qint64>(grid, keyColumn, descending, [&known](const QString& text) {
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
