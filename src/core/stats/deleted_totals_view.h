#pragma once

#include <QString>

#include "core/common/removal_totals.h"

namespace tessaly {

// One group of the Deleted page: its two boxes.
struct RemovalGroupTexts {
  QString files;  // "1,234 files" or "n/a"
  QString bytes;  // "5,000 bytes" or "n/a"
};

// What the Deleted page shows of the stored removal totals.
struct DeletedPageTexts {
  QString deletedSince;  // "Since 3/14/2024", empty when counting has not begun
  QString zippedSince;
  RemovalGroupTexts deleted;
  RemovalGroupTexts zipped;
  RemovalGroupTexts trashed;
};

// A group with a count of 0 or less shows "n/a" in both boxes: the count decides.
DeletedPageTexts deletedPageTexts(const RemovalTotals& totals);

// "Since " and the short date of a stored day number; empty for a negative one. A number
// that is no date shows 1 January 1980.
QString sinceText(qint64 dayNumber);

}  // namespace tessaly
