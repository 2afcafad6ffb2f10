#pragma once

#include <QString>

namespace tessaly {

// "0 - 16K" ... "Over 16MB" for size classes 1 to 12.
QString sizeClassLabel(int sizeClass);
// "Not recorded", "<= 7 days" ... "Over 4 years" for age classes 0 to 9.
QString ageClassLabel(int ageClass);

}  // namespace tessaly
