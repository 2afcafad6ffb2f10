// Peak memory of the duplicate search for a million collected files, fed to the engine
// without a disk: collection, sorting, grouping and the grid rows of the groups.
//   dup_memory [FILES] [MATCH_MODE] [DUPLICATE_PERCENT]   defaults: 1000000 0 25
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "core/search/duplicate_search.h"
#include "synthetic_files.h"

namespace {

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void report(const char* stage, const QElapsedTimer& clock) {
  std::printf("%-28s peak %7.1f MB  at %6.2f s\n", stage, peakKilobytes() / 1024.0, clock.elapsed() / 1000.0);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const qint64 fileCount = argc > 1 ? std::atoll(argv[1]) : 1000000;
  const int mode = argc > 2 ? std::atoi(argv[2]) : 0;
  const int duplicatePercent = argc > 3 ? std::atoi(argv[3]) : 25;

  tessaly::SearchSettings settings;
  settings.matchMode = tessaly::MatchMode(mode);
  settings.limits = {tessaly::SizeCondition::LargerOrEqual, 0, 0};
  tessaly::DuplicateSearch search(settings);
  QElapsedTimer clock;
  clock.start();
  report("start", clock);
  bench::makeSyntheticFiles(fileCount, duplicatePercent, [&search](const QString& folder, const tessaly::WalkEntry& entry) {
    search.collection().add(folder, entry);
  });
  report("collected", clock);
  search.present();
  report("grouped, grid rows built", clock);
  std::printf("files %lld, match mode %d, result rows %zu\n", fileCount, mode, search.table().rows.size());
  return 0;
}
