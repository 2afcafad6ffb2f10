#include "core/deletion/folder_run.h"

#include <optional>

#include "core/common/dialogs.h"
#include "core/common/removal_totals.h"
#include "core/common/text_routines.h"
#include "core/deletion/folder_archive_queue.h"
#include "core/deletion/folder_walk.h"
#include "platform/folder_removal.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

using platform::EntryStatus;
using platform::RemovalResult;

// The warning names at most this many protected entries; the rest are counted.
constexpr qsizetype kNamedEntries = 12;

const QString kCouldNotDelete = QStringLiteral("Couldn't delete file - ");
const QString kCouldNotRemoveFolder = QStringLiteral("Couldn't remove folder - ");
const QString kCouldNotOpenFolder = QStringLiteral("Couldn't open folder - ");
const QString kTrashRefused = QStringLiteral("An error occurred sending files to the trash.  The trash may be full.");
const QString kMovedDuringRun =
    QStringLiteral("The file is no longer where the run found it and was left in place - ");

QString withReason(const QString& text, const QString& reason) {
  return reason.isEmpty() ? text : text + u'\n' + reason;
}

// The box keeps its text and the path as the user reads it; the system's reason follows.
void showPathFailure(const QString& text, const QString& path, const QString& reason = {}) {
  showError(withReason(text + platform::displayPath(path), reason));
}

// The run's own Cancel: a refused question stops it as the Cancel button does, and the archive
// run sees both.
class StoppableObserver final : public RemovalObserver {
 public:
  explicit StoppableObserver(FolderRunObserver& window) : window_(window) {}
  void fileStarted(int index, const QString& path) override { window_.fileStarted(index, path); }
  bool archiveProgress(int percent) override { return window_.archiveProgress(percent) || stopped_; }
  bool abortRequested() override { return stopped_ || window_.abortRequested(); }
  void stop() { stopped_ = true; }

 private:
  FolderRunObserver& window_;
  bool stopped_ = false;
};

// The first pass: every file, link and device of the tree, each as the run's kind has it.
class FileStep final : public FolderWalkVisitor {
 public:
  FileStep(const FolderRunRequest& request, FolderRunServices& services, FolderHarbor& harbor,
           FolderRunObserver& window, FolderRunReport& report)
      : request_(request), services_(services), harbor_(harbor), window_(window), report_(report), observer_(window) {
    if (request.kind == FolderRunKind::Zip) queue_.emplace(request.archive, request.deleteAfterZip, observer_);
  }

  bool stopped() { return observer_.abortRequested() || (queue_ && queue_->outcome().stopped); }

  void entryReached(const ReachedEntry& entry) override {
    if (harbor_.keepsFile(entry.path)) {
      ++report_.kept;
      return;
    }
    if (queue_ && entry.status.kind != EntryStatus::File) {
      ++report_.notArchived;
      return;
    }
    if (report_.removesFiles() && !attributesAllowed(entry)) {
      observer_.stop();
      return;
    }
    window_.fileReached(++report_.processed, entry.path);
    switch (request_.kind) {
      case FolderRunKind::Delete: deleteEntry(entry); break;
      case FolderRunKind::Trash: trashEntry(entry); break;
      case FolderRunKind::Zip: queueEntry(entry); break;
    }
  }

  void otherMountReached(const QString& path) override { report_.otherMounts.append(path); }

  void folderNotOpened(const QString& path, const QString& reason) override {
    ++report_.foldersNotOpened;
    showPathFailure(kCouldNotOpenFolder, path, reason);
  }

  // What waits for the archive is saved, unless the run was stopped: then it simply stays.
  void finish() {
    if (queue_) {
      if (!stopped()) queue_->flush();
      report_.removedFiles = queue_->outcome().removedFiles;
      report_.removedBytes = queue_->outcome().removedBytes;
    }
    report_.aborted = report_.aborted || stopped();
    // Every file a finished zip run reached went into the archive or was reported there.
    if (queue_ && !report_.aborted) report_.failed = report_.processed - report_.removedFiles;
  }

 private:
  // One question per attribute the entry has, read-only, hidden, system in this order; any
  // answer but Yes stops the run and leaves the entry alone.
  static bool attributesAllowed(const ReachedEntry& entry) {
    QStringList attributes;
    if (!entry.status.ownerWritable) attributes.append(QStringLiteral(" is read-only, "));
    if (entry.name[0] == '.') attributes.append(QStringLiteral(" is hidden, "));
    if (entry.status.kind == EntryStatus::Other) attributes.append(QStringLiteral(" is a system file, "));
    for (const QString& attribute : std::as_const(attributes)) {
      const QString question =
          platform::displayPath(entry.path) + attribute + QStringLiteral("Delete this file and continue deleting the remaining files? ");
      if (dialogs().ask(MessageStyle::Question, kFolderDeletionCaption, question, AnswerSet::YesNoCancel) != Answer::Yes)
        return false;
    }
    return true;
  }

  void counted(const ReachedEntry& entry) {
    ++report_.removedFiles;
    report_.removedBytes += entry.status.size;
  }

  void deleteEntry(const ReachedEntry& entry) {
    QString reason;
    if (platform::removeEntryAt(*entry.folder, entry.name, false, &reason) == RemovalResult::Removed) {
      counted(entry);
      return;
    }
    ++report_.failed;
    showPathFailure(kCouldNotDelete, entry.path, reason);
  }

  void trashEntry(const ReachedEntry& entry) {
    // The trash works on paths: the path must still lead to the entry the walk holds.
    if (!platform::pathNames(entry.path, entry.status)) {
      ++report_.failed;
      showPathFailure(kMovedDuringRun, entry.path);
      return;
    }
    QString reason;
    if (services_.trash->moveToTrash(entry.path, &reason)) {
      counted(entry);
      return;
    }
    ++report_.failed;
    report_.aborted = true;
    observer_.stop();
    showError(withReason(kTrashRefused, reason));
  }

  void queueEntry(const ReachedEntry& entry) {
    if (!queue_->add(entry)) {
      ++report_.failed;
      showPathFailure(kMovedDuringRun, entry.path);
      return;
    }
    if (queue_->full()) queue_->flush();
  }

  const FolderRunRequest& request_;
  FolderRunServices& services_;
  FolderHarbor& harbor_;
  FolderRunObserver& window_;
  FolderRunReport& report_;
  StoppableObserver observer_;
  std::optional<FolderArchiveQueue> queue_;
};

// The second pass: the folders the first one emptied, deepest first. A folder that still holds
// something (kept, failed, another mount) stays without a word.
class FolderStep final : public FolderWalkVisitor {
 public:
  FolderStep(FolderHarbor& harbor, FolderRunReport& report) : harbor_(harbor), report_(report) {}

  void entryReached(const ReachedEntry&) override {}
  void otherMountReached(const QString&) override {}
  void folderNotOpened(const QString&, const QString&) override {}

  void folderDone(const ReachedEntry& folder) override {
    if (harbor_.keepsFolder(folder.path)) return;
    removeFolder(*folder.folder, folder.name, folder.path);
  }

  void removeFolder(const platform::OpenFolder& parent, const char* name, const QString& path) {
    QString reason;
    const RemovalResult result = platform::removeEntryAt(parent, name, true, &reason);
    if (result == RemovalResult::Removed && path == report_.folder) report_.folderRemoved = true;
    if (result != RemovalResult::Failed) return;
    ++report_.failed;
    showPathFailure(kCouldNotRemoveFolder, path, reason);
  }

 private:
  FolderHarbor& harbor_;
  FolderRunReport& report_;
};

}  // namespace

bool FolderRunReport::complete() const {
  const bool everyFileWent = processed == removedFiles && failed == 0 && foldersNotOpened == 0;
  return started && !aborted && everyFileWent && (!removesFiles() || notArchived == 0);
}

QString protectedFolderWarning(int reason, const QList<InnerEntry>& inside) {
  if (reason == NotProtected && inside.isEmpty()) return {};
  const int shown = reason != NotProtected ? reason : inside.first().reason;
  const QString warning =
      QStringLiteral("Warning: the folder or a sub-folder of the one to delete is marked NOT to be deleted because it is ") +
      exceptionReasonText(shown) + QStringLiteral(".  You may not want to delete it at this time.");
  const QString question = QStringLiteral("Really delete?");
  if (inside.isEmpty()) return warning + QStringLiteral("  ") + question;
  QString text = warning + QStringLiteral("\n\nThese folders inside it are on the Safe Harbor List and are kept in place, with what they protect:");
  for (qsizetype i = 0; i < std::min(inside.size(), kNamedEntries); ++i)
    text += u'\n' + platform::displayPath(inside[i].entry) + QStringLiteral(" (") + exceptionReasonText(inside[i].reason) + u')';
  if (inside.size() > kNamedEntries) text += QStringLiteral("\nand %1 more").arg(inside.size() - kNamedEntries);
  return text + QStringLiteral("\n\n") + question;
}

namespace {

// The folder a run removes, held through its parent: each pass opens it afresh by its name
// there (a listing is read once per descriptor), and must find the very folder it began with.
class RunFolder {
 public:
  RunFolder(const QString& path, QString* reason)
      : parent_(platform::openFolderPath(path.left(std::max<qsizetype>(1, path.lastIndexOf(u'/'))), reason)),
        name_(platform::encodePath(path.mid(path.lastIndexOf(u'/') + 1))) {
    const SharedFolder first = open(reason);
    if (first) first->status(&status_);
  }
  bool isOpen() const { return status_.inode != 0; }
  const platform::OpenFolder& parent() const { return parent_; }
  const char* name() const { return name_.constData(); }

  // Null when the folder is gone or is another one now.
  SharedFolder open(QString* reason) const {
    if (!parent_.isOpen()) return {};
    auto folder = std::make_shared<platform::OpenFolder>(platform::openSubFolder(parent_, name(), reason));
    EntryStatus now;
    if (!folder->isOpen() || !folder->status(&now)) return {};
    if (isOpen() && (now.device != status_.device || now.inode != status_.inode)) {
      if (reason) *reason = QStringLiteral("it changed during the run");
      return {};
    }
    return folder;
  }

 private:
  platform::OpenFolder parent_;
  QByteArray name_;
  EntryStatus status_;
};

}  // namespace

FolderRunReport runFolderDeletion(const FolderRunRequest& request, FolderRunServices& services, FolderRunObserver& observer) {
  FolderRunReport report;
  report.folder = request.folder;
  report.kind = request.kind;
  report.deleteAfterZip = request.deleteAfterZip;
  if (request.kind == FolderRunKind::Zip) report.archivePath = archivePathFor(request.archive);
  FolderHarbor harbor(request.folder, platform::resolvedPath(request.folder), services.harbor);
  int reason = NotProtected;
  services.protection->isInExceptionList(request.folder, false, &reason);
  const QString warning = protectedFolderWarning(reason, harbor.entriesInside());
  if (!warning.isEmpty() &&
      dialogs().ask(MessageStyle::Warning, kFolderDeletionCaption, warning, AnswerSet::YesNo) != Answer::Yes)
    return report;

  QString why;
  const RunFolder folder(request.folder, &why);
  if (!folder.isOpen()) {
    showPathFailure(QStringLiteral("Cannot open the folder "), request.folder, why);
    return report;
  }
  report.started = true;
  // An empty folder simply goes, with nothing to count or report.
  if (request.kind != FolderRunKind::Zip &&
      platform::removeEntryAt(folder.parent(), folder.name(), true, nullptr) == RemovalResult::Removed) {
    report.folderRemoved = true;
    return report;
  }

  const auto pump = [&] { observer.letEventsRun(); };
  FileStep files(request, services, harbor, observer, report);
  if (const SharedFolder top = folder.open(&why)) FolderWalk(files, pump, [&] { return files.stopped(); }).run(top, request.folder);
  files.finish();
  if (request.kind != FolderRunKind::Zip)
    recordDeletions(request.kind == FolderRunKind::Trash ? RemovalKind::Trashed : RemovalKind::Deleted, report.removedFiles,
                    report.removedBytes);
  if (report.aborted || !report.removesFiles()) return report;

  FolderStep folders(harbor, report);
  const SharedFolder top = folder.open(&why);
  if (!top) {
    ++report.failed;
    showPathFailure(kCouldNotOpenFolder, request.folder, why);
    return report;
  }
  FolderWalk(folders, pump, [&] { return observer.abortRequested(); }).run(top, request.folder);
  if (observer.abortRequested()) report.aborted = true;
  else folders.removeFolder(folder.parent(), folder.name(), request.folder);
  return report;
}

QString folderRunReportText(const FolderRunReport& report) {
  if (!report.started) return {};
  QStringList lines;
  if (report.kept > 0)
    lines.append(QStringLiteral("%1 files on the Safe Harbor List were kept in place.").arg(formatThousands(report.kept)));
  if (report.failed > 0)
    lines.append((report.removesFiles() ? QStringLiteral("%1 files or folders could not be removed and were left in place.")
                                        : QStringLiteral("%1 files could not be zipped up."))
                     .arg(formatThousands(report.failed)));
  if (report.notArchived > 0)
    lines.append(QStringLiteral("%1 links or special files cannot be stored in an archive and were left in place.")
                     .arg(formatThousands(report.notArchived)));
  if (report.foldersNotOpened > 0)
    lines.append(QStringLiteral("%1 folders could not be opened and were left in place.").arg(formatThousands(report.foldersNotOpened)));
  for (const QString& mount : report.otherMounts)
    lines.append(QStringLiteral("The folder ") + platform::displayPath(mount) + QStringLiteral(" is another mounted file system: it was not entered and keeps its contents."));
  if (report.processed == 0 && !report.aborted && lines.isEmpty()) return {};

  QString summary;
  if (report.kind == FolderRunKind::Zip) {
    summary = QStringLiteral("Zipped up ") + formatThousands(report.removedFiles) + QStringLiteral(" files");
    if (report.aborted) summary += QStringLiteral(" (Note: Zip operation canceled ... not all files zipped)");
  } else {
    summary = QStringLiteral("Deleted ") + formatThousands(report.removedFiles) + QStringLiteral(" files for a savings of ") +
              formatThousands(report.removedBytes) + QStringLiteral(" bytes.");
    if (report.aborted) summary += QStringLiteral(" (Note: Deletion operation canceled ... not all files deleted)");
  }
  if (report.kind == FolderRunKind::Zip && report.removedFiles > 0)
    lines.prepend(QStringLiteral("Stored in the archive \"") + platform::displayPath(report.archivePath) + u'"');
  if (report.removesFiles() && !report.folderRemoved)
    lines.append(QStringLiteral("The folder ") + platform::displayPath(report.folder) + QStringLiteral(" was left in place, with what stayed in it."));
  lines.prepend(summary);
  return lines.join(u'\n');
}

}  // namespace tessaly
