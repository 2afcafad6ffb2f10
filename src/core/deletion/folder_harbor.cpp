#include "core/deletion/folder_harbor.h"

#include "core/common/settings_store.h"
#include "core/safeharbor/folder_entries.h"
#include "core/safeharbor/folders_file.h"
#include "core/safeharbor/pattern_lines.h"
#include "platform/directory_reader.h"

namespace tessaly {
namespace {

// Moves an entry that lies strictly inside one of the two spellings of the folder onto the
// run's own spelling; empty when it lies elsewhere.
class InsideRebase {
 public:
  InsideRebase(const QString& folder, const QString& realFolder)
      : top_(normalizedFolder(folder)), realTop_(normalizedFolder(realFolder)) {}

  QString operator()(const QString& entry) const {
    const QString normalized = normalizedEntry(entry);
    const QString folder = entryFolder(normalized);
    const QString mark = coversSubFolders(normalized) ? allFilesMark : QString();
    for (const QString& prefix : {top_, realTop_}) {
      if (!prefix.isEmpty() && folder.size() > prefix.size() && folder.startsWith(prefix))
        return top_ + folder.mid(prefix.size()) + mark;
    }
    return {};
  }

 private:
  QString top_, realTop_;
};

QStringList insideOnly(const QStringList& entries, const InsideRebase& rebase) {
  QStringList inside;
  for (const QString& entry : entries) {
    const QString moved = rebase(entry);
    if (!moved.isEmpty()) inside.append(moved);
  }
  return inside;
}

}  // namespace

HarborLists storedHarborLists() {
  return {readFoldersFile(), hostFolders(), programSettings().readList(kProtectedTypesSection, {})};
}

FolderHarbor::FolderHarbor(const QString& folder, const QString& realFolder, const HarborLists& lists)
    : check_([] { return HostFolders{}; }) {
  const InsideRebase rebase(folder, realFolder);
  const QStringList saved = insideOnly(lists.savedEntries, rebase);
  QStringList searchPath;
  for (const QString& piece : lists.host.searchPath.split(u':', Qt::SkipEmptyParts))
    searchPath.append(withTrailingSlash(piece));
  searchPath = insideOnly(searchPath, rebase);
  QStringList systemFolders;
  for (const QString& system : lists.host.systemFolders) {
    const QString moved = rebase(withTrailingSlash(system) + allFilesMark);
    if (!moved.isEmpty()) systemFolders.append(entryFolder(moved));
  }
  check_.setFolderLists(saved, true, HostFolders{searchPath.join(u':'), systemFolders});
  check_.setProtectedTypes(lists.protectedTypes);

  QStringList named = saved + searchPath;
  for (const QString& system : std::as_const(systemFolders)) named.append(system + allFilesMark);
  named.removeDuplicates();
  sortEntries(named);
  for (const QString& entry : std::as_const(named)) {
    const QString entryPath = entryFolder(entry);
    platform::EntryStatus status;
    if (!platform::pathStatus(entryPath, &status)) continue;
    InnerEntry inner{entry};
    check_.isInExceptionList(entryPath, false, &inner.reason);
    inside_.append(inner);
  }
}

bool FolderHarbor::keepsFile(const QString& path) {
  int reason = NotProtected;
  // A link or a file that bears the name of a protected folder stays as well.
  return check_.isInExceptionList(path, true, &reason) || check_.isInExceptionList(path, false, &reason);
}

bool FolderHarbor::keepsFolder(const QString& path) {
  int reason = NotProtected;
  return check_.isInExceptionList(path, false, &reason);
}

}  // namespace tessaly
