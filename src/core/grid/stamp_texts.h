#pragma once

#include <QString>
#include <vector>

#include "core/common/dos_time.h"

namespace tessaly {

// Numbers that order stamps by their shown date or time of day: two stamps get one number
// exactly when their texts are equal (a stamp that does not unpack shows 1 January 1980 and
// "12:00:00", a zero stamp shows nothing).
quint32 dateKey(DosStamp stamp);
quint32 timeKey(DosStamp stamp);
// Every key is below this.
inline constexpr quint32 kStampKeyCount = 0x10002;

// The date and time texts of stamps, each made once: a search shows a million stamps but
// only a few thousand distinct days and times, and the rows then share one string each.
class StampTexts {
 public:
  const QString& dateText(DosStamp stamp);
  const QString& timeText(DosStamp stamp);

 private:
  std::vector<QString> dates_;
  std::vector<bool> haveDate_;
  std::vector<QString> times_;
  std::vector<bool> haveTime_;
};

}  // namespace tessaly
