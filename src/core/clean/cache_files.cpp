#include "core/clean/cache_files.h"

#include <algorithm>

#include "core/common/settings_store.h"
#include "core/common/text_routines.h"
#include "platform/browser_caches.h"
#include "platform/directory_reader.h"
#include "platform/host_path.h"

namespace tessaly {

QStringList readCacheFolders() {
  return programSettings().readList(kCacheFilesSection, platform::browserCacheFolders());
}

void writeCacheFolders(const QStringList& folders) { programSettings().writeList(kCacheFilesSection, folders); }

QStringList CacheCollection::paths() const {
  QStringList paths;
  paths.reserve(qsizetype(files.size()));
  for (const CacheFile& file : files) paths.append(file.path);
  return paths;
}

void collectCacheFiles(const QString& folder, int minimumAgeDays, const QDate& today, CacheCollection& into) {
  if (folder.isEmpty()) return;
  const platform::OpenFolder open = platform::OpenFolder::openRoot(folder);
  platform::FolderListing listing;
  if (!open.isOpen() || !listing.read(open)) return;
  std::vector<CacheFile> found;
  for (const platform::FolderListing::Entry entry : listing) {
    platform::EntryStatus status;
    // Links, sockets and the like are no cache data, and the removal would refuse them.
    if (!open.entryStatus(entry.name, &status) || status.kind != platform::EntryStatus::File) continue;
    const DosStamp accessed = dosStampFromEpoch(status.accessSeconds);
    if (ageInDaysOn(accessed, today) < minimumAgeDays) continue;
    found.push_back({joinPath(folder, platform::decodePath(entry.name, qstrlen(entry.name))), status.size, accessed});
  }
  std::sort(found.begin(), found.end(), [](const CacheFile& a, const CacheFile& b) { return a.path < b.path; });
  for (CacheFile& file : found) {
    into.bytes += file.size;
    into.files.push_back(std::move(file));
  }
}

CacheCollection collectCacheFolders(const QStringList& folders, int minimumAgeDays, const QDate& today) {
  CacheCollection collection;
  for (const QString& folder : folders) collectCacheFiles(folder, minimumAgeDays, today, collection);
  return collection;
}

}  // namespace tessaly
