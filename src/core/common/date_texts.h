#pragma once

#include <QDateTime>
#include <QString>

namespace tessaly {

// Four-digit years and numeric months: "M/d/yy" becomes "M/d/yyyy", "dd-MMM-yy" "dd-MM-yyyy".
QString fix2000(const QString& shortDateFormat);

// The process-wide short date format (Qt notation), the locale's until start-up rewrites it.
QString shortDateFormat();
void setShortDateFormat(const QString& format);
// The locale's long time format without its time-zone part.
QString longTimeFormat();

// Dates and times are written with the digits 0-9, like every number of the program.
QString shortDateText(const QDate& date);
QString longDateText(const QDate& date);
QString longTimeText(const QTime& time);
// Parses a date in the short date format; an invalid QDate when it does not read.
QDate parseShortDate(const QString& text);

// The date in the short format, or 1 January 1980 when the date is invalid.
QString safeDateText(const QDateTime& dateTime);

// "Today", "Yesterday", "Last week", "5 wks ago", "7 mons ago", "3 yrs 2 mons ago" ...
QString relativeDateBetween(const QDateTime& reference, const QDateTime& date);
QString relativeDateText(const QDateTime& date);

// Whole days since 30 December 1899, the day numbers stored with the removal totals.
qint64 dayNumber(const QDate& date);
QDate dateOfDayNumber(qint64 number);

}  // namespace tessaly
