#include "core/deletion/removal_run.h"

#include <QHash>

#include "core/archive/archive_naming.h"
#include "core/common/dialogs.h"
#include "core/common/removal_totals.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

const QString kCouldNotDelete = QStringLiteral("Couldn't delete file - ");
const QString kCouldNotZip = QStringLiteral("Couldn't zip up file - ");
const QString kChanged = QStringLiteral("The file changed after it was listed and was left in place - ");
const QString kTrashRefused = QStringLiteral("An error occurred sending files to the trash.  The trash may be full.");

// The box keeps its text; the system's reason, when there is one, follows on a second line.
void showFailure(const QString& text, const QString& reason) {
  showError(reason.isEmpty() ? text : text + u'\n' + reason);
}

void showFileFailure(const QString& text, const QString& path, const QString& reason) {
  showFailure(text + platform::displayPath(path), reason);
}

void count(RunOutcome& outcome, const PlannedRemoval& planned) {
  ++outcome.removedFiles;
  outcome.removedBytes += planned.size;
}

bool removeUnchanged(const PlannedRemoval& planned, FileRemover& remover, RunOutcome& outcome) {
  if (!stillAsPlanned(planned)) {
    showFileFailure(kChanged, planned.path, {});
    return false;
  }
  QString reason;
  if (!remover.removeFile(planned.path, &reason)) {
    showFileFailure(kCouldNotDelete, planned.path, reason);
    return false;
  }
  count(outcome, planned);
  return true;
}

// The red gauge: the file being compressed, then the archive being saved, 0 to 100.
class GaugeProgress final : public ArchiveProgress {
 public:
  explicit GaugeProgress(RemovalObserver& observer) : observer_(observer) {}
  bool reportProgress(int percent) override { return observer_.archiveProgress(percent) || observer_.abortRequested(); }

 private:
  RemovalObserver& observer_;
};

}  // namespace

RunOutcome deletePlannedFiles(const std::vector<PlannedRemoval>& plan, FileRemover& remover, RemovalObserver& observer) {
  RunOutcome outcome;
  for (size_t i = 0; i < plan.size(); ++i) {
    observer.fileStarted(int(i), plan[i].path);
    removeUnchanged(plan[i], remover, outcome);
  }
  recordDeletions(RemovalKind::Deleted, outcome.removedFiles, outcome.removedBytes);
  return outcome;
}

RunOutcome trashPlannedFiles(const std::vector<PlannedRemoval>& plan, platform::Trash& trash, RemovalObserver& observer) {
  RunOutcome outcome;
  for (size_t i = 0; i < plan.size(); ++i) {
    observer.fileStarted(int(i), plan[i].path);
    if (!stillAsPlanned(plan[i])) {
      showFileFailure(kChanged, plan[i].path, {});
      continue;
    }
    QString reason;
    if (!trash.moveToTrash(plan[i].path, &reason)) {
      showFailure(kTrashRefused, reason);
      outcome.stopped = true;
      break;
    }
    count(outcome, plan[i]);
  }
  recordDeletions(RemovalKind::Trashed, outcome.removedFiles, outcome.removedBytes);
  return outcome;
}

QString archivePathFor(const ArchiveRunOptions& options) {
  return archiveFileName(options.folder, options.tag, QString::fromUtf16(kHostDrivePart), options.when);
}

RunOutcome archivePlannedFiles(const std::vector<PlannedRemoval>& plan, const ArchiveRunOptions& options,
                               FileRemover& remover, RemovalObserver& observer) {
  RunOutcome outcome;
  ZipWriter writer(archivePathFor(options), options.comment, options.batch);
  QHash<QString, const PlannedRemoval*> byPath;
  GaugeProgress progress(observer);

  auto saveBatch = [&] {
    const CommitResult saved = writer.commit(&progress);
    for (const ArchiveFailure& failure : saved.failed) showFileFailure(kCouldNotZip, failure.path, failure.reason);
    for (const QString& path : saved.archived) removeUnchanged(*byPath.value(path), remover, outcome);
    if (!saved.abandoned.isEmpty()) outcome.stopped = true;
  };

  for (size_t i = 0; i < plan.size() && !outcome.stopped; ++i) {
    if (observer.abortRequested()) {
      outcome.stopped = true;
      break;
    }
    const PlannedRemoval& planned = plan[i];
    observer.fileStarted(int(i), planned.path);
    if (!stillAsPlanned(planned)) {
      showFileFailure(kChanged, planned.path, {});
      continue;
    }
    QString reason;
    switch (writer.add(planned.path, &reason, &progress)) {
      case AddResult::Refused:
        showFileFailure(kCouldNotZip, planned.path, reason);
        continue;
      case AddResult::Aborted:
        outcome.stopped = true;
        continue;
      case AddResult::Queued:
        break;
    }
    byPath.insert(planned.path, &planned);
    if (writer.batchFull()) saveBatch();
  }
  // Files queued when the user aborted were neither saved nor removed: they simply stay.
  if (!outcome.stopped && writer.pendingCount() > 0) saveBatch();
  recordArchived(outcome.removedFiles, outcome.removedBytes);
  return outcome;
}

}  // namespace tessaly
