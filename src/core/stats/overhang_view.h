#pragma once

#include <QString>
#include <array>
#include <optional>

#include "core/stats/cluster_overhang.h"
#include "core/stats/statistics_record.h"

namespace tessaly {

// The Overhang page after a run over one drive or folder.
struct OverhangView {
  bool enabled = false;                           // false when no byte was counted
  std::array<QString, kClusterSizes.size()> wasted;  // the "Wasted space" column, 4K first
  int arrowRow = -1;                              // the row of the drive's cluster size; -1: none
  QString numFiles;                               // "Number of files scanned: 1,234"
  QString totalSize;                              // "1,024 KB" or "12 MB"
  std::optional<QString> actualSpaceUsed;         // "Actual space used 1,030 KB" when the arrow shows
  // The "Percent wasted" bars in the order they are added: 64K first, 4K last.
  std::array<double, kClusterSizes.size()> percentWasted{};
};

OverhangView overhangView(const StatisticsRecord& record, qint64 clusterSize);

// Bytes as the Overhang page shows them: KB below 1,048,576 bytes of files, MB from there;
// the unit is chosen by unitBytes.
QString kilobytesOrMegabytes(double bytes, double unitBytes);

}  // namespace tessaly
