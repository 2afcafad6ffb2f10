#pragma once

#include <QHash>
#include <QSet>
#include <vector>

#include "core/deletion/folder_walk.h"
#include "core/deletion/removal_run.h"

namespace tessaly {

// The files of a folder run on their way into its archive. They go through the deletion
// window's archive run, so a file is removed only once the archive holding it is saved and
// its entry read back; the removal itself goes through the folder that holds the file.
class FolderArchiveQueue {
 public:
  // With removeArchived false the files stay where they are once archived.
  FolderArchiveQueue(const ArchiveRunOptions& options, bool removeArchived, RemovalObserver& observer);

  // False when the path no longer leads to the entry the walk reached: the file stays.
  bool add(const ReachedEntry& entry);
  // Time to archive what waits: as many files or bytes as one save of the archive takes, or
  // as many folders held open as the descriptor budget allows.
  bool full() const;
  // Archives and removes what waits; adds what was archived to the run's outcome.
  void flush();
  const RunOutcome& outcome() const { return outcome_; }

 private:
  struct Waiting {
    SharedFolder folder;
    QByteArray name;
    platform::EntryStatus status;
  };
  class Remover final : public FileRemover {
   public:
    explicit Remover(FolderArchiveQueue& queue) : queue_(queue) {}
    bool removeFile(const QString& path, QString* reason) override;

   private:
    FolderArchiveQueue& queue_;
  };

  ArchiveRunOptions options_;
  bool removeArchived_;
  RemovalObserver& observer_;
  Remover remover_{*this};
  std::vector<PlannedRemoval> plan_;
  QHash<QString, Waiting> waiting_;
  QSet<const platform::OpenFolder*> heldFolders_;
  qint64 waitingBytes_ = 0;
  qint64 archiveBytes_ = 0;  // each save copies the archive, so a save must grow with it
  const qsizetype folderBudget_;
  RunOutcome outcome_;
};

}  // namespace tessaly
