#include "core/stats/overhang_view.h"

#include <numeric>

#include "core/common/text_routines.h"

namespace tessaly {
namespace {

constexpr double kKilobyte = 1024.0;
constexpr double kMegabyte = 1024.0 * 1024.0;

}  // namespace

QString kilobytesOrMegabytes(double bytes, double unitBytes) {
  if (unitBytes < kMegabyte) return formatThousandsFloat(bytes / kKilobyte) + QStringLiteral(" KB");
  return formatThousandsFloat(bytes / kMegabyte) + QStringLiteral(" MB");
}

OverhangView overhangView(const StatisticsRecord& record, qint64 clusterSize) {
  OverhangView view;
  const double total = double(std::accumulate(record.sizeBytes.begin(), record.sizeBytes.end(), qint64(0)));
  if (total == 0) return view;
  view.enabled = true;
  for (size_t row = 0; row < kClusterSizes.size(); ++row) {
    const double waste = double(*wasteFor(record, kClusterSizes[row]));
    view.wasted[row] = formatThousandsFloat(waste);
    view.percentWasted[kClusterSizes.size() - 1 - row] = waste * 100.0 / (total + waste);
    if (kClusterSizes[row] == clusterSize) view.arrowRow = int(row);
  }
  view.totalSize = kilobytesOrMegabytes(total, total);
  view.numFiles = QStringLiteral("Number of files scanned: ") + formatThousands(record.filesSelected);
  if (view.arrowRow >= 0) {
    const double actualWaste = double(*wasteFor(record, clusterSize));
    view.actualSpaceUsed = QStringLiteral("Actual space used ") + kilobytesOrMegabytes(total + actualWaste, total);
  }
  return view;
}

}  // namespace tessaly
