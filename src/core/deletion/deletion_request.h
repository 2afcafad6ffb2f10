#pragma once

#include <QString>
#include <QStringList>

namespace tessaly {

// What a tool hands to the deletion confirmation window.
struct DeletionRequest {
  QStringList files;             // full paths, one per marked file
  double potentialSavings = 0;   // the caller's total of their sizes, shown to the user
  QString archiveTag;            // "Duplicates", "TempClean", "FileDates", "InternetCache" or empty
};

}  // namespace tessaly
