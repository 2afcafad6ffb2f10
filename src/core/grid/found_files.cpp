#include "core/grid/found_files.h"

#include "core/common/file_types.h"

namespace tessaly {

FoundFiles::FoundFiles() : types_(1) {}

void FoundFiles::add(const QString& folder, const QString& name, qint64 size, const FileStamps& stamps) {
  files_.push_back(
      FoundFile{name, size, stamps.write, stamps.access, stamps.creation, folderIndex(folder), typeIndex(name)});
}

QString FoundFiles::fullPath(const FoundFile& file) const {
  // joinPath's rule, in one allocation: a grid of paths asks this of every file.
  const QString& folder = folderText(file);
  QString path;
  path.reserve(folder.size() + 1 + file.name.size());
  path += folder;
  if (!folder.endsWith(u'/')) path += u'/';
  path += file.name;
  return path;
}

quint32 FoundFiles::folderIndex(const QString& folder) {
  // A walk hands over a folder's files one after another, so the last folder is the one.
  if (folders_.empty() || folders_.back() != folder) folders_.push_back(folder);
  return quint32(folders_.size() - 1);
}

quint32 FoundFiles::typeIndex(const QString& name) {
  const QString extension = extensionOf(name);
  if (extension.isEmpty()) return 0;
  const auto found = typeByExtension_.constFind(extension);
  if (found != typeByExtension_.cend()) return *found;
  const quint32 index = quint32(types_.size());
  types_.push_back(fileTypeDescription(extension));
  typeByExtension_.insert(extension, index);
  return index;
}

}  // namespace tessaly
