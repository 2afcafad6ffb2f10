#include "core/browse/folder_files.h"

#include <QDir>
#include <algorithm>
#include <cstring>
#include <vector>

#include "core/walk/directory_walk.h"
#include "core/walk/entry_facts.h"
#include "platform/directory_reader.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

bool isHidden(const QString& name) { return name.startsWith(u'.'); }

// Names without regard to case first, as the user reads a list; ties by case.
bool nameSortsBefore(const QString& a, const QString& b) {
  const int folded = a.compare(b, Qt::CaseInsensitive);
  return folded != 0 ? folded < 0 : a < b;
}

struct ListedFile {
  QString name;
  platform::EntryStatus status;
};

}  // namespace

FolderFiles listFolderFiles(const QString& folder, const QString& pattern) {
  FolderFiles result;
  const platform::OpenFolder open = platform::OpenFolder::openRoot(folder);
  platform::FolderListing listing;
  if (!open.isOpen() || !listing.read(open)) return result;
  std::vector<ListedFile> listed;
  for (const platform::FolderListing::Entry entry : listing) {
    if (entry.type == platform::ListedType::Folder || entry.type == platform::ListedType::Other) continue;
    ListedFile file{platform::decodePath(entry.name, qsizetype(std::strlen(entry.name))), {}};
    if (isHidden(file.name) || !matchesPattern(file.name, pattern)) continue;
    // A file gone since the listing is left out.
    if (!open.entryStatus(entry.name, &file.status) || file.status.kind != platform::EntryStatus::File) continue;
    listed.push_back(std::move(file));
  }
  std::sort(listed.begin(), listed.end(), [](const ListedFile& a, const ListedFile& b) { return nameSortsBefore(a.name, b.name); });
  for (const ListedFile& file : listed) {
    const platform::EntryStatus& status = file.status;
    // The walk's stamps: the local offset is looked up once per quarter hour, not per file.
    const EntryStamps stamps = entryStamps(status);
    result.files->add(folder, file.name, status.size, {stamps.write, stamps.access, stamps.creation});
    result.totalBytes += status.size;
  }
  return result;
}

QStringList visibleSubFolders(const QString& folder) {
  std::vector<platform::FolderEntry> entries;
  platform::listFolder(folder, &entries);
  QStringList folders;
  for (const platform::FolderEntry& entry : entries) {
    if (entry.isFolder && !isHidden(entry.name)) folders.append(entry.name);
  }
  std::sort(folders.begin(), folders.end(), nameSortsBefore);
  return folders;
}

QString parentFolder(const QString& folder) {
  const qsizetype slash = folder.lastIndexOf(u'/');
  return slash <= 0 ? QStringLiteral("/") : folder.left(slash);
}

QString nearestOpenFolder(const QString& folder) {
  QString nearest = QDir::cleanPath(folder);
  while (nearest != QStringLiteral("/") && !platform::OpenFolder::openRoot(nearest).isOpen()) nearest = parentFolder(nearest);
  return nearest;
}

}  // namespace tessaly
