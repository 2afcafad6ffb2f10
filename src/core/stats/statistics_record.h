#pragma once

#include <QDate>
#include <array>

#include "core/stats/type_list.h"
#include "core/walk/directory_walk.h"

namespace tessaly {

inline constexpr int kSizeClassCount = 12;  // classes 1 to 12
inline constexpr int kAgeClassCount = 10;   // classes 0 to 9
inline constexpr int kHalfHourSlots = 48;

// What a statistics run counts. Byte totals are 64-bit: a drive's totals, and one type's,
// easily pass 4 GB.
struct StatisticsRecord {
  std::array<qint64, kSizeClassCount + 1> sizeCount{};  // index 0 unused
  std::array<qint64, kSizeClassCount + 1> sizeBytes{};
  std::array<qint64, kAgeClassCount> ageAccessedCount{}, ageAccessedBytes{};
  std::array<qint64, kAgeClassCount> ageCreatedCount{}, ageCreatedBytes{};
  std::array<qint64, kAgeClassCount> ageModifiedCount{}, ageModifiedBytes{};
  std::array<qint64, kHalfHourSlots> hourModified{}, hourCreated{}, hourAccessed{};
  qint64 hiddenCount = 0, hiddenBytes = 0;
  qint64 readOnlyCount = 0, readOnlyBytes = 0;
  qint64 systemCount = 0, systemBytes = 0;
  qint64 archiveCount = 0, archiveBytes = 0;
  qint64 waste4K = 0, waste8K = 0, waste16K = 0, waste32K = 0, waste64K = 0;
  qint64 filesProcessed = 0;  // every file the walk met
  qint64 filesSelected = 0;   // the files the type filter let through and that were counted
  TypeList types;

  void clearVariables() { *this = StatisticsRecord{}; }
};

// The first class (1 to 12) whose upper bound the size does not exceed.
int sizeClass(qint64 size);
// Age in days (-1: no date) to its class 0 to 9.
int ageToIndex(int days);
// 0 to 47 for the stamp's time of day, -1 for a zero stamp; an invalid stamp is 00:00.
int halfHourSlot(DosStamp stamp);

void collectFileAttr(StatisticsRecord& record, quint8 attributes, qint64 size);
void dropIntoHourSlot(StatisticsRecord& record, const WalkEntry& entry);
void addAge(std::array<qint64, kAgeClassCount>& count, std::array<qint64, kAgeClassCount>& bytes, DosStamp stamp,
            qint64 size, const QDate& today);

}  // namespace tessaly
