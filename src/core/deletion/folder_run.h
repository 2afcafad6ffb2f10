#pragma once

#include <QString>
#include <QStringList>

#include "core/deletion/folder_harbor.h"
#include "core/deletion/removal_run.h"
#include "platform/trash.h"

namespace tessaly {

// The caption of the folder deletion window; its questions carry it, also on the command line.
inline const QString kFolderDeletionCaption = QStringLiteral("Clean directory, sub-directories and all files");
// The archive tag of folder runs.
inline const QString kFolderArchiveTag = QStringLiteral("FolderClean");

enum class FolderRunKind : quint8 { Delete, Trash, Zip };

struct FolderRunRequest {
  QString folder;  // a full path without "/" at its end
  FolderRunKind kind = FolderRunKind::Delete;
  bool deleteAfterZip = true;  // zip runs: "Delete files after zipping them up"
  ArchiveRunOptions archive;   // zip runs
};

// What a run asks of the program besides the file system.
struct FolderRunServices {
  ProtectionCheck* protection = nullptr;  // asked about the folder itself, for the warning
  HarborLists harbor;                     // what the run keeps inside the folder
  platform::Trash* trash = nullptr;
};

// A window following a run: the running count and the file being processed, the archive's
// progress, and its Cancel.
class FolderRunObserver : public RemovalObserver {
 public:
  virtual void fileReached(qint64 count, const QString& path) = 0;
  // Called before every entry of the tree, so Cancel stays live in folders that hold nothing
  // to remove.
  virtual void letEventsRun() {}
};

// What a run did. Files counted as removed are really gone (or, in a zip run, in a saved and
// checked archive); everything else stayed where it was.
struct FolderRunReport {
  QString folder;
  FolderRunKind kind = FolderRunKind::Delete;
  bool deleteAfterZip = true;
  bool started = false;         // false: the warning was declined, or the folder cannot be opened
  bool folderRemoved = false;   // the folder itself is gone
  qint64 processed = 0;         // files reached, the running count
  qint64 removedFiles = 0;
  qint64 removedBytes = 0;
  qint64 kept = 0;              // files the safe harbor protects
  qint64 failed = 0;            // files and folders that should have gone and could not
  qint64 notArchived = 0;       // links and special files, which an archive cannot hold
  qint64 foldersNotOpened = 0;
  QStringList otherMounts;      // mount points inside, not entered
  QString archivePath;          // zip runs: the archive the files went into
  bool aborted = false;         // Cancel, a refused question or a refusing trash

  bool removesFiles() const { return kind != FolderRunKind::Zip || deleteAfterZip; }
  // Everything that should have gone (or, without deleting, into the archive) did.
  bool complete() const;
};

// The warning before a run, or empty when neither the folder nor anything inside it is
// protected. reason is the safe harbor's answer about the folder itself.
QString protectedFolderWarning(int reason, const QList<InnerEntry>& inside);

// The whole run: the warning, then every file (with the attribute questions), then the emptied
// folders and the folder itself. Questions and failures go through the dialogs; the removal
// totals are recorded.
FolderRunReport runFolderDeletion(const FolderRunRequest& request, FolderRunServices& services, FolderRunObserver& observer);

// The closing report, empty when there is nothing to say (an empty folder simply went).
QString folderRunReportText(const FolderRunReport& report);

}  // namespace tessaly
