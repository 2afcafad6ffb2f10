#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "core/archive/zip_writer.h"
#include "core/deletion/file_remover.h"
#include "core/deletion/removal_plan.h"
#include "platform/trash.h"

namespace tessaly {

// What a run tells the window, and how the window stops it.
class RemovalObserver {
 public:
  virtual ~RemovalObserver() = default;
  virtual void fileStarted(int index, const QString& path) = 0;
  // The archive being saved, 0 to 100; true asks the engine to abort.
  virtual bool archiveProgress(int percent) = 0;
  virtual bool abortRequested() = 0;
};

// What a run really removed: only these are added to the removal totals.
struct RunOutcome {
  qint64 removedFiles = 0;
  qint64 removedBytes = 0;
  bool stopped = false;  // aborted, or the trash refused
};

struct ArchiveRunOptions {
  QString folder;   // the archive folder
  QString tag;      // the caller's archive tag
  QString comment;
  QDateTime when;   // taken once per run; it names the archive
  BatchLimits batch;
};

// Each run re-checks every file just before removing it, reports each failure in an error box
// and goes on, and records what it removed in the removal totals.
RunOutcome deletePlannedFiles(const std::vector<PlannedRemoval>& plan, FileRemover& remover, RemovalObserver& observer);
// Stops at the first refusal of the trash; what was not moved stays and is not counted.
RunOutcome trashPlannedFiles(const std::vector<PlannedRemoval>& plan, platform::Trash& trash, RemovalObserver& observer);
// Archives in batches and removes a file only once its batch is saved and read back.
RunOutcome archivePlannedFiles(const std::vector<PlannedRemoval>& plan, const ArchiveRunOptions& options,
                               FileRemover& remover, RemovalObserver& observer);

// The archive an archive run of these options writes to.
QString archivePathFor(const ArchiveRunOptions& options);

}  // namespace tessaly
