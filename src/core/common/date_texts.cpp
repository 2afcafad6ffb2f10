#include "core/common/date_texts.h"

#include <QLocale>

#include "core/common/text_routines.h"

namespace tessaly {
namespace {

QString& processShortDateFormat() {
  static QString format = QLocale().dateFormat(QLocale::ShortFormat);
  return format;
}

// 1 = Sunday ... 7 = Saturday.
int sundayBasedDayOfWeek(const QDate& date) { return date.dayOfWeek() % 7 + 1; }

QString plural(qint64 count) { return count > 1 ? QStringLiteral("s") : QString(); }

}  // namespace

QString fix2000(const QString& shortDateFormat) {
  QString format = shortDateFormat;
  if (!format.contains(QStringLiteral("yyyy"))) {
    const qsizetype yy = format.indexOf(QStringLiteral("yy"));
    if (yy >= 0) format.insert(yy, QStringLiteral("yy"));
  }
  const qsizetype mmm = format.indexOf(QStringLiteral("MMM"));
  if (mmm >= 0) format.replace(mmm, 3, QStringLiteral("MM"));
  return format;
}

QString shortDateFormat() { return processShortDateFormat(); }
void setShortDateFormat(const QString& format) { processShortDateFormat() = format; }

QString longTimeFormat() {
  QString format = QLocale().timeFormat(QLocale::LongFormat);
  format.remove(QStringLiteral(" t"));
  format.remove(u't');
  return format.trimmed();
}

QString shortDateText(const QDate& date) { return withLatinDigits(QLocale().toString(date, shortDateFormat())); }
QString longDateText(const QDate& date) { return withLatinDigits(QLocale().toString(date, QLocale::LongFormat)); }
QString longTimeText(const QTime& time) { return withLatinDigits(QLocale().toString(time, longTimeFormat())); }

QDate parseShortDate(const QString& text) { return QLocale().toDate(text.trimmed(), shortDateFormat()); }

QString safeDateText(const QDateTime& dateTime) {
  if (!dateTime.isValid() || !dateTime.date().isValid()) return shortDateText(QDate(1980, 1, 1));
  return shortDateText(dateTime.date());
}

QString relativeDateBetween(const QDateTime& reference, const QDateTime& date) {
  if (!date.isValid() || !reference.isValid()) return {};
  const QDate r = reference.date();
  const QDate d = date.date();
  const bool future = d > r;
  const qint64 days = qAbs(r.daysTo(d));
  if (days == 0) return QStringLiteral("Today");
  if (days == 1) return future ? QStringLiteral("Tomorrow") : QStringLiteral("Yesterday");

  qint64 weeks = 0;
  if (future) {
    if (7 - sundayBasedDayOfWeek(r) >= days) return QStringLiteral("This week");
    weeks = (days + sundayBasedDayOfWeek(r) - 1) / 7;
    if (weeks < 2) return QStringLiteral("Next week");
  } else {
    weeks = (days + sundayBasedDayOfWeek(d) - 1) / 7;
    if (weeks == 0) return QStringLiteral("This week");
    if (weeks == 1) return QStringLiteral("Last week");
  }

  const QDate later = future ? d : r;
  const QDate earlier = future ? r : d;
  const qint64 months = (later.year() * 12 + later.month()) - (earlier.year() * 12 + earlier.month());
  const qint64 yearSpan = later.year() - earlier.year();
  if (months < 3) return QString::number(weeks) + (future ? QStringLiteral(" wks") : QStringLiteral(" wks ago"));
  if (yearSpan <= 2) {
    return QString::number(months) + QStringLiteral(" mon") + plural(months) +
           (future ? QString() : QStringLiteral(" ago"));
  }
  qint64 years = yearSpan - 1;
  qint64 restMonths = months - 12 * (yearSpan - 1);
  if (restMonths >= 12) {
    years += restMonths / 12;
    restMonths %= 12;
  }
  if (future) {
    QString text = QString::number(years) + QStringLiteral(" yrs");
    if (restMonths > 0) text += u' ' + QString::number(restMonths) + QStringLiteral(" mon") + plural(restMonths);
    return text;
  }
  QString text = QString::number(years) + QStringLiteral(" yrs ");
  if (restMonths > 0) text += QString::number(restMonths) + QStringLiteral(" mon") + plural(restMonths) + u' ';
  return text + QStringLiteral("ago");
}

QString relativeDateText(const QDateTime& date) { return relativeDateBetween(QDateTime::currentDateTime(), date); }

namespace {
const QDate kDayNumberEpoch(1899, 12, 30);
}  // namespace

qint64 dayNumber(const QDate& date) { return kDayNumberEpoch.daysTo(date); }

QDate dateOfDayNumber(qint64 number) { return kDayNumberEpoch.addDays(number); }

}  // namespace tessaly
