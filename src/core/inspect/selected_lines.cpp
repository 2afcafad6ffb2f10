#include "core/inspect/selected_lines.h"

namespace tessaly {

SelectedLines::SelectedLines(ViewerDocument& document, const ViewerPosition& from, const ViewerPosition& to)
    : document_(document), from_(from), to_(to) {
  if (document.size() > 0 && !(to < from)) next_ = from.line;
}

SelectedLines::Line SelectedLines::take() {
  const qint64 line = *next_;
  Line taken;
  taken.text = document_.lineText(line);
  const int length = int(taken.text.size());
  taken.startColumn = line == from_.line ? qMin(from_.column, length) : 0;
  taken.endColumn = line == to_.line ? qBound(taken.startColumn, to_.column, length) : length;
  next_ = line < to_.line ? document_.nextLine(line) : std::nullopt;
  return taken;
}

int SelectedLines::percentDone() const {
  if (!next_) return 100;
  const qint64 span = qMax<qint64>(to_.line - from_.line, 1);
  return int((*next_ - from_.line) * 100 / span);
}

QString printedSelectionLine(const SelectedLines::Line& line) {
  return QString(line.startColumn, u' ') + line.text.mid(line.startColumn, line.endColumn - line.startColumn);
}

QString copiedSelectionLine(const SelectedLines::Line& line) {
  return line.text.mid(line.startColumn, line.endColumn - line.startColumn);
}

ViewerPosition endOfDocument(ViewerDocument& document) {
  if (document.size() == 0) return {};
  const qint64 last = document.lastLine();
  return {last, int(document.lineText(last).size())};
}

}  // namespace tessaly
