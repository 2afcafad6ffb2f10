#include "core/stats/statistics_run.h"

#include "core/common/file_types.h"
#include "core/common/text_routines.h"
#include "core/stats/cluster_overhang.h"

namespace tessaly {

void crunchNumbers(StatisticsRecord& record, const WalkEntry& entry, const TypeFilter& filter, bool overhang,
                   const QDate& today) {
  if (!filter.isThisSelected(entry.name)) return;
  ++record.filesSelected;
  collectFileAttr(record, entry.attributes, entry.size);
  dropIntoHourSlot(record, entry);
  const QString extension = extensionOf(entry.name).toUpper();
  addAge(record.ageAccessedCount, record.ageAccessedBytes, entry.accessStamp, entry.size, today);
  addAge(record.ageCreatedCount, record.ageCreatedBytes, entry.creationStamp, entry.size, today);
  addAge(record.ageModifiedCount, record.ageModifiedBytes, entry.writeStamp, entry.size, today);
  record.types.insertType(extension, entry.size);
  const size_t sizeClassIndex = size_t(sizeClass(entry.size));
  ++record.sizeCount[sizeClassIndex];
  record.sizeBytes[sizeClassIndex] += entry.size;
  if (overhang) addSlack(record, entry.size);
}

void StatisticsCollector::entryFound(const QString& folder, const WalkEntry& entry) {
  if (entry.isFolder() || !seen_.firstVisit(entry.device, entry.inode)) return;
  if (showProgress && record_.filesProcessed % 3 == 0) showProgress(folder);
  crunchNumbers(record_, entry, filter_, overhang_, today_);
  ++record_.filesProcessed;
}

StatisticsRun::StatisticsRun(QList<WalkRoot> pickList1, TypeFilter filter)
    : pickList1_(std::move(pickList1)), filter_(std::move(filter)) {}

double StatisticsRun::computePickListTotal() const {
  double total = 0;
  for (const WalkRoot& entry : pickList1_) {
    if (rootDriveReady(entry.path)) total += getDiskSpace(rootDrive(entry.path)).totalBytes;
  }
  return total;
}

QString StatisticsRun::startMessage() const {
  if (pickList1_.size() > 1)
    return QStringLiteral(
        "Since you selected more than one drive to analyze, the Cluster Overhang tab will be disabled.  You may quit "
        "the analysis at any time by clicking CANCEL or by pressing ESC.");
  return QStringLiteral("Disk Drive ") + pickList1_.value(0).text +
         QStringLiteral(" will be scanned.  The analysis may take some time.  You may quit at any time by clicking "
                        "Abort or pressing ESC.");
}

void StatisticsRun::run(WalkPacer* pacer, const DriveHooks& hooks) {
  scanAborted_ = false;
  driveListText_.clear();
  record_.clearVariables();
  SeenFiles seen;
  StatisticsCollector collector(record_, filter_, overhangEnabled(), seen);
  collector.showProgress = [this](const QString& folder) {
    if (showStatus) showStatus(QStringLiteral("Processing drive ") + currentDrive_ + QStringLiteral(" ... standby : ") + folder);
  };
  WalkRequest request;
  request.fileMask = kAllEntriesMask;
  DirectoryWalk walk(request, collector, pacer);
  walk_ = &walk;
  for (const WalkRoot& entry : pickList1_) {
    if (scanAborted_) break;
    currentDrive_ = entry.text;
    driveListText_ += entry.text + u' ';
    if (!rootDriveReady(entry.path)) continue;
    clusterSize_ = computeClusterSize(entry.path);
    if (hooks.starting) hooks.starting();
    walk.walkRoots({entry});
    if (hooks.finished) hooks.finished();
  }
  walk_ = nullptr;
}

void StatisticsRun::abort() {
  scanAborted_ = true;
  if (walk_) walk_->abort();
}

QString StatisticsRun::caption() const {
  if (scanAborted_) return QStringLiteral("Statistics for drive(s) incomplete ... aborted.");
  return QStringLiteral("Stats done for ") + driveListText_;
}

QString StatisticsRun::statusText() const {
  QString text = QStringLiteral("Finished - ") + formatThousands(record_.filesProcessed) + QStringLiteral(" files processed");
  if (record_.filesSelected != record_.filesProcessed)
    text += u' ' + formatThousands(record_.filesSelected) + QStringLiteral(" files found");
  if (scanAborted_) text += QStringLiteral(" INCOMPLETE ... ABORTED");
  return text;
}

}  // namespace tessaly
