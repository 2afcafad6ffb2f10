#pragma once

#include <QString>
#include <QStringList>

namespace tessaly {

// Pattern lists shown with descriptions: each line is a pattern ("*.tmp", or a whole file
// name), a tab and the description of the pattern's extension. Only the pattern is stored;
// the description is looked up again whenever a list is read.
QString patternLine(const QString& pattern);
// The text before the first tab (the whole text when there is none).
QString patternOfLine(const QString& line);

// A stored pattern list (the list convention) as lines; neverStoredDefaults when the list was
// never stored.
QStringList readPatternLines(const QString& section, const QStringList& neverStoredDefaults);
// Stores the patterns of the lines, in their order.
void writePatternLines(const QString& section, const QStringList& lines);

// The section of the temporary-file patterns that quick clean searches for.
inline const QString kTempFilesSection = QStringLiteral("TempFiles");
// The section of the protected file types (the keep list).
inline const QString kProtectedTypesSection = QStringLiteral("NoDelExt");

// The statistics type lists, sections Include and Exclude: "*.doc", "*.exe", "*.dll" until
// stored once.
void ReadStatFilesFromDisk(QStringList& list, const QString& section);
void WriteStatFilesToDisk(const QStringList& list, const QString& section);

// What the extension picker gave an editor.
struct ExtensionChoice {
  bool accepted = false;
  bool several = false;
  QString pattern;      // when not several; may be empty
  QString description;
  QStringList lines;    // when several: pattern, tab, description each
};
// The lines the choice adds: several lines as given, or the one pattern's line unless the
// pattern is empty or "*.*". Nothing when the picker was cancelled.
QStringList linesOfChoice(const ExtensionChoice& choice);

}  // namespace tessaly
