#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <vector>

#include "core/walk/drive_list.h"

namespace tessaly {

// One drive's stacked bar (used below, free on top), in the chart's unit.
struct SpaceBar {
  QString label;  // the mount point, or "Total"
  double free = 0;
  double used = 0;
};

// The Space page's bar view and figures.
struct SpaceView {
  int drivesShown = 0;
  bool chartShown = false;  // false: no ready drive checked, or their capacity sums to 0
  QString unit;             // "KB" or "MB"
  std::vector<SpaceBar> bars;
  QString total;  // lblTotal, lblFree, lblUsed
  QString free;
  QString used;
  bool lowSpace = false;  // lblFree and its unit drawn in red
};

// The bars of the checked, ready drives in list order, with a "Total" bar when asked and
// more than one drive is shown. All amounts are in one unit: MB once the summed capacity
// reaches 10,000 KB, KB below that.
SpaceView diskSizeView(const QList<DriveListItem>& drives, bool cumulativeTotal);

// One pie of the pie view: its title and its two slices.
struct SpacePie {
  QString title;
  double used = 0;
  double free = 0;
};

struct SpacePies {
  std::vector<SpacePie> drives;  // at most kDrivePies
  SpacePie total;
};

inline constexpr int kDrivePies = 11;
// Pie angles run from 0 to one full turn; the chart animations tick every 50 ms.
inline constexpr int kFullTurn = 360;
inline constexpr int kAnimationTickMs = 50;

// A pie for each ready drive of the list, checked or not, up to eleven, and the total of
// those drives.
SpacePies diskSizePies(const QList<DriveListItem>& drives);
// "45.6": free × 100 ÷ total with two decimals, the last one cut off; "0.0" for a drive of
// size 0.
QString freePercentText(double freeBytes, double totalBytes);

// The pies' angles in degrees (0 to 359).
struct PieAngles {
  std::vector<int> drives;
  int total = 0;
};
// One tick of the pie animation. With fewer than six drives in the list every pie turns
// with the first drive pie and the angle scroll bar follows it (its new position is
// returned); with six or more only the total pie turns and the scroll bar is the user's.
std::optional<int> spinPies(PieAngles& angles, int driveListEntries);
inline constexpr int kSpinThreshold = 6;

// The bar chart's depth grows by step percent a tick until it reaches the limit, less deep
// for more drives.
struct DepthAnimation {
  int step;
  int limit;
};
DepthAnimation depthAnimation(int drivesShown);

}  // namespace tessaly
