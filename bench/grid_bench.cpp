// One million rows from the file-hogs search in the grid's model: peak memory, the time to
// fill the model, and each of the three sorts. Run by bench/grid.sh in a Release build.
//   grid_bench [FILES]   default 1000000
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "core/common/date_texts.h"
#include "core/search/duplicate_search.h"
#include "synthetic_files.h"
#include "ui/grid/file_grid_model.h"

namespace {

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void reportPeak(const char* stage) { std::printf("%-34s peak %7.1f MB\n", stage, peakKilobytes() / 1024.0); }

// Wall and processor milliseconds of one run; the processor time shows how much of the wall
// time other programs took on a busy machine.
struct Timing {
  qint64 wallMs;
  qint64 processorMs;
};

template <typename Work>
Timing timed(Work work) {
  QElapsedTimer timer;
  timer.start();
  const std::clock_t processorStart = std::clock();
  work();
  return {timer.elapsed(), qint64((std::clock() - processorStart) * 1000LL / CLOCKS_PER_SEC)};
}

struct Sort {
  tessaly::FileGridModel* model;
  tessaly::SortKey key;
  int column;
  bool descending;
  void run() const { model->sortRows(key, column, descending); }
};

struct SortRun {
  const char* what;
  Sort sort;
  qint64 targetMs;
  std::optional<Sort> scatterFirst;  // untimed, so the timed sort starts from a scattered order
  std::vector<Timing> rounds;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  tessaly::setShortDateFormat(tessaly::fix2000(QLocale().dateFormat(QLocale::ShortFormat)));
  const qint64 fileCount = argc > 1 ? std::atoll(argv[1]) : 1000000;
  constexpr int kDuplicatePercent = 25;

  tessaly::SearchSettings settings;
  settings.findDups = false;
  settings.limits = {tessaly::SizeCondition::LargerOrEqual, 0, 0};
  tessaly::DuplicateSearch search(settings);
  reportPeak("start");
  bench::makeSyntheticFiles(fileCount, kDuplicatePercent,
                            [&search](const QString& folder, const tessaly::WalkEntry& entry) {
                              search.collection().add(folder, entry);
                            });
  reportPeak("collected");

  tessaly::MarkedFiles marks;
  tessaly::FileGridModel hogs(marks);
  const Timing fill = timed([&] {
    search.present();
    hogs.resetTable(search.table());
  });
  reportPeak("file hogs ordered, model filled");
  std::printf("%-34s %lld ms (processor %lld ms), %d rows\n", "fill", static_cast<long long>(fill.wallMs),
              static_cast<long long>(fill.processorMs), hogs.rowCount());

  // The same rows by name, as the files-accessed and browse windows list them.
  tessaly::FileGridModel names(marks);
  names.resetTable(tessaly::FileTable(search.collection().shared(),
                                      {{QStringLiteral("Filename"), tessaly::FileValue::Name},
                                       {QStringLiteral("Modified"), tessaly::FileValue::Modified}},
                                      search.table().rows));
  reportPeak("second model, by name");

  enum HogsColumn { Size = 0, Modified = 1, FileName = 4 };
  constexpr qint64 kScalarTargetMs = 100;
  constexpr qint64 kNameTargetMs = 300;
  enum NamesColumn { Name = 0, NameModified = 1 };
  const Sort byNameModified{&names, tessaly::SortKey::Date, NameModified, false};
  SortRun runs[] = {
      {"size, descending", {&hogs, tessaly::SortKey::Number, Size, true}, kScalarTargetMs, {}, {}},
      {"modified, descending", {&hogs, tessaly::SortKey::Date, Modified, true}, kScalarTargetMs, {}, {}},
      {"full path, ascending", {&hogs, tessaly::SortKey::Text, FileName, false}, kNameTargetMs, {}, {}},
      {"name, ascending", {&names, tessaly::SortKey::Text, Name, false}, kNameTargetMs, byNameModified, {}}};
  // Each sort of the file hogs runs after the others, so the rows are as scattered as in a
  // window sorted by hand.
  constexpr int kRounds = 3;
  for (int round = 0; round < kRounds; ++round) {
    for (SortRun& run : runs) {
      if (run.scatterFirst) run.scatterFirst->run();
      run.rounds.push_back(timed([&run] { run.sort.run(); }));
    }
  }
  reportPeak("after the sorts");

  std::printf("%-24s %28s %20s %10s\n", "sort", "wall ms (best, rounds)", "processor ms (best)", "target");
  for (const SortRun& run : runs) {
    const auto byWall = [](const Timing& a, const Timing& b) { return a.wallMs < b.wallMs; };
    const auto byProcessor = [](const Timing& a, const Timing& b) { return a.processorMs < b.processorMs; };
    QString rounds;
    for (const Timing& t : run.rounds) rounds += QString::number(t.wallMs) + u' ';
    std::printf("%-24s %8lld (%s) %20lld %10lld\n", run.what,
                static_cast<long long>(std::min_element(run.rounds.begin(), run.rounds.end(), byWall)->wallMs),
                qPrintable(rounds.trimmed()),
                static_cast<long long>(std::min_element(run.rounds.begin(), run.rounds.end(), byProcessor)->processorMs),
                static_cast<long long>(run.targetMs));
  }
  return 0;
}
