// Files as a walk hands them over, made without a disk: 50 to a folder, names and sizes drawn
// from the file's number, and a share of duplicates that repeat an earlier file's name, size
// and stamps. Shared by the benchmarks of the duplicate search and of the grid.
#pragma once

#include <QString>
#include <random>

#include "core/walk/directory_walk.h"

namespace bench {

inline quint64 mixed(quint64 x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// Calls take(folder, entry) for each file.
template <typename Take>
void makeSyntheticFiles(qint64 fileCount, int duplicatePercent, Take take) {
  const char* const extensions[] = {".txt", ".jpg", ".doc", ".mp3", ".cpp", ".h", ".png", ".pdf", ""};
  constexpr qint64 kFilesPerFolder = 50;
  constexpr qint64 kFilesPerArea = 5000;
  std::mt19937_64 random(42);
  QString folder;
  for (qint64 i = 0; i < fileCount; ++i) {
    if (i % kFilesPerFolder == 0) {
      folder = QStringLiteral("/home/user/projects/area%1/folder%2").arg(i / kFilesPerArea).arg(i / kFilesPerFolder);
    }
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
    take(folder, entry);
  }
}

}  // namespace bench
