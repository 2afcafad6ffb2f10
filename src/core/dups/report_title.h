#pragma once

#include <QString>
#include <QStringList>

#include "core/search/size_condition.h"

namespace tessaly {

// The texts of the unit list, in the order of SizeUnit: "bytes", "KB".
QStringList sizeUnitTexts();
QString sizeUnitText(SizeUnit unit);

// What the title of a printed duplicates or file-hogs list tells.
struct ReportTitleSettings {
  bool findDups = true;
  SizeCondition condition = SizeCondition::LargerOrEqual;
  int first = kDefaultSizeNumber;
  int second = kDefaultSizeNumber;
  SizeUnit unit = SizeUnit::KB;
  QString pattern;
  QStringList tickedEntries;  // the drive list's ticked mount points and folders, in list order
};

// "Duplicates larger or equal to 250 KB matching *.* on drive(s) / /home " — each ticked entry
// followed by a blank.
QString duplicatesReportTitle(const ReportTitleSettings& settings);

}  // namespace tessaly
