#include "core/stats/statistics_record.h"

#include "core/common/dos_time.h"

namespace tessaly {

int sizeClass(qint64 size) {
  qint64 bound = 16384;
  for (int sizeClass = 1; sizeClass < kSizeClassCount; ++sizeClass, bound *= 2) {
    if (size <= bound) return sizeClass;
  }
  return kSizeClassCount;
}

int ageToIndex(int days) {
  static constexpr int kUpperBounds[] = {7, 30, 60, 120, 365, 730, 1095, 1460};
  if (days < 0) return 0;
  for (int i = 0; i < 8; ++i) {
    if (days <= kUpperBounds[i]) return i + 1;
  }
  return 9;
}

int halfHourSlot(DosStamp stamp) {
  if (stamp == 0) return -1;
  if (!stampUnpacks(stamp)) return 0;
  const QTime time = stampTime(stamp);
  return 2 * time.hour() + (time.minute() >= 30 ? 1 : 0);
}

void collectFileAttr(StatisticsRecord& record, quint8 attributes, qint64 size) {
  const auto count = [&](quint8 bit, qint64& files, qint64& bytes) {
    if (attributes & bit) {
      ++files;
      bytes += size;
    }
  };
  count(ReadOnlyAttribute, record.readOnlyCount, record.readOnlyBytes);
  count(HiddenAttribute, record.hiddenCount, record.hiddenBytes);
  count(SystemAttribute, record.systemCount, record.systemBytes);
  count(ArchiveAttribute, record.archiveCount, record.archiveBytes);
}

void dropIntoHourSlot(StatisticsRecord& record, const WalkEntry& entry) {
  // Slot 0 (00:00 to 00:29) is never counted: it is where invalid times land too.
  const auto drop = [](std::array<qint64, kHalfHourSlots>& slots, DosStamp stamp) {
    const int slot = halfHourSlot(stamp);
    if (slot >= 1) ++slots[size_t(slot)];
  };
  drop(record.hourCreated, entry.creationStamp);
  drop(record.hourModified, entry.writeStamp);
  drop(record.hourAccessed, entry.accessStamp);
}

void addAge(std::array<qint64, kAgeClassCount>& count, std::array<qint64, kAgeClassCount>& bytes, DosStamp stamp,
            qint64 size, const QDate& today) {
  const size_t ageClass = size_t(ageToIndex(ageInDaysOn(stamp, today)));
  ++count[ageClass];
  bytes[ageClass] += size;
}

}  // namespace tessaly
