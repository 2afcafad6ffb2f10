#include "core/safeharbor/pattern_lines.h"

#include "core/common/file_types.h"
#include "core/common/settings_store.h"

namespace tessaly {

QString patternLine(const QString& pattern) {
  return pattern + u'\t' + fileTypeDescription(extensionOf(pattern));
}

QString patternOfLine(const QString& line) {
  const qsizetype tab = line.indexOf(u'\t');
  return tab < 0 ? line : line.left(tab);
}

QStringList readPatternLines(const QString& section, const QStringList& neverStoredDefaults) {
  QStringList lines;
  for (const QString& pattern : programSettings().readList(section, neverStoredDefaults))
    lines.append(patternLine(pattern));
  return lines;
}

void writePatternLines(const QString& section, const QStringList& lines) {
  QStringList patterns;
  patterns.reserve(lines.size());
  for (const QString& line : lines) patterns.append(patternOfLine(line));
  programSettings().writeList(section, patterns);
}

void ReadStatFilesFromDisk(QStringList& list, const QString& section) {
  list = readPatternLines(section, {QStringLiteral("*.doc"), QStringLiteral("*.exe"), QStringLiteral("*.dll")});
}

void WriteStatFilesToDisk(const QStringList& list, const QString& section) { writePatternLines(section, list); }

QStringList linesOfChoice(const ExtensionChoice& choice) {
  if (!choice.accepted) return {};
  if (choice.several) return choice.lines;
  if (choice.pattern.isEmpty() || choice.pattern == QStringLiteral("*.*")) return {};
  return {choice.pattern + u'\t' + choice.description};
}

}  // namespace tessaly
