#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <vector>

#include "core/common/dos_time.h"

namespace tessaly {

// The stamp's fields without a local QDateTime (whose time-zone lookup costs more than the
// rest of a file's work); invalid when the stamp does not unpack.
QDate stampDate(DosStamp stamp);
QTime stampTime(DosStamp stamp);

// Numbers that order stamps by their shown date or time of day: two stamps get one number
// exactly when their texts are equal (a stamp that does not unpack shows 1 January 1980 and
// "12:00:00", a zero stamp shows nothing).
quint32 dateKey(DosStamp stamp);
quint32 timeKey(DosStamp stamp);

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
