#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/inspect/paged_file.h"

namespace tessaly {

// Where the lines of a file begin when it is shown as text. A line ends at LF, CR LF or CR.
// A line that has run on for kLongLineBlock bytes is also broken at each multiple of
// kLongLineBlock in the file (unless a line end stands there), so every question about one
// line reads a few kilobytes at most: a file that is one huge line still opens at once, and
// its end is found without reading the rest. Lines shorter than kLongLineBlock are never broken.
class TextLineRules {
 public:
  static constexpr qint64 kLongLineBlock = 4096;

  explicit TextLineRules(PagedFile& file) : file_(file) {}

  // The start of the line that holds the byte at offset (0 <= offset < size).
  qint64 lineStartAtOrBefore(qint64 offset);
  // Nothing after the last line.
  std::optional<qint64> nextLineStart(qint64 lineStart);
  std::optional<qint64> previousLineStart(qint64 lineStart);
  // Where the line's text ends: at its line end, its break or the end of the file.
  qint64 textEnd(qint64 lineStart);

 private:
  bool isLineEndByte(qint64 offset) { return isLineEnd(file_.byteAt(offset)); }
  static bool isLineEnd(quint8 byte) { return byte == '\n' || byte == '\r'; }
  // A line begins at q because a line end stops just before it.
  bool followsLineEnd(qint64 q);
  // The line end or break that ends the line, and where the next line begins.
  struct LineEnd {
    qint64 textEnd;
    qint64 next;  // the size of the file when there is no next line
  };
  LineEnd endOf(qint64 lineStart);

  PagedFile& file_;
};

// The numbers of the lines, counted on demand in slices of the file. Every 64 KB of the file
// keeps one checkpoint (a line start and its number), so the index of a 4 GB file takes about
// a megabyte, and the number of a line is found by walking from the nearest checkpoint.
class LineIndex {
 public:
  static constexpr qint64 kCheckpointSpacing = 64 * 1024;

  explicit LineIndex(PagedFile& file, TextLineRules& rules);

  // Counts on for about budget more bytes; true once the whole file is counted.
  bool countFurther(qint64 budget);
  bool complete() const { return counted_ >= file_.size(); }
  qint64 countedBytes() const { return counted_; }
  // The number of lines once the whole file is counted.
  std::optional<qint64> lineCount() const;
  // The 0-based number of the line that starts at lineStart, when the count reached it. A
  // line less than a megabyte past the counted part is counted on the spot.
  std::optional<qint64> lineNumberOf(qint64 lineStart);
  // The start of the line with that 0-based number, when the count reached it.
  std::optional<qint64> lineStartOf(qint64 number);

 private:
  struct Checkpoint {
    qint64 offset;
    qint64 number;
  };
  // Goes line by line from a known line while goOn holds; nothing past the last line.
  std::optional<Checkpoint> walkFrom(Checkpoint at, const std::function<bool(const Checkpoint&)>& goOn);
  void addLineStart(qint64 offset);
  void countRange(qint64 from, QByteArrayView bytes);

  PagedFile& file_;
  TextLineRules& rules_;
  std::vector<Checkpoint> checkpoints_;
  qint64 counted_ = 0;      // bytes looked at
  qint64 lines_ = 0;        // line starts found before counted_
  qint64 lastStart_ = 0;
  qint64 nextCheckpoint_ = 0;
};

}  // namespace tessaly
