#include "core/deletion/folder_archive_queue.h"

#include "platform/folder_removal.h"

namespace tessaly {
namespace {

qint64 archiveSize(const ArchiveRunOptions& options) {
  platform::EntryStatus status;
  return platform::pathStatus(archivePathFor(options), &status) ? status.size : 0;
}

}  // namespace

FolderArchiveQueue::FolderArchiveQueue(const ArchiveRunOptions& options, bool removeArchived, RemovalObserver& observer)
    : options_(options),
      removeArchived_(removeArchived),
      observer_(observer),
      archiveBytes_(archiveSize(options)),
      folderBudget_(std::max(4, platform::folderDescriptorBudget() / 2)) {}

bool FolderArchiveQueue::add(const ReachedEntry& entry) {
  // The archive reads the file by its path; that path must still lead to what the walk holds.
  if (!platform::pathNames(entry.path, entry.status)) return false;
  plan_.push_back(planRemovals({entry.path}).front());
  waiting_.insert(entry.path, {entry.folder, QByteArray(entry.name), entry.status});
  heldFolders_.insert(entry.folder.get());
  waitingBytes_ += entry.status.size;
  return true;
}

bool FolderArchiveQueue::full() const {
  return plan_.size() >= size_t(options_.batch.files) ||
         waitingBytes_ >= std::max(options_.batch.minimumBytes, archiveBytes_) || heldFolders_.size() >= folderBudget_;
}

void FolderArchiveQueue::flush() {
  if (plan_.empty()) return;
  const RunOutcome saved = archivePlannedFiles(plan_, options_, remover_, observer_);
  outcome_.removedFiles += saved.removedFiles;
  outcome_.removedBytes += saved.removedBytes;
  outcome_.stopped = outcome_.stopped || saved.stopped;
  plan_.clear();
  waiting_.clear();
  heldFolders_.clear();
  waitingBytes_ = 0;
  archiveBytes_ = archiveSize(options_);
}

bool FolderArchiveQueue::Remover::removeFile(const QString& path, QString* reason) {
  const auto found = queue_.waiting_.constFind(path);
  if (found == queue_.waiting_.constEnd()) return false;
  if (!queue_.removeArchived_) return true;
  const Waiting& waiting = found.value();
  platform::EntryStatus now;
  if (!waiting.folder->entryStatus(waiting.name.constData(), &now) || now.kind != platform::EntryStatus::File ||
      now.device != waiting.status.device || now.inode != waiting.status.inode) {
    *reason = QStringLiteral("it is no longer the file that was archived");
    return false;
  }
  return platform::removeEntryAt(*waiting.folder, waiting.name.constData(), false, reason) == platform::RemovalResult::Removed;
}

}  // namespace tessaly
