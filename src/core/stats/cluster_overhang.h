#pragma once

#include <QString>
#include <array>

#include "core/stats/statistics_record.h"

namespace tessaly {

// The five cluster sizes of the Overhang page, smallest first.
inline constexpr std::array<qint64, 5> kClusterSizes{4096, 8192, 16384, 32768, 65536};

// The cluster size of the drive holding the entry. A FAT drive's is the one FAT32 chooses for
// its capacity (small FAT drives answer for themselves); every other file system gives its
// own allocation unit. 0 when the drive is not ready.
qint64 computeClusterSize(const QString& entry);
bool isFatFileSystem(const QString& fsType);
// The cluster size for a capacity, or 0 where the drive must be asked.
qint64 clusterSizeByCapacity(double totalBytes);

// Adds the unused tail of the file's last cluster for each of the five cluster sizes.
void addSlack(StatisticsRecord& record, qint64 size);
// The waste total of a cluster size; nullptr for a size not in the table.
const qint64* wasteFor(const StatisticsRecord& record, qint64 clusterSize);

}  // namespace tessaly
