#include "core/search/file_collection.h"

#include <algorithm>

namespace tessaly {

int compareKeyText(QStringView a, QStringView b) {
  a = a.trimmed();
  b = b.trimmed();
  const qsizetype common = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < common; ++i) {
    char16_t x = a[i].unicode();
    char16_t y = b[i].unicode();
    if (x >= u'a' && x <= u'z') x -= 32;
    if (y >= u'a' && y <= u'z') y -= 32;
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

FileCollection::FileCollection() { clear(); }

void FileCollection::clear() {
  files_ = std::make_shared<FoundFiles>();
  typeRanks_.assign(1, 0);  // the empty type text of files without an extension
  seen_.clear();
}

bool FileCollection::add(const QString& folder, const WalkEntry& entry) {
  if (!seen_.firstVisit(entry.device, entry.inode)) return false;
  files_->add(folder, entry.name, entry.size, FileStamps{entry.writeStamp, entry.accessStamp, entry.creationStamp});
  if (files_->types().size() > typeRanks_.size()) rankTypes();
  return true;
}

void FileCollection::rankTypes() {
  const std::vector<QString>& types = files_->types();
  std::vector<quint32> order(types.size());
  for (quint32 i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&types](quint32 a, quint32 b) { return compareKeyText(types[a], types[b]) < 0; });
  typeRanks_.assign(types.size(), 0);
  quint32 rank = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && compareKeyText(types[order[i - 1]], types[order[i]]) != 0) ++rank;
    typeRanks_[order[i]] = rank;
  }
}

}  // namespace tessaly
