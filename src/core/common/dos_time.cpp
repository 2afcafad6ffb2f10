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

QDateTime unpackDosStamp(DosStamp stamp) {
  const QDate date(int(stamp >> 25) + 1980, int((stamp >> 21) & 0xF), int((stamp >> 16) & 0x1F));
  const QTime time(int((stamp >> 11) & 0x1F), int((stamp >> 5) & 0x3F), int(stamp & 0x1F) * 2);
  if (!date.isValid() || !time.isValid()) return {};
  return QDateTime(date, time);
}

QString stampDateText(DosStamp stamp) {
  if (stamp == 0) return {};
  const QDateTime dateTime = unpackDosStamp(stamp);
  return shortDateText(dateTime.isValid() ? dateTime.date() : QDate(1980, 1, 1));
}

QString stampTimeText(DosStamp stamp) {
  if (stamp == 0) return {};
  const QDateTime dateTime = unpackDosStamp(stamp);
  return longTimeText(dateTime.isValid() ? dateTime.time() : QTime(12, 0, 0));
}

int ageInDaysOn(DosStamp stamp, const QDate& today) {
  if (stamp == 0) return -1;
  QDateTime dateTime = unpackDosStamp(stamp);
  const QDate date = dateTime.isValid() ? dateTime.date() : QDate(1980, 1, 1);
  return int(qAbs(date.daysTo(today)));
}

int ageInDays(DosStamp stamp) { return ageInDaysOn(stamp, QDate::currentDate()); }

}  // namespace tessaly
