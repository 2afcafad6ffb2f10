#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/common/dos_time.h"

namespace tessaly {

// The stored list of browser cache folders (the list convention).
inline const QString kCacheFilesSection = QStringLiteral("CacheFiles");

// The stored cache folders; the browsers' cache folders found now when the list was never
// stored.
QStringList readCacheFolders();
void writeCacheFolders(const QStringList& folders);

// The largest minimum age a clearing is given, in days.
inline constexpr int kMostCacheAgeDays = 100;

// One file a cache clearing takes.
struct CacheFile {
  QString path;
  qint64 size = 0;
  DosStamp accessStamp = 0;
};

// What one clearing gathered, and the sum of its sizes (64-bit: caches grow past 2 GB).
struct CacheCollection {
  std::vector<CacheFile> files;
  qint64 bytes = 0;

  QStringList paths() const;
};

// Adds the files directly in the folder, hidden ones included, whose last access is at least
// minimumAgeDays days from today (either way). Sub-folders are not entered, and a file without
// a last-access date is never taken. A folder that is empty text, missing or unreadable adds
// nothing. Files of one folder come in name order.
void collectCacheFiles(const QString& folder, int minimumAgeDays, const QDate& today, CacheCollection& into);
// The same for each folder in turn.
CacheCollection collectCacheFolders(const QStringList& folders, int minimumAgeDays, const QDate& today);

}  // namespace tessaly
