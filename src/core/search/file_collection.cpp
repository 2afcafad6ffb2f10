#include "core/search/file_collection.h"

#include <algorithm>

#include "core/common/file_types.h"

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
  files_.clear();
  folders_.clear();
  types_.assign(1, FileType{});  // index 0: no extension, empty type text
  typeByExtension_.clear();
  seen_.clear();
}

bool FileCollection::add(const QString& folder, const WalkEntry& entry) {
  if (!seen_.firstVisit(entry.device, entry.inode)) return false;
  files_.push_back(FoundFile{entry.name, entry.size, entry.writeStamp, entry.accessStamp, folderIndex(folder),
                             typeIndex(entry.name)});
  return true;
}

QString FileCollection::fullPath(const FoundFile& file) const {
  // joinPath's rule, in one allocation: the file-hogs grid asks this of every file.
  const QString& folder = folderText(file);
  QString path;
  path.reserve(folder.size() + 1 + file.name.size());
  path += folder;
  if (!folder.endsWith(u'/')) path += u'/';
  path += file.name;
  return path;
}

quint32 FileCollection::folderIndex(const QString& folder) {
  // The walk hands over a folder's files one after another, so the last folder is the one.
  if (folders_.empty() || folders_.back() != folder) folders_.push_back(folder);
  return quint32(folders_.size() - 1);
}

quint32 FileCollection::typeIndex(const QString& name) {
  const QString extension = extensionOf(name);
  if (extension.isEmpty()) return 0;
  const auto found = typeByExtension_.constFind(extension);
  if (found != typeByExtension_.cend()) return *found;
  const quint32 index = quint32(types_.size());
  types_.push_back(FileType{fileTypeDescription(extension)});
  typeByExtension_.insert(extension, index);
  rankTypes();
  return index;
}

void FileCollection::rankTypes() {
  std::vector<quint32> order(types_.size());
  for (quint32 i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [this](quint32 a, quint32 b) { return compareKeyText(types_[a].text, types_[b].text) < 0; });
  quint32 rank = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && compareKeyText(types_[order[i - 1]].text, types_[order[i]].text) != 0) ++rank;
    types_[order[i]].rank = rank;
  }
}

}  // namespace tessaly
