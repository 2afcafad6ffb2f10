#include "core/search/size_condition.h"

namespace tessaly {

bool SizeLimits::accepts(qint64 size) const {
  switch (condition) {
    case SizeCondition::LargerOrEqual: return size >= lower;
    case SizeCondition::SmallerOrEqual: return size <= lower;
    case SizeCondition::Between: return lower <= size && size <= upper;
  }
  return false;
}

SizeLimits sizeLimits(SizeCondition condition, int first, int second, SizeUnit unit) {
  const qint64 factor = unit == SizeUnit::KB ? kBytesPerKilobyte : 1;
  return SizeLimits{condition, qint64(first) * factor, qint64(second) * factor};
}

QString checkSizeNumbers(SizeCondition condition, int first, int second) {
  if (condition == SizeCondition::Between && second < first) return kSecondNumberBelowFirst;
  return {};
}

}  // namespace tessaly
