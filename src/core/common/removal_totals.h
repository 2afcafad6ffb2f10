#pragma once

#include <QDate>
#include <QtGlobal>

namespace tessaly {

enum class RemovalKind { Deleted, Trashed };

// The running totals of the settings section "Tessaly", 64-bit; -1 means "not recorded".
struct RemovalTotals {
  qint64 deletedFiles = -1, deletedBytes = -1;
  qint64 trashedFiles = -1, trashedBytes = -1;
  qint64 deletionStartDay = -1;  // day number, see dayNumber()
  qint64 archivedFiles = -1, archivedBytes = -1;
  qint64 archiveStartDay = -1;
};

RemovalTotals readRemovalTotals();
// Adds what one run removed; the first run also stamps the start day.
void recordDeletions(RemovalKind kind, qint64 files, qint64 bytes, const QDate& today = QDate::currentDate());
void recordArchived(qint64 files, qint64 bytes, const QDate& today = QDate::currentDate());
// "Reset these numbers": every value back to -1.
void resetRemovalTotals();

}  // namespace tessaly
