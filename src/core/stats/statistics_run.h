#pragma once

#include <QDate>
#include <QList>
#include <functional>

#include "core/search/seen_files.h"
#include "core/stats/statistics_record.h"
#include "core/stats/type_filter.h"
#include "core/walk/directory_walk.h"

namespace tessaly {

inline const QString kNoCapacity = QStringLiteral(
    "Could not compute the total size of the disk drives selected.  Cannot proceed with statistics.");

// Classifies one file into every accumulator of the record (after the type filter).
void crunchNumbers(StatisticsRecord& record, const WalkEntry& entry, const TypeFilter& filter, bool overhang,
                   const QDate& today);

// The file scan of a statistics walk: every file of every folder, hidden and system ones
// too, each file on the disk once however often the walk reaches it.
class StatisticsCollector final : public WalkVisitor {
 public:
  StatisticsCollector(StatisticsRecord& record, const TypeFilter& filter, bool overhang, SeenFiles& seen,
                      QDate today = QDate::currentDate())
      : record_(record), filter_(filter), overhang_(overhang), seen_(seen), today_(today) {}

  void entryFound(const QString& folder, const WalkEntry& entry) override;
  // Shown for the 1st, 4th, 7th ... file with that file's folder.
  std::function<void(const QString& folder)> showProgress;

 private:
  StatisticsRecord& record_;
  const TypeFilter& filter_;
  bool overhang_;
  SeenFiles& seen_;
  QDate today_;
};

// One "&Collect statistics" run over the chosen drives and folders, without its window.
class StatisticsRun {
 public:
  StatisticsRun(QList<WalkRoot> pickList1, TypeFilter filter);

  // The summed capacity of the ready entries; the run cannot go on unless it is above 0.
  double computePickListTotal() const;
  // The information shown before the walk starts.
  QString startMessage() const;

  // What the window does around each ready entry's walk.
  struct DriveHooks {
    std::function<void()> starting;  // the cluster size is known, the walk is about to begin
    std::function<void()> finished;  // the walk has ended (the window refreshes its pages)
  };

  // Clears the record and walks every entry in order until aborted.
  void run(WalkPacer* pacer = nullptr, const DriveHooks& hooks = {});
  void abort();

  const StatisticsRecord& record() const { return record_; }
  const TypeFilter& filter() const { return filter_; }
  bool overhangEnabled() const { return pickList1_.size() == 1; }
  qint64 clusterSize() const { return clusterSize_; }
  const QString& currentDrive() const { return currentDrive_; }
  bool scanAborted() const { return scanAborted_; }
  // "Stats done for ..." or "Statistics for drive(s) incomplete ... aborted."
  QString caption() const;
  // "Finished - 1,234 files processed", with the files found and the abort when they apply.
  QString statusText() const;

  // "Processing drive ... standby : folder", shown every third file.
  std::function<void(const QString& text)> showStatus;

 private:
  QList<WalkRoot> pickList1_;
  TypeFilter filter_;
  StatisticsRecord record_;
  QString currentDrive_;
  QString driveListText_;
  qint64 clusterSize_ = 0;
  bool scanAborted_ = false;
  DirectoryWalk* walk_ = nullptr;
};

}  // namespace tessaly
