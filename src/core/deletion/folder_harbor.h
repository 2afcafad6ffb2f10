#pragma once

#include <QString>
#include <QStringList>

#include "core/safeharbor/safe_harbor.h"

namespace tessaly {

// Every entry of the safe harbor as it is stored, none pruned: a folder run must keep an
// entry inside the folder even where an entry above the folder covers it.
struct HarborLists {
  QStringList savedEntries;   // folders.txt
  HostFolders host;           // the search path and the system folders
  QStringList protectedTypes; // the keep list
};

// The program's lists: folders.txt, the host's folders and the stored keep list.
HarborLists storedHarborLists();

// One safe harbor entry that lies inside the folder to remove.
struct InnerEntry {
  QString entry;  // as the check compares it: "/a/b/" or "/a/b/*.*"
  int reason = NotProtected;
};

// What the safe harbor protects inside a folder a run is about to remove: the entries that
// lie below it and the files of a protected type. The folder's own entry, and any above it,
// is for the warning alone: Yes to it removes the folder, as designed.
class FolderHarbor {
 public:
  // folder is the path the run walks; realFolder the same folder with its links resolved,
  // where entries may be written too.
  FolderHarbor(const QString& folder, const QString& realFolder, const HarborLists& lists);

  // The entries inside whose folder exists, in the run's own path form, sorted.
  const QList<InnerEntry>& entriesInside() const { return inside_; }
  // A file the run leaves in place.
  bool keepsFile(const QString& path);
  // A folder the run leaves in place (an entry names it, or a "*.*" entry covers it).
  bool keepsFolder(const QString& path);

 private:
  SafeHarbor check_;
  QList<InnerEntry> inside_;
};

}  // namespace tessaly
