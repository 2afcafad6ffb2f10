#include "core/dups/pair_texts.h"

#include "core/common/date_texts.h"
#include "core/common/text_routines.h"

namespace tessaly {
namespace {

constexpr int kPercent = 100;
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;
constexpr int kCrcDigits = 8;
constexpr int kHexBase = 16;
// The version lists are compared line by line only when both have more than one line.
constexpr qsizetype kLeastComparedVersionLines = 2;

const QString kNoDate = QStringLiteral("???");

// (a - b) * 100 / b in whole numbers, without overflowing for large files.
qint64 percentAbove(qint64 larger, qint64 smaller) {
  const qint64 difference = larger - smaller;
  return difference / smaller * kPercent + difference % smaller * kPercent / smaller;
}

// A date-time that can be compared: none for a missing or unreadable stamp.
QDateTime comparableDateTime(DosStamp stamp) { return stamp == 0 ? QDateTime() : unpackDosStamp(stamp); }

QString twoDigits(qint64 value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

}  // namespace

QString dateTimeRowText(DosStamp stamp, const QDateTime& now) {
  const QString date = stampDateText(stamp);
  if (date.isEmpty()) return kNoDate;
  return date + u' ' + stampTimeText(stamp) + QStringLiteral("  ") + relativeDateBetween(now, unpackDosStamp(stamp));
}

PairSideTexts pairSideTexts(const FileDetails& details, const QString& name, const QString& folder,
                            const QDateTime& now) {
  PairSideTexts texts;
  texts.name = name;
  texts.folder = folder;
  texts.size = formatThousands(details.size) + QStringLiteral(" bytes");
  texts.type = details.type;
  texts.created = dateTimeRowText(details.creation, now);
  texts.modified = dateTimeRowText(details.modification, now);
  texts.accessed = dateRowText(details.access, now);
  texts.attributes = attributesText(details.attributes);
  texts.accessLine = QStringLiteral("Accessed : ") + relativeDateBetween(now, unpackDosStamp(details.access));
  texts.createdLine = QStringLiteral("Created : ") + stampDateText(details.creation);
  return texts;
}

QString sizeComparison(qint64 left, qint64 right) {
  if (left == right) return QStringLiteral("Same size");
  if (right < left) {
    if (right == 0) return QStringLiteral("Empty file");
    const qint64 percent = percentAbove(left, right);
    return percent <= 0 ? QStringLiteral("Slightly smaller") : QString::number(percent) + QStringLiteral("% smaller");
  }
  if (left == 0) return QStringLiteral("Larger (left file is empty)");
  const qint64 percent = percentAbove(right, left);
  return percent <= 0 ? QStringLiteral("Slightly larger") : QString::number(percent) + QStringLiteral("% larger");
}

QString creationComparison(DosStamp left, DosStamp right) {
  const QDateTime leftTime = comparableDateTime(left);
  const QDateTime rightTime = comparableDateTime(right);
  if (!leftTime.isValid() || !rightTime.isValid()) return kNoDate;
  if (left == right) return QStringLiteral("Same Creation Date/Time");
  const qint64 days = leftTime.date().daysTo(rightTime.date());
  if (days > 0) return QString::number(days) + QStringLiteral(" days newer");
  if (days < 0) return QString::number(-days) + QStringLiteral(" days older");
  const qint64 seconds = leftTime.secsTo(rightTime);
  const qint64 apart = qAbs(seconds);
  return twoDigits(apart / kSecondsPerHour) + QStringLiteral(" hrs ") +
         twoDigits(apart % kSecondsPerHour / kSecondsPerMinute) + QStringLiteral(" min") +
         (seconds > 0 ? QStringLiteral(" newer") : QStringLiteral(" older"));
}

NewerSide newerSide(DosStamp left, DosStamp right, bool wholeDays) {
  if (left == 0 || right == 0) return NewerSide::Unknown;
  // The packed form orders as time does: the date in the high half, the time of day below.
  constexpr int kDateShift = 16;
  if (wholeDays) {
    left >>= kDateShift;
    right >>= kDateShift;
  }
  if (left == right) return NewerSide::Same;
  return left > right ? NewerSide::Left : NewerSide::Right;
}

QString crcText(quint32 value) { return QStringLiteral("%1").arg(value, kCrcDigits, kHexBase, QLatin1Char(' ')).toUpper(); }

QStringList pairVersionLines(const QStringList& versionLines) {
  return versionLines.isEmpty() ? QStringList{QStringLiteral("Extended profile absent")} : versionLines;
}

std::vector<bool> differingVersionLines(const QStringList& lines, const QStringList& other) {
  std::vector<bool> differs(size_t(lines.size()), false);
  if (lines.size() < kLeastComparedVersionLines || other.size() < kLeastComparedVersionLines) return differs;
  for (qsizetype i = 0; i < lines.size(); ++i) differs[size_t(i)] = i >= other.size() || lines[i] != other[i];
  return differs;
}

}  // namespace tessaly
