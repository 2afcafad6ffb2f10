// The sorts of a file grid. Each gives exactly the order the rule gives the cells' texts (the
// text grid's sorts), but compares values: a million rows sort without forming a text each.
#include <algorithm>
#include <array>
#include <utility>

#include "core/grid/file_table.h"
#include "core/grid/grid_sort.h"
#include "core/grid/row_order.h"
#include "core/grid/stamp_texts.h"

namespace tessaly {
namespace {

// The rule applied to the cells' texts, formed one by one: the general way, for the pairs of
// rule and column that no value stands for (a name read as a number, a size as text).
RowOrder orderByFormedTexts(const FileTable& table, SortKey key, int column, bool descending) {
  const CellFeed feed = [&table, column](const std::function<void(const QString&)>& use) {
    StampTexts repeated;
    for (qsizetype row = 0; row < table.rowCount(); ++row) use(table.cellText(row, column, repeated));
  };
  return orderByCellTexts(table.rows.size(), feed, key, descending);
}

// Columns whose text follows from a small shared number (a folder, a type, a day, a time of
// day): the rule's key is worked out once per number in use, the numbers are ranked by it, and
// the rows are counted into place by rank, which keeps equal ranks in their order.
class SharedTextOrder {
 public:
  // indexOf gives the number of a file; textOf the text of a number in use, given the file
  // that uses it. Blank rows take the number `domain` and the empty text.
  template <typename IndexOf, typename TextOf>
  SharedTextOrder(const FileTable& table, quint32 domain, IndexOf indexOf, TextOf textOf)
      : domain_(domain), indexes_(table.rows.size()), texts_(size_t(domain) + 1), used_(size_t(domain) + 1) {
    table.forEachRowFile([&](quint32 row, const FoundFile* file) {
      const quint32 index = file ? indexOf(*file) : domain;
      indexes_[row] = index;
      if (!used_[index]) {
        used_[index] = true;
        if (file) texts_[index] = textOf(index, *file);
      }
    });
  }

  RowOrder order(SortKey key, bool descending) const {
    switch (key) {
      case SortKey::Text: return countedByRank(ranksBy(textSortKey), descending);
      case SortKey::Number: {
        const QChar separator = localeDecimalSeparator();
        return countedByRank(ranksBy([separator](const QString& text) { return numberSortKey(text, separator); }),
                             descending);
      }
      case SortKey::Date: return countedByRank(ranksBy(dateSortKey), descending);
    }
    return {};
  }

 private:
  // The rank of every number in use; numbers whose keys are equal share one.
  template <typename MakeKey>
  std::vector<quint32> ranksBy(MakeKey makeKey) const {
    using Key = decltype(makeKey(QString()));
    std::vector<std::pair<Key, quint32>> keyed;
    for (quint32 index = 0; index <= domain_; ++index) {
      if (used_[index]) keyed.emplace_back(makeKey(texts_[index]), index);
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<quint32> ranks(size_t(domain_) + 1);
    quint32 rank = 0;
    for (size_t i = 0; i < keyed.size(); ++i) {
      if (i > 0 && keyed[i - 1].first < keyed[i].first) ++rank;
      ranks[keyed[i].second] = rank;
    }
    return ranks;
  }

  RowOrder countedByRank(const std::vector<quint32>& ranks, bool descending) const {
    const quint32 top = *std::max_element(ranks.begin(), ranks.end());
    const auto placeOf = [&](quint32 row) {
      const quint32 rank = ranks[indexes_[row]];
      return descending ? top - rank : rank;
    };
    std::vector<quint32> starts(size_t(top) + 2);
    for (quint32 row = 0; row < indexes_.size(); ++row) ++starts[placeOf(row) + 1];
    for (size_t i = 1; i < starts.size(); ++i) starts[i] += starts[i - 1];
    RowOrder order(indexes_.size());
    for (quint32 row = 0; row < indexes_.size(); ++row) order[starts[placeOf(row)]++] = row;
    return order;
  }

  quint32 domain_;
  std::vector<quint32> indexes_;
  std::vector<QString> texts_;
  std::vector<bool> used_;
};

// Names and paths by the text rule. Each row carries the first 24 bytes of its name's key, so
// most comparisons never reach the names. A path is its folder's key followed by the name's:
// the folders are ranked once, and two rows of unrelated folders are ordered by rank alone.
// Only when one folder's key begins with the other's (a folder and its sub-folder) do the
// joined paths decide.
class NameOrder {
 public:
  NameOrder(const FileTable& table, bool withFolders) : table_(table), withFolders_(withFolders) {
    if (withFolders_) rankFolders();
    // The sort settles equal keys by the row number, so the entries may come in any order.
    entries_.reserve(table.rows.size());
    lengths_.resize(table.rows.size());
    table.forEachRowFile([&](quint32 row, const FoundFile* file) {
      const TextKeyHead key = file ? textKeyHead(file->name) : TextKeyHead{};
      const quint32 group = !withFolders_ ? 0 : (file ? folderRanks_[file->folder] : kBlankGroup);
      entries_.push_back({key.words, group, row});
      lengths_[row] = key.length;
    });
  }

  RowOrder order(bool descending) {
    return sortedRows(entries_, descending, [this](const Entry& a, const Entry& b) { return compare(a, b); });
  }

 private:
  struct Entry {
    std::array<quint64, kKeyHeadWords> words;
    quint32 group;  // the rank of the row's folder key; equal folder keys share one
    quint32 row;
  };
  // Blank rows show the empty text, which every key begins with.
  static constexpr quint32 kBlankGroup = 0;

  int compare(const Entry& a, const Entry& b) const {
    if (a.group != b.group) {
      const quint32 low = std::min(a.group, b.group);
      const quint32 high = std::max(a.group, b.group);
      if (high > lastWithin_[low]) return threeWay(a.group, b.group);
      return compareTextKeys(textOf(a.row), textOf(b.row));
    }
    for (size_t i = 0; i < kKeyHeadWords; ++i) {
      if (a.words[i] != b.words[i]) return threeWay(a.words[i], b.words[i]);
    }
    const quint32 aLength = lengths_[a.row];
    const quint32 bLength = lengths_[b.row];
    // Keys that fit in their first words are equal up to the shorter one.
    if (aLength <= kKeyHeadBytes && bLength <= kKeyHeadBytes) return threeWay(aLength, bLength);
    return compareTextKeys(textOf(a.row), textOf(b.row));
  }

  TextPieces textOf(quint32 row) const {
    const FoundFile* file = table_.fileOf(row);
    if (!file) return {};
    if (!withFolders_) return {{file->name}, 1};
    const QString& folder = table_.files().folderText(*file);
    return {{folder, folder.endsWith(u'/') ? QStringView() : QStringView(kSeparator), file->name}, 3};
  }

  // Ranks the folders' keys (each with its separator), from 1 up: rank 0 is the blank rows'
  // empty text. lastWithin_[rank] is the highest rank whose key begins with that rank's key;
  // sorted keys that begin with one key follow it in one run.
  void rankFolders() {
    const std::vector<QString>& folders = table_.files().folders();
    std::vector<std::pair<std::string, quint32>> keyed;
    keyed.reserve(folders.size());
    for (quint32 i = 0; i < folders.size(); ++i) {
      std::string key = textSortKey(folders[i]);
      if (!folders[i].endsWith(u'/')) key += '/';
      keyed.emplace_back(std::move(key), i);
    }
    std::sort(keyed.begin(), keyed.end());
    folderRanks_.resize(folders.size());
    std::vector<std::string_view> rankKeys{std::string_view()};
    for (const auto& [key, folder] : keyed) {
      if (rankKeys.back() != key) rankKeys.push_back(key);
      folderRanks_[folder] = quint32(rankKeys.size() - 1);
    }
    lastWithin_.assign(rankKeys.size(), 0);
    std::vector<quint32> open;
    for (quint32 rank = 0; rank < rankKeys.size(); ++rank) {
      while (!open.empty() && !rankKeys[rank].starts_with(rankKeys[open.back()])) {
        lastWithin_[open.back()] = rank - 1;
        open.pop_back();
      }
      open.push_back(rank);
    }
    for (quint32 rank : open) lastWithin_[rank] = quint32(rankKeys.size() - 1);
  }

  static inline const QString kSeparator = QStringLiteral("/");

  const FileTable& table_;
  bool withFolders_;
  std::vector<Entry> entries_;
  std::vector<quint32> lengths_;  // of each row's name key, in bytes
  std::vector<quint32> folderRanks_;
  std::vector<quint32> lastWithin_{0};
};

// Rows by unsigned keys, a byte at a time from the lowest: each pass keeps the order the one
// before left, so equal keys keep the rows' order. A byte that every key shares is skipped;
// descending sorts the keys' complements.
RowOrder orderByUnsignedKeys(std::vector<KeyedRow<quint64>>& entries, bool descending) {
  constexpr int kBitsPerByte = 8;
  constexpr size_t kByteValues = 256;
  constexpr quint64 kByteMask = kByteValues - 1;
  constexpr int kKeyBytes = sizeof(quint64);
  if (descending) {
    for (KeyedRow<quint64>& entry : entries) entry.key = ~entry.key;
  }
  std::array<std::array<quint32, kByteValues>, kKeyBytes> counts{};
  for (const KeyedRow<quint64>& entry : entries) {
    for (int byte = 0; byte < kKeyBytes; ++byte) ++counts[size_t(byte)][entry.key >> (kBitsPerByte * byte) & kByteMask];
  }
  std::vector<KeyedRow<quint64>> placed(entries.size());
  for (int byte = 0; byte < kKeyBytes; ++byte) {
    std::array<quint32, kByteValues>& starts = counts[size_t(byte)];
    const int shift = kBitsPerByte * byte;
    if (entries.empty() || starts[entries.front().key >> shift & kByteMask] == entries.size()) continue;
    quint32 start = 0;
    for (quint32& count : starts) start += std::exchange(count, start);
    for (const KeyedRow<quint64>& entry : entries) placed[starts[entry.key >> shift & kByteMask]++] = entry;
    entries.swap(placed);
  }
  RowOrder order;
  order.reserve(entries.size());
  for (const KeyedRow<quint64>& entry : entries) order.push_back(entry.row);
  return order;
}

RowOrder orderBySize(const FileTable& table, bool descending) {
  std::vector<KeyedRow<quint64>> entries(table.rows.size());
  table.forEachRowFile([&entries](quint32 row, const FoundFile* file) {
    // The number rule drops a minus sign.
    entries[row] = {file ? quint64(qAbs(file->size)) : 0, row};
  });
  return orderByUnsignedKeys(entries, descending);
}

// A day and a time of day as their keys; a text made from any stamp of the key is the text.
RowOrder orderByStamp(const FileTable& table, SortKey key, bool descending, DosStamp FoundFile::*stamp,
                      quint32 (*keyOf)(DosStamp), QString (*textOfStamp)(DosStamp)) {
  const SharedTextOrder shared(
      table, kStampKeyCount, [&](const FoundFile& file) { return keyOf(file.*stamp); },
      [&](quint32, const FoundFile& file) { return textOfStamp(file.*stamp); });
  return shared.order(key, descending);
}

RowOrder valueOrder(const FileTable& table, SortKey key, int column, bool descending) {
  if (column < 0 || column >= table.columnCount()) return orderByFormedTexts(table, key, column, descending);
  const FoundFiles& files = table.files();
  switch (table.valueOf(column)) {
    case FileValue::Name:
    case FileValue::Path:
      if (key != SortKey::Text) break;
      return NameOrder(table, table.valueOf(column) == FileValue::Path).order(descending);
    case FileValue::Size:
      if (key != SortKey::Number) break;
      return orderBySize(table, descending);
    case FileValue::Folder:
      return SharedTextOrder(
                 table, quint32(files.folders().size()), [](const FoundFile& file) { return file.folder; },
                 [&files](quint32, const FoundFile& file) { return files.folderText(file); })
          .order(key, descending);
    case FileValue::Type:
      return SharedTextOrder(
                 table, quint32(files.types().size()), [](const FoundFile& file) { return file.type; },
                 [&files](quint32, const FoundFile& file) { return files.typeText(file); })
          .order(key, descending);
    case FileValue::Modified:
      return orderByStamp(table, key, descending, &FoundFile::writeStamp, dateKey, stampDateText);
    case FileValue::Time:
      return orderByStamp(table, key, descending, &FoundFile::writeStamp, timeKey, stampTimeText);
    case FileValue::Accessed:
      return orderByStamp(table, key, descending, &FoundFile::accessStamp, dateKey, stampDateText);
    case FileValue::Created:
      return orderByStamp(table, key, descending, &FoundFile::creationStamp, dateKey, stampDateText);
  }
  return orderByFormedTexts(table, key, column, descending);
}

}  // namespace

void FileTable::sortRows(SortKey key, int column, bool descending) {
  const RowOrder order = valueOrder(*this, key, column, descending);
  // Rows are small: gathering them into a new list reads ahead freely, where moving them
  // along the order's cycles would wait for each read in turn.
  std::vector<ResultEntry> sorted;
  sorted.reserve(rows.size());
  for (quint32 row : order) sorted.push_back(rows[row]);
  rows = std::move(sorted);
}

}  // namespace tessaly
