#include "core/common/dos_time.h"

#include "core/common/date_texts.h"

namespace tessaly {

DosStamp packDosStamp(const QDateTime& localTime) {
  if (!localTime.isValid()) return 0;
  const QDate d = localTime.date();
  const QTime t = localTime.time();
  if (d.year() < 1980 || d.year() > 2107) return 0;
  return (DosStamp(d.year() - 1980) << 25) | (DosStamp(d.month()) << 21) | (DosStamp(d.day()) << 16) |
         (DosStamp(t.hour()) << 11) | (DosStamp(t.minute()) << 5) | DosStamp(t.second() / 2);
}

DosStamp dosStampFromEpoch(qint64 secondsSinceEpoch) {
  return packDosStamp(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch).toLocalTime());
}

QDate stampDate(DosStamp stamp) {
  const int year = int(stamp >> 25) + 1980, month = int((stamp >> 21) & 0xF), day = int((stamp >> 16) & 0x1F);
  return QDate::isValid(year, month, day) ? QDate(year, month, day) : QDate();
}

QTime stampTime(DosStamp stamp) {
  const int hour = int((stamp >> 11) & 0x1F), minute = int((stamp >> 5) & 0x3F), second = int(stamp & 0x1F) * 2;
  return QTime::isValid(hour, minute, second) ? QTime(hour, minute, second) : QTime();
}

QDateTime unpackDosStamp(DosStamp stamp) {
  const QDate date = stampDate(stamp);
  const QTime time = stampTime(stamp);
  if (!date.isValid() || !time.isValid()) return {};
  return QDateTime(date, time);
}

bool stampUnpacks(DosStamp stamp) { return stampDate(stamp).isValid() && stampTime(stamp).isValid(); }

QString stampDateText(DosStamp stamp) {
  if (stamp == 0) return {};
  return shortDateText(stampUnpacks(stamp) ? stampDate(stamp) : QDate(1980, 1, 1));
}

QString stampTimeText(DosStamp stamp) {
  if (stamp == 0) return {};
  return longTimeText(stampUnpacks(stamp) ? stampTime(stamp) : QTime(12, 0, 0));
}

int ageInDaysOn(DosStamp stamp, const QDate& today) {
  if (stamp == 0) return -1;
  const QDate date = stampUnpacks(stamp) ? stampDate(stamp) : QDate(1980, 1, 1);
  return int(qAbs(date.daysTo(today)));
}

int ageInDays(DosStamp stamp) { return ageInDaysOn(stamp, QDate::currentDate()); }

}  // namespace tessaly
