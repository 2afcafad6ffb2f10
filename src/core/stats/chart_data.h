#pragma once

#include <QString>
#include <array>
#include <vector>

namespace tessaly {

// Colours are 0xRRGGBB, as the grids keep theirs.
using Rgb = quint32;

inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kLime = 0x00FF00;
inline constexpr Rgb kGreen = 0x008000;
inline constexpr Rgb kBlue = 0x0000FF;
inline constexpr Rgb kFuchsia = 0xFF00FF;

// The twelve colours of the statistics charts, chosen by a point's number (1 to 12): red,
// maroon, blue, yellow, green, lime, fuchsia, teal, navy, aqua, white, gray.
inline constexpr std::array<Rgb, 12> kChartPalette{0xFF0000, 0x800000, 0x0000FF, 0xFFFF00, 0x008000, 0x00FF00,
                                                   0xFF00FF, 0x008080, 0x000080, 0x00FFFF, 0xFFFFFF, 0x808080};
// The palette colour of point number 1 to 12.
Rgb chartColour(int number);

// One value of a chart: a bar, a slice or a point of a line.
struct ChartPoint {
  QString label;
  double value = 0;
  Rgb colour = 0;
};

struct ChartSeries {
  QString title;
  Rgb colour = 0;  // the legend's colour; the points carry their own
  std::vector<ChartPoint> points;
};

// What one chart shows; the window draws it with the toolkit.
struct ChartData {
  QString title;
  std::vector<ChartSeries> series;
};

// A number the way the charts' value marks show it: thousands separators and at most
// maxDecimals decimals, trailing zeros dropped ("45.3 %", "45 %", "1,024 KB").
QString formatMark(double value, int maxDecimals, const QString& suffix);

}  // namespace tessaly
