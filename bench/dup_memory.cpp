// Peak memory of the duplicate search for a million collected files, fed to the engine
// without a disk: collection, sorting, grouping and the grid rows of the groups.
//   dup_memory [FILES] [MATCH_MODE] [DUPLICATE_PERCENT]   defaults: 1000000 0 25
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <random>

#include "core/search/duplicate_search.h"

namespace {

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

quint64 mixed(quint64 x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
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
  const char* const extensions[] = {".txt", ".jpg", ".doc", ".mp3", ".cpp", ".h", ".png", ".pdf", ""};

  tessaly::SearchSettings settings;
  settings.matchMode = tessaly::MatchMode(mode);
  settings.limits = {tessaly::SizeCondition::LargerOrEqual, 0, 0};
  tessaly::DuplicateSearch search(settings);
  QElapsedTimer clock;
  clock.start();
  report("start", clock);

  std::mt19937_64 random(42);
  const qint64 filesPerFolder = 50;
  QString folder;
  for (qint64 i = 0; i < fileCount; ++i) {
    if (i % filesPerFolder == 0)
      folder = QStringLiteral("/home/user/projects/area%1/folder%2").arg(i / 5000).arg(i / filesPerFolder);
    // A duplicate takes the name and size of an earlier file.
    const bool duplicate = i > 0 && qint64(random() % 100) < duplicatePercent;
    const qint64 original = duplicate ? qint64(random() % quint64(i)) : i;
    // Everything else about a file follows from its number, so a duplicate repeats it.
    const quint64 bits = mixed(quint64(original));
    tessaly::WalkEntry entry;
    entry.name = QStringLiteral("document_%1%2").arg(original).arg(QLatin1String(extensions[original % 9]));
    entry.size = qint64(1) << (bits % 24) | qint64(bits >> 40);
    entry.writeStamp = tessaly::DosStamp(((40 + (bits >> 8) % 4) << 25) | ((1 + (bits >> 12) % 12) << 21) |
                                         ((1 + (bits >> 16) % 28) << 16) | ((bits >> 24) % 0xBF7F));
    entry.accessStamp = entry.writeStamp;
    entry.device = 1;
    entry.inode = quint64(i) + 1;
    search.collection().add(folder, entry);
  }
  report("collected", clock);
  search.present();
  report("grouped, grid rows built", clock);
  std::printf("files %lld, match mode %d, result rows %zu\n", fileCount, mode, search.table().rows.size());
  return 0;
}
