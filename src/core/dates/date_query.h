#pragma once

#include <QDate>
#include <QString>

#include "core/common/dos_time.h"

namespace tessaly {

// Which of a file's dates a search looks at.
enum class DateKind : quint8 { Accessed, Created, Modified };
// Where that date must lie against the chosen days.
enum class DateRange : quint8 { OnOrBefore, InBetween, OnOrAfter };

// One files-by-date query. Whole days are compared; times play no part.
struct DateQuery {
  DateKind kind = DateKind::Accessed;
  DateRange range = DateRange::InBetween;
  QDate start;
  QDate end;  // read with InBetween only

  // The date of the query's kind among a file's three stamps.
  DosStamp chosenStamp(DosStamp access, DosStamp creation, DosStamp write) const;
  // A file without the date (stamp 0) counts as old: in range for OnOrBefore only. A stamp
  // that does not unpack stands for 1 January 1980, as its date text shows it.
  bool inRange(DosStamp stamp) const;
};

// The kind as the print title names it: "Last accessed", "Created", "Modified".
QString dateKindTitle(DateKind kind);
// "Files Last accessed between 1/1/1999 and 3/31/1999": the dates in the short date format.
QString dateQueryTitle(const DateQuery& query);

// A date typed into a date box, in the short date format; a two-digit year means a year from
// 1950 to 2049. Invalid when the text is not such a date.
QDate readTypedDate(const QString& text);

}  // namespace tessaly
