#include "core/dates/date_query.h"

#include <QLocale>

#include "core/common/date_texts.h"

namespace tessaly {
namespace {

// Two-digit years: 50 to 99 are 1950 to 1999, 00 to 49 are 2000 to 2049.
constexpr int kCenturyPivot = 1950;
constexpr int kYearsInCentury = 100;

const QDate kDateOfInvalidStamp(1980, 1, 1);

}  // namespace

DosStamp DateQuery::chosenStamp(DosStamp access, DosStamp creation, DosStamp write) const {
  switch (kind) {
    case DateKind::Accessed: return access;
    case DateKind::Created: return creation;
    case DateKind::Modified: return write;
  }
  return 0;
}

bool DateQuery::inRange(DosStamp stamp) const {
  if (stamp == 0) return range == DateRange::OnOrBefore;
  const QDate date = stampUnpacks(stamp) ? stampDate(stamp) : kDateOfInvalidStamp;
  switch (range) {
    case DateRange::OnOrBefore: return date <= start;
    case DateRange::InBetween: return start <= date && date <= end;
    case DateRange::OnOrAfter: return date >= start;
  }
  return false;
}

QString dateKindTitle(DateKind kind) {
  switch (kind) {
    case DateKind::Accessed: return QStringLiteral("Last accessed");
    case DateKind::Created: return QStringLiteral("Created");
    case DateKind::Modified: return QStringLiteral("Modified");
  }
  return {};
}

QString dateQueryTitle(const DateQuery& query) {
  QString range;
  switch (query.range) {
    case DateRange::OnOrBefore: range = QStringLiteral("before ") + shortDateText(query.start); break;
    case DateRange::InBetween:
      range = QStringLiteral("between ") + shortDateText(query.start) + QStringLiteral(" and ") + shortDateText(query.end);
      break;
    case DateRange::OnOrAfter: range = QStringLiteral("after ") + shortDateText(query.start); break;
  }
  return QStringLiteral("Files ") + dateKindTitle(query.kind) + u' ' + range;
}

QDate readTypedDate(const QString& text) {
  const QString format = shortDateFormat();
  const bool fourDigitYears = format.contains(QStringLiteral("yyyy"));
  if (fourDigitYears) {
    const QDate full = parseShortDate(text);
    if (full.isValid()) return full;
  }
  QString twoDigitFormat = format;
  if (fourDigitYears) twoDigitFormat.replace(QStringLiteral("yyyy"), QStringLiteral("yy"));
  if (!twoDigitFormat.contains(QStringLiteral("yy"))) return {};
  // Qt reads "yy" as a year of the 1900s.
  const QDate typed = QLocale().toDate(text.trimmed(), twoDigitFormat);
  if (!typed.isValid()) return {};
  return typed.year() < kCenturyPivot ? typed.addYears(kYearsInCentury) : typed;
}

}  // namespace tessaly
