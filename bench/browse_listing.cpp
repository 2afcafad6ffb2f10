// One folder of many files listed as the browse window lists it: the time of each listing
// (warm cache) and the peak memory. Run by bench/browse.sh in a Release build.
//   browse_listing [FILES]   default 100000
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/browse/folder_files.h"

namespace {

constexpr int kDefaultFiles = 100000;
constexpr int kRuns = 7;
constexpr char kNameStems[][8] = {"report", "IMG", "notes", "backup", "song"};
constexpr char kExtensions[][6] = {"txt", "jpg", "pdf", "tar", "mp3"};

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int files = argc > 1 ? std::atoi(argv[1]) : kDefaultFiles;
  QTemporaryDir folder;
  if (!folder.isValid()) return 1;
  for (int i = 0; i < files; ++i) {
    const size_t kind = size_t(i) % std::size(kNameStems);
    QFile file(folder.path() + QStringLiteral("/%1-%2.%3").arg(kNameStems[kind]).arg(i).arg(kExtensions[kind]));
    if (!file.open(QIODevice::WriteOnly)) return 1;
  }
  std::vector<qint64> milliseconds;
  qsizetype listed = 0;
  for (int run = 0; run < kRuns; ++run) {
    QElapsedTimer timer;
    timer.start();
    listed = tessaly::listFolderFiles(folder.path(), QStringLiteral("*.*")).files->files().size();
    milliseconds.push_back(timer.elapsed());
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("%lld files listed; median of %d listings %lld ms (fastest %lld, slowest %lld); peak %.1f MB\n",
              static_cast<long long>(listed), kRuns, static_cast<long long>(milliseconds[kRuns / 2]),
              static_cast<long long>(milliseconds.front()), static_cast<long long>(milliseconds.back()),
              peakKilobytes() / 1024.0);
  return listed == files ? 0 : 1;
}
