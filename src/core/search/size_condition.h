#pragma once

#include <QString>

namespace tessaly {

enum class SizeCondition { LargerOrEqual, SmallerOrEqual, Between };
enum class SizeUnit { Bytes, KB };

// The window's numbers start at 250 (kilobytes).
inline constexpr int kDefaultSizeNumber = 250;
inline constexpr qint64 kBytesPerKilobyte = 1024;

// The byte limits of a search, both bounds inclusive. Only the lower one matters for the
// first two conditions.
struct SizeLimits {
  SizeCondition condition = SizeCondition::LargerOrEqual;
  qint64 lower = kDefaultSizeNumber * kBytesPerKilobyte;
  qint64 upper = kDefaultSizeNumber * kBytesPerKilobyte;

  bool accepts(qint64 size) const;
};

// The window's numbers run from 0 to 10000.
inline constexpr int kLargestSizeNumber = 10000;

inline const QString kSecondNumberBelowFirst =
    QStringLiteral("The second number must be larger or equal than the first number");

// The limits of the window's two numbers in their unit.
SizeLimits sizeLimits(SizeCondition condition, int first, int second, SizeUnit unit);
// Empty when the numbers can be searched with, else the message to show.
QString checkSizeNumbers(SizeCondition condition, int first, int second);

}  // namespace tessaly
