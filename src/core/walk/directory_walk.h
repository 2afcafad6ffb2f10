#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "core/common/dos_time.h"

namespace tessaly {

// Attribute bits of a directory entry, as the masks of the tools use them.
enum Attribute : quint8 {
  ReadOnlyAttribute = 1,
  HiddenAttribute = 2,
  SystemAttribute = 4,
  VolumeLabelAttribute = 8,
  DirectoryAttribute = 16,
  ArchiveAttribute = 32,
};

// Masks of the tools' file scans.
inline constexpr quint8 kSubFolderMask = 16;
inline constexpr quint8 kAllEntriesMask = 63;   // folder hogs, statistics
inline constexpr quint8 kQuickCleanMask = 43;
inline constexpr quint8 kDuplicatesMask = 41;   // duplicate files, file hogs
inline constexpr quint8 kFilesByDateMask = 40;

// One entry handed to a visitor.
struct WalkEntry {
  QString name;
  qint64 size = 0;
  quint8 attributes = 0;
  DosStamp accessStamp = 0;
  DosStamp writeStamp = 0;
  DosStamp creationStamp = 0;  // 0 where the file system records none
  quint64 device = 0;          // with inode, tells a file reached twice
  quint64 inode = 0;

  bool isFolder() const { return attributes & DirectoryAttribute; }
};

// What a tool does with what the walk finds. Paths have no trailing "/" except "/".
class WalkVisitor {
 public:
  virtual ~WalkVisitor() = default;
  // A folder's walk begins (its sub-folders, then its files); depth 0 is the root.
  virtual void folderEntered(const QString& path, int depth) { Q_UNUSED(path) Q_UNUSED(depth) }
  // An entry of a folder's file scan that passed the pattern and the mask. Folders come
  // here only when the mask holds the directory bit.
  virtual void entryFound(const QString& folder, const WalkEntry& entry) = 0;
  // The folder's file scan begins (after its sub-folders). A folder left before this
  // (abort, or a root whose listing is empty under skipFilesWhenListingIsEmpty) had none.
  virtual void fileScanBegins(const QString& path, int depth) { Q_UNUSED(path) Q_UNUSED(depth) }
  // The folder and everything below it are done; also called for every open level when an
  // abort unwinds the walk.
  virtual void folderLeft(const QString& path, int depth) { Q_UNUSED(path) Q_UNUSED(depth) }
};

// Keeps a window alive during a walk. The walk calls progress() once per folder and
// pump() after each entry; a window handles its pending events there, at most every few
// milliseconds. Command-line runs pass none.
class WalkPacer {
 public:
  virtual ~WalkPacer() = default;
  virtual void progress(const QString& folder) { Q_UNUSED(folder) }
  virtual void pump() {}
};

struct WalkRequest {
  QString pattern = QStringLiteral("*.*");  // matched case-insensitively
  quint8 fileMask = kDuplicatesMask;
  // Folder hogs' all-folders walk: a folder whose sub-folder listing finds nothing at all
  // gets no file scan.
  bool skipFilesWhenListingIsEmpty = false;
};

// One item of a drive list: a mount point or an added folder, and its text for messages.
struct WalkRoot {
  QString path;
  QString text;
};

// The one directory walk of the program: depth first, sub-folders before files, never
// following a link, never leaving the root's file system, never entering pseudo file
// systems; memory grows with depth only.
class DirectoryWalk {
 public:
  DirectoryWalk(WalkRequest request, WalkVisitor& visitor, WalkPacer* pacer = nullptr);

  // Walks each root in order: a root whose drive is not ready is skipped silently, one that
  // cannot be entered gets "Can't open drive " and its text (an error box without the error
  // sound). perRoot runs before each walk. The abort flag is cleared first; once it is set,
  // the later roots are not opened.
  void walkRoots(const QList<WalkRoot>& roots, const std::function<void(const WalkRoot&)>& perRoot = {});
  // Walks one root; false when it cannot be entered.
  bool walk(const QString& root);

  // Unwinds every open level at its next test; what was found stays.
  void abort() { aborted_ = true; }
  bool aborted() const { return aborted_; }

 private:
  bool walkRoot(const QString& root, const std::function<void()>& beforeWalk);

  WalkRequest request_;
  WalkVisitor& visitor_;
  WalkPacer* pacer_;
  bool aborted_ = false;
};

// The readiness of the drive holding a root, not of the root itself: an added folder that is
// gone lives on a ready drive, and is reported as a root that cannot be opened.
bool rootDriveReady(const QString& root);
// The mount point of the drive holding a root; the root itself when no listed drive holds it.
QString rootDrive(const QString& root);

// Wildcards "*" and "?", case-insensitive; "*.*" matches every name, with or without a dot.
bool matchesPattern(const QString& name, const QString& pattern);
// The mask rule: entries without hidden, system, volume-label and directory bits always
// pass; others only when every one of those bits they have is in the mask.
bool passesMask(quint8 attributes, quint8 mask);

}  // namespace tessaly
