#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace tessaly {

// The patterns quick clean shows while the temporary-file list was never stored (its own, not
// the pattern editor's).
const QStringList& quickCleanDefaultPatterns();
// Quick clean's pattern lines (pattern, tab, description): the stored temporary-file list, or
// the defaults above.
QStringList readQuickCleanPatternLines();

// The extension a pattern line stands for: from its second character up to the tab,
// lower-cased ("*.tmp" gives ".tmp"; a whole name such as "foo.tmp" gives "oo.tmp", which no
// extension equals).
QString patternExtension(const QString& line);
// A file name's extension with its dot, lower-cased; empty when the name has no dot.
QString fileExtension(const QString& name);

// Tells the files whose extension equals that of one of the chosen pattern lines. A "*" after
// the dot is an ordinary character: "*.~*" matches only the extension ".~*".
class TemporaryFileMatcher {
 public:
  explicit TemporaryFileMatcher(const QStringList& selectedLines);
  bool isThisFileTemporary(const QString& name) const;

 private:
  QSet<QString> extensions_;
};

}  // namespace tessaly
