#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/common/dos_time.h"
#include "core/inspect/file_details.h"

namespace tessaly {

// The value lines of one side of the pair comparison.
struct PairSideTexts {
  QString name;        // the group box caption
  QString folder;
  QString size;        // "1,234 bytes"
  QString type;
  QString created;     // "3/14/2001 10:22:04  3 yrs ago", "???" without a date
  QString modified;
  QString accessed;    // "3/14/2001  3 yrs ago"
  QString attributes;  // " ReadOnly Hidden"
  // The simple view's lines.
  QString accessLine;   // "Accessed : 3 wks ago"
  QString createdLine;  // "Created : 3/14/2001"
};

// The relative descriptions are taken against now.
PairSideTexts pairSideTexts(const FileDetails& details, const QString& name, const QString& folder,
                            const QDateTime& now);

// A date and time row: the date, a blank, the time, two blanks and how long ago it was.
QString dateTimeRowText(DosStamp stamp, const QDateTime& now);

// The simple view's size line of the right file: "Same size", "50% larger", "Slightly smaller".
// A percentage of an empty file cannot be taken: an empty right file reads "Empty file", a
// right file larger than an empty left one "Larger (left file is empty)".
QString sizeComparison(qint64 left, qint64 right);

// The simple view's creation line of the right file: "3 days newer", "12 days older",
// "03 hrs 25 min newer" within one day, "Same Creation Date/Time"; "???" when either file has
// no creation date to compare.
QString creationComparison(DosStamp left, DosStamp right);

// Where the arrow between the two sides points: to the later date, or the equal sign.
enum class NewerSide { Unknown, Left, Right, Same };
// Creation and modification compare date and time; access compares whole days. Unknown unless
// both sides have a date.
NewerSide newerSide(DosStamp left, DosStamp right, bool wholeDays);

// The checksum as the window shows it: hexadecimal in capitals, right-aligned in 8 characters.
QString crcText(quint32 value);
inline const QString kContentsIdentical = QStringLiteral(" file contents are identical");
inline const QString kContentsDiffer = QStringLiteral(" file contents differ");

// The version list of a file: its version lines, or the one line "Extended profile absent".
QStringList pairVersionLines(const QStringList& versionLines);
// For each line of a version list, whether it is drawn as a difference: both lists hold two
// lines or more, and the other list has another line, or none, at its place.
std::vector<bool> differingVersionLines(const QStringList& lines, const QStringList& other);

}  // namespace tessaly
