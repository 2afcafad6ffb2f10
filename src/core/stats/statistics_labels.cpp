#include "core/stats/statistics_labels.h"

namespace tessaly {

QString sizeClassLabel(int sizeClass) {
  static const char* const kLabels[] = {"",           "0 - 16K",   "16K - 32K", "32K - 64K", "64K - 128K",
                                        "128K - 256K", "256K - 512K", "512K - 1MB", "1MB - 2MB", "2MB - 4MB",
                                        "4MB - 8MB",  "8MB - 16MB", "Over 16MB"};
  return sizeClass >= 1 && sizeClass <= 12 ? QString::fromLatin1(kLabels[sizeClass]) : QString();
}

QString ageClassLabel(int ageClass) {
  static const char* const kLabels[] = {"Not recorded",  "<= 7 days",   "8 - 30 days", "31 - 60 days", "61 - 120 days",
                                        "121 - 365 days", "1 - 2 years", "2 - 3 years", "3 - 4 years",  "Over 4 years"};
  return ageClass >= 0 && ageClass <= 9 ? QString::fromLatin1(kLabels[ageClass]) : QString();
}

}  // namespace tessaly
