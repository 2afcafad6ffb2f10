#include "app/shots/sample_home.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace tessaly::shots {
namespace {

constexpr qint64 kKilobyte = 1024;
constexpr qint64 kMegabyte = 1024 * kKilobyte;

struct SampleFile {
  const char* path;
  qint64 size;
  int daysSinceAccess;
  int daysSinceChange;
};

const SampleFile kFiles[] = {
    {"Documents/letters/bank.odt", 48 * kKilobyte, 30, 400},
    {"Documents/letters/landlord.odt", 36 * kKilobyte, 200, 900},
    {"Documents/taxes/2022.pdf", 2 * kMegabyte, 700, 720},
    {"Documents/taxes/2023.pdf", 3 * kMegabyte, 12, 350},
    {"Documents/notes.txt", 6 * kKilobyte, 1, 1},
    {"Music/Albums/Harbour Lights/01 Tide.flac", 38 * kMegabyte, 90, 1500},
    {"Music/Albums/Harbour Lights/02 Beacon.flac", 41 * kMegabyte, 90, 1500},
    {"Music/Albums/Night Ferry/01 Crossing.flac", 52 * kMegabyte, 400, 1200},
    {"Music/playlist.m3u", 2 * kKilobyte, 5, 60},
    {"Photos/2022/beach.jpg", 6 * kMegabyte, 500, 800},
    {"Photos/2022/harbour.jpg", 5 * kMegabyte, 500, 800},
    {"Photos/2023/garden.jpg", 7 * kMegabyte, 40, 300},
    {"Videos/wedding.mp4", 1900 * kMegabyte, 1100, 1400},
    {"Projects/tessaly/build/tessaly", 45 * kMegabyte, 3, 3},
    {"Projects/tessaly/build/tessaly.o", 12 * kMegabyte, 3, 3},
    {"Projects/tessaly/README.md", 9 * kKilobyte, 2, 20},
    {"Downloads/installer.iso", 730 * kMegabyte, 900, 900},
    {"Downloads/manual.pdf", 4 * kMegabyte, 15, 15},
    {"Downloads/old-report.txt", 120 * kKilobyte, 650, 650},
};

}  // namespace

QString makeSampleHome(const QString& workFolder) {
  const QString home = workFolder + QStringLiteral("/ann");
  const QDateTime now = QDateTime::currentDateTime();
  for (const SampleFile& sample : kFiles) {
    const QString path = home + u'/' + QString::fromUtf8(sample.path);
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(sample.size)) continue;
    file.setFileTime(now.addDays(-sample.daysSinceChange), QFileDevice::FileModificationTime);
    file.setFileTime(now.addDays(-sample.daysSinceAccess), QFileDevice::FileAccessTime);
  }
  return home;
}

QList<DriveListItem> itemsTickingOnly(DriveListUse use, const QString& folder) {
  QList<DriveListItem> items = driveListItems(use, false);
  for (DriveListItem& item : items) item.ticked = false;
  DriveListItem added{folder, folder, true};
  added.ticked = true;
  items.append(added);
  return items;
}

}  // namespace tessaly::shots
