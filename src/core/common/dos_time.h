#pragma once

#include <QDateTime>
#include <QString>

namespace tessaly {

// A local date and time packed in the 32-bit file-system form: year - 1980 in bits 25-31,
// month 21-24, day 16-20, hour 11-15, minute 5-10, seconds / 2 in 0-4. 0 means "no date".
using DosStamp = quint32;

// 0 for dates the form cannot hold (before 1980, after 2107) and for invalid input.
DosStamp packDosStamp(const QDateTime& localTime);
// Seconds since the epoch, converted to local time first.
DosStamp dosStampFromEpoch(qint64 secondsSinceEpoch);
// Invalid when a field is out of range.
QDateTime unpackDosStamp(DosStamp stamp);
// The stamp's date and time fields alone, invalid when out of range. Cheap: no time-zone
// lookup, so the per-file work of the searches and statistics uses these.
QDate stampDate(DosStamp stamp);
QTime stampTime(DosStamp stamp);
// Both fields are in range; a stamp that does not unpack shows 1 January 1980, 12:00:00.
bool stampUnpacks(DosStamp stamp);

// The stamp's date: the short date, 1 January 1980 when invalid, empty for 0.
QString stampDateText(DosStamp stamp);
// The stamp's time: the long time, "12:00:00" when invalid, empty for 0.
QString stampTimeText(DosStamp stamp);

// Whole days between the stamp's date and today, -1 for 0 (absolute difference).
int ageInDays(DosStamp stamp);
int ageInDaysOn(DosStamp stamp, const QDate& today);

}  // namespace tessaly
