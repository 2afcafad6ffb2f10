#include "core/stats/cluster_overhang.h"

#include "core/common/file_types.h"
#include "platform/drive_table.h"

namespace tessaly {
namespace {

// The five totals in the order of kClusterSizes, writable or not as the record is.
template <typename Record>
auto wasteTotals(Record& record) {
  return std::array{&record.waste4K, &record.waste8K, &record.waste16K, &record.waste32K, &record.waste64K};
}

}  // namespace

qint64 clusterSizeByCapacity(double totalBytes) {
  constexpr double kGB = 1024.0 * 1024.0 * 1024.0;
  if (totalBytes >= 32 * kGB) return 32768;
  if (totalBytes > 16 * kGB) return 16384;
  if (totalBytes > 8 * kGB) return 8192;
  if (totalBytes > 2 * kGB) return 4096;
  return 0;
}

bool isFatFileSystem(const QString& fsType) {
  static const QStringList kFatTypes{QStringLiteral("vfat"), QStringLiteral("msdos"), QStringLiteral("fat"),
                                     QStringLiteral("umsdos")};
  return kFatTypes.contains(fsType);
}

qint64 computeClusterSize(const QString& entry) {
  if (!pathDriveReady(entry)) return 0;
  if (isFatFileSystem(platform::driveHolding(entry).fsType)) {
    const qint64 byCapacity = clusterSizeByCapacity(getDiskSpace(entry).totalBytes);
    if (byCapacity) return byCapacity;
  }
  return platform::driveTable().blockSize(entry);
}

void addSlack(StatisticsRecord& record, qint64 size) {
  const auto totals = wasteTotals(record);
  for (size_t i = 0; i < kClusterSizes.size(); ++i) {
    const qint64 rest = size % kClusterSizes[i];
    if (rest != 0) *totals[i] += kClusterSizes[i] - rest;
  }
}

const qint64* wasteFor(const StatisticsRecord& record, qint64 clusterSize) {
  const auto totals = wasteTotals(record);
  for (size_t i = 0; i < kClusterSizes.size(); ++i) {
    if (kClusterSizes[i] == clusterSize) return totals[i];
  }
  return nullptr;
}

}  // namespace tessaly
