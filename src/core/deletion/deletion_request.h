#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/deletion/copy_group.h"

namespace tessaly {

// What a tool hands to the deletion confirmation window.
struct DeletionRequest {
  QStringList files;             // full paths, one per marked file
  double potentialSavings = 0;   // the caller's total of their sizes, shown to the user
  QString archiveTag;            // "Duplicates", "TempClean", "FileDates", "InternetCache" or empty
  // From the duplicates window: the groups that hold a marked file, so that removing every
  // file of a group is not done without a warning.
  std::vector<CopyGroup> copyGroups = {};
};

}  // namespace tessaly
