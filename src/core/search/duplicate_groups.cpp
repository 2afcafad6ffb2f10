#include "core/search/duplicate_groups.h"

#include <algorithm>

#include "core/grid/stamp_texts.h"

namespace tessaly {
namespace {

template <typename T>
int threeWay(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

int compareField(const FileCollection& collection, const FoundFile& a, const FoundFile& b, LineField field) {
  switch (field) {
    case LineField::Filename: return compareKeyText(a.name, b.name);
    case LineField::Size: return threeWay(a.size, b.size);
    case LineField::Modified: return threeWay(dateKey(a.writeStamp), dateKey(b.writeStamp));
    case LineField::Time: return threeWay(timeKey(a.writeStamp), timeKey(b.writeStamp));
    case LineField::Access: return threeWay(dateKey(a.accessStamp), dateKey(b.accessStamp));
    case LineField::Folder:
      return a.folder == b.folder ? 0 : compareKeyText(collection.folderText(a), collection.folderText(b));
    case LineField::Type: return threeWay(collection.typeRank(a), collection.typeRank(b));
  }
  return 0;
}

int compareFields(const FileCollection& collection, const FoundFile& a, const FoundFile& b,
                  std::span<const LineField> fields) {
  for (LineField field : fields) {
    if (const int order = compareField(collection, a, b, field)) return order;
  }
  return 0;
}

// The colour fields are compared as the keys are, so the rows of one group always share
// one shade.
bool sameColour(const FileCollection& collection, const FoundFile& a, const FoundFile& b, MatchMode mode) {
  return compareFields(collection, a, b, colourFields(mode)) == 0;
}

}  // namespace

void sortCollection(FileCollection& collection, MatchMode mode) {
  const std::span<const LineField> key = keyFields(mode);
  const std::span<const LineField> line = lineFields(mode);
  std::sort(collection.files().begin(), collection.files().end(), [&](const FoundFile& a, const FoundFile& b) {
    if (const int order = compareFields(collection, a, b, key)) return order < 0;
    if (const int order = compareFields(collection, a, b, line)) return order < 0;
    // Lines that read the same still get one order, so each run comes out the same.
    if (const int order = a.name.compare(b.name)) return order < 0;
    return a.folder < b.folder;
  });
}

std::vector<ResultEntry> addDups(const FileCollection& collection, MatchMode mode) {
  const std::vector<FoundFile>& files = collection.files();
  const std::span<const LineField> key = keyFields(mode);
  std::vector<ResultEntry> results;
  auto append = [&](size_t index) {
    bool shaded = true;
    if (!results.empty()) {
      const ResultEntry& above = results.back();
      shaded = sameColour(collection, files[above.file], files[index], mode) ? above.shaded : !above.shaded;
    }
    results.push_back(ResultEntry{quint32(index), shaded});
  };
  size_t i = 0;
  while (i + 1 < files.size()) {
    size_t j = i + 1;
    while (j < files.size() && compareFields(collection, files[i], files[j], key) == 0) {
      if (j == i + 1) append(i);
      append(j);
      ++j;
    }
    i = j;
  }
  return results;
}

std::vector<quint32> groupFirstRows(const FileCollection& collection, const std::vector<ResultEntry>& rows, MatchMode mode) {
  const std::vector<FoundFile>& files = collection.files();
  std::vector<quint32> starts;
  for (size_t row = 0; row < rows.size(); ++row) {
    if (row == 0 || compareFields(collection, files[rows[row - 1].file], files[rows[row].file], keyFields(mode)) != 0)
      starts.push_back(quint32(row));
  }
  return starts;
}

std::vector<ResultEntry> reSort(const FileCollection& collection) {
  const std::vector<FoundFile>& files = collection.files();
  std::vector<ResultEntry> results(files.size());
  for (size_t i = 0; i < files.size(); ++i) results[i].file = quint32(i);
  std::sort(results.begin(), results.end(), [&](const ResultEntry& x, const ResultEntry& y) {
    const FoundFile& a = files[x.file];
    const FoundFile& b = files[y.file];
    if (a.size != b.size) return a.size > b.size;
    if (a.folder != b.folder) {
      if (const int order = collection.folderText(a).compare(collection.folderText(b))) return order < 0;
    }
    return a.name < b.name;
  });
  return results;
}

}  // namespace tessaly
