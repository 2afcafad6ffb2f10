#pragma once

#include <QString>
#include <optional>

#include "core/inspect/viewer_document.h"

namespace tessaly {

// The shown lines from one place to another, a line at a time, each with the columns the
// range covers in it: from `from.column` in the first line, up to `to.column` in the last,
// all of every line between. A caller can stop between lines and go on later.
class SelectedLines {
 public:
  struct Line {
    QString text;
    int startColumn = 0;
    int endColumn = 0;
  };

  SelectedLines(ViewerDocument& document, const ViewerPosition& from, const ViewerPosition& to);
  bool atEnd() const { return !next_; }
  Line take();
  int percentDone() const;

 private:
  ViewerDocument& document_;
  ViewerPosition from_;
  ViewerPosition to_;
  std::optional<qint64> next_;
};

// A selected line as it prints: blanks in place of the characters before the selection,
// nothing after its end.
QString printedSelectionLine(const SelectedLines::Line& line);
// A selected line as it is copied: the selected characters alone.
QString copiedSelectionLine(const SelectedLines::Line& line);

// The place after the last character of the last line: the end of a whole-file range.
ViewerPosition endOfDocument(ViewerDocument& document);

}  // namespace tessaly
