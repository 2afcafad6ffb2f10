#pragma once

#include <QString>
#include <compare>
#include <memory>
#include <optional>

#include "core/inspect/paged_file.h"
#include "core/inspect/shown_text.h"
#include "core/inspect/text_lines.h"

namespace tessaly {

enum class ViewMode { Text, Hex };

// A place in the shown lines: the line, named by the offset of its first byte, and a column
// of its shown text.
struct ViewerPosition {
  qint64 line = 0;
  int column = 0;
  auto operator<=>(const ViewerPosition&) const = default;
};

// A file as the viewer shows it, a line at a time: as text or as a hexadecimal dump. Lines
// are named by the offset of their first byte, so any part of a file of any size can be
// shown before the lines above it are counted; their numbers come from a line index that
// counts on demand.
class ViewerDocument {
 public:
  static constexpr int kHexBytesPerLine = 16;

  // False, with an empty document, when the path is not a readable regular file.
  bool open(const QString& path);
  void close();
  bool isOpen() const { return file_.isOpen(); }
  const QString& path() const { return path_; }
  qint64 size() const { return file_.size(); }
  PagedFile& file() { return file_; }

  ViewMode mode() const { return mode_; }
  void setMode(ViewMode mode) { mode_ = mode; }
  const TextLook& look() const { return look_; }
  void setLook(const TextLook& look) { look_ = look; }

  // The lines. Every question needs a file with at least one byte.
  qint64 firstLine() const { return 0; }
  qint64 lastLine();
  qint64 lineHolding(qint64 offset);
  std::optional<qint64> nextLine(qint64 line);
  std::optional<qint64> previousLine(qint64 line);
  QString lineText(qint64 line);

  // Line numbers are 0-based; nothing while the count has not reached the line.
  std::optional<qint64> lineNumber(qint64 line);
  std::optional<qint64> lineAt(qint64 number);
  std::optional<qint64> lineCount();
  // Counts on for about budget more bytes; true once the count is known.
  bool countFurther(qint64 budget);
  int countedPercent() const;

  // Where a byte shows, and the byte a place shows (the end of the file past the last byte).
  ViewerPosition positionOf(qint64 offset);
  qint64 offsetOf(const ViewerPosition& position);
  // The places just before the first and just after the last byte of a range, for selecting it.
  std::pair<ViewerPosition, ViewerPosition> rangePositions(qint64 start, qint64 end);

 private:
  qint64 textEnd(qint64 line);
  int offsetDigits() const;

  QString path_;
  PagedFile file_;
  std::unique_ptr<TextLineRules> rules_;
  std::unique_ptr<LineIndex> index_;
  ViewMode mode_ = ViewMode::Text;
  TextLook look_;
};

}  // namespace tessaly
