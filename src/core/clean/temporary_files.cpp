#include "core/clean/temporary_files.h"

#include "core/safeharbor/pattern_lines.h"

namespace tessaly {

const QStringList& quickCleanDefaultPatterns() {
  static const QStringList patterns{
      QStringLiteral("*.bak"), QStringLiteral("*.chk"), QStringLiteral("*.da0"), QStringLiteral("*.db$"),
      QStringLiteral("*.ftg"), QStringLiteral("*.fts"), QStringLiteral("*.gid"), QStringLiteral("*.old"),
      QStringLiteral("*.tmp"), QStringLiteral("*.$$$"), QStringLiteral("*.---"), QStringLiteral("*.~mp"),
      QStringLiteral("*.~*")};
  return patterns;
}

QStringList readQuickCleanPatternLines() { return readPatternLines(kTempFilesSection, quickCleanDefaultPatterns()); }

QString patternExtension(const QString& line) { return patternOfLine(line).mid(1).toLower(); }

QString fileExtension(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot).toLower();
}

TemporaryFileMatcher::TemporaryFileMatcher(const QStringList& selectedLines) {
  for (const QString& line : selectedLines) extensions_.insert(patternExtension(line));
}

bool TemporaryFileMatcher::isThisFileTemporary(const QString& name) const {
  const QString extension = fileExtension(name);
  return !extension.isEmpty() && extensions_.contains(extension);
}

}  // namespace tessaly
