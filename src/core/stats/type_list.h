#pragma once

#include <QString>
#include <vector>

namespace tessaly {

// One line of the type list: an upper-case extension with its dot (empty for files without
// one), its file count and byte total.
struct TypeLine {
  QString extension;
  qint64 count = 0;
  qint64 bytes = 0;
};

// The type list of a statistics run, kept in ascending order of extensions compared without
// regard to case.
class TypeList {
 public:
  // Extensions longer than this, dot included, get no line.
  static constexpr int kLongestExtension = 5;

  // Adds a file of the extension; with addOnly the extension only gets its line (count 0).
  void insertType(const QString& extension, qint64 size, bool addOnly = false);
  void clear() { lines_.clear(); }
  const std::vector<TypeLine>& lines() const { return lines_; }

 private:
  std::vector<TypeLine> lines_;
};

}  // namespace tessaly
