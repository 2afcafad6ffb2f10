#include "core/stats/space_view.h"

#include <QLocale>
#include <cmath>

#include "core/common/file_types.h"
#include "core/common/text_routines.h"

namespace tessaly {
namespace {

constexpr double kKilobyte = 1024.0;
// A capacity of this many KB or more is shown in MB.
constexpr double kMegabyteShownFrom = 10000.0;
// Free space under this share of the capacity is drawn in red.
constexpr double kLowSpacePercent = 5.0;
constexpr int kDrivePieTurn = 4;
constexpr int kTotalPieTurn = 2;

struct Space {
  double free = 0;
  double total = 0;
};

Space spaceOf(const DriveListItem& drive) {
  const platform::DiskSpace space = getDiskSpace(drive.path);
  return {space.freeBytes, space.totalBytes};
}

// The whole part with separators, not rounded.
QString wholePart(double value) { return formatThousands(qint64(std::trunc(value))); }

}  // namespace

SpaceView diskSizeView(const QList<DriveListItem>& drives, bool cumulativeTotal) {
  SpaceView view;
  std::vector<std::pair<QString, Space>> shown;
  Space sum;
  for (const DriveListItem& drive : drives) {
    if (!drive.ticked || !pathDriveReady(drive.path)) continue;
    const Space space = spaceOf(drive);
    shown.emplace_back(drive.path, space);
    sum.free += space.free;
    sum.total += space.total;
  }
  view.drivesShown = int(shown.size());
  const bool inMegabytes = sum.total / kKilobyte >= kMegabyteShownFrom;
  const double divisor = inMegabytes ? kKilobyte * kKilobyte : kKilobyte;
  view.unit = inMegabytes ? QStringLiteral("MB") : QStringLiteral("KB");
  for (const auto& [label, space] : shown)
    view.bars.push_back({label, space.free / divisor, (space.total - space.free) / divisor});
  const double free = sum.free / divisor;
  const double total = sum.total / divisor;
  if (cumulativeTotal && view.drivesShown > 1) view.bars.push_back({QStringLiteral("Total"), free, total - free});

  view.chartShown = sum.total > 0;
  if (!view.chartShown) return view;
  view.total = wholePart(total);
  view.free = formatThousands(qint64(std::llround(free)));
  view.used = formatThousands(qint64(std::llround(total - free)));
  view.lowSpace = free * 100.0 < total * kLowSpacePercent;
  return view;
}

QString freePercentText(double freeBytes, double totalBytes) {
  const double percent = totalBytes > 0 ? freeBytes * 100.0 / totalBytes : 0.0;
  QString text = QLocale().toString(percent, 'f', 2);
  text.chop(1);
  return text;
}

SpacePies diskSizePies(const QList<DriveListItem>& drives) {
  SpacePies pies;
  Space sum;
  for (const DriveListItem& drive : drives) {
    if (int(pies.drives.size()) == kDrivePies) break;
    if (!pathDriveReady(drive.path)) continue;
    const Space space = spaceOf(drive);
    sum.free += space.free;
    sum.total += space.total;
    pies.drives.push_back({drive.path + QStringLiteral("  ") + freePercentText(space.free, space.total) +
                               QStringLiteral("% free"),
                           space.total - space.free, space.free});
  }
  pies.total = {QStringLiteral("TOTAL ") + freePercentText(sum.free, sum.total) + QStringLiteral("% free"),
                sum.total - sum.free, sum.free};
  return pies;
}

std::optional<int> spinPies(PieAngles& angles, int driveListEntries) {
  angles.total = (angles.total + kTotalPieTurn) % kFullTurn;
  if (driveListEntries >= kSpinThreshold || angles.drives.empty()) return std::nullopt;
  for (int& angle : angles.drives) angle = (angle + kDrivePieTurn) % kFullTurn;
  // The scroll bar follows the first pie and sets every pie to its position.
  const int position = angles.drives.front();
  for (int& angle : angles.drives) angle = position;
  angles.total = position;
  return position;
}

DepthAnimation depthAnimation(int drivesShown) {
  if (drivesShown <= 2) return {6, 60};
  if (drivesShown <= 4) return {3, 30};
  if (drivesShown <= 6) return {2, 20};
  return {2, 10};
}

}  // namespace tessaly
