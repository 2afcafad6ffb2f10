#include "ui/inspect/file_viewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "core/inspect/selected_lines.h"

namespace tessaly {
namespace {

// Files up to this size have their lines counted when they open: it takes a few milliseconds.
constexpr qint64 kCountedAtOnce = 4 * 1024 * 1024;
// The steps of the vertical scroll bar while lines are not counted: it then stands for bytes.
constexpr int kByteScrollSteps = 1 << 20;
constexpr int kTextMargin = 2;
constexpr int kCaretWidth = 2;
constexpr int kAngleStepsPerNotch = 120;

}  // namespace

FileViewer::FileViewer(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setBackgroundRole(QPalette::Base);
  QFont font(QStringLiteral("Courier New"));
  font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                    QStringLiteral("monospace")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(8);
  setFont(font);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &FileViewer::verticalAction);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

bool FileViewer::openFile(const QString& path) {
  const bool opened = document_.open(path);
  if (opened && document_.size() <= kCountedAtOnce) document_.countFurther(kCountedAtOnce);
  top_ = 0;
  caret_ = anchor_ = {};
  horizontalScrollBar()->setValue(0);
  relayout();
  return opened;
}

void FileViewer::closeFile() {
  document_.close();
  top_ = 0;
  caret_ = anchor_ = {};
  relayout();
}

int FileViewer::lineHeight() const { return fontMetrics().lineSpacing(); }

int FileViewer::visibleLineCount() const { return qMax(1, viewport()->height() / lineHeight()); }

std::optional<qint64> FileViewer::lineNumberOf(qint64 line) {
  // An empty file shows its caret on the first line, as an empty editor does.
  if (!hasLines()) return 0;
  return document_.lineNumber(line);
}

std::pair<ViewerPosition, ViewerPosition> FileViewer::selection() const {
  return anchor_ < caret_ ? std::pair(anchor_, caret_) : std::pair(caret_, anchor_);
}

void FileViewer::changed() {
  updateScrollBars();
  viewport()->update();
  Q_EMIT statusChanged();
}

void FileViewer::relayout() {
  lastPageTop_ = -1;
  if (hasLines()) top_ = qMin(document_.lineHolding(top_), lastPageTop());
  changed();
}

// The line count lines further down (a negative count: up), or the last or first line there is.
qint64 FileViewer::linesAway(qint64 line, qint64 count) {
  for (; count != 0; count += count > 0 ? -1 : 1) {
    const std::optional<qint64> next = count > 0 ? document_.nextLine(line) : document_.previousLine(line);
    if (!next) break;
    line = *next;
  }
  return line;
}

// The top line that shows the last line at the bottom of the window.
qint64 FileViewer::lastPageTop() {
  if (lastPageTop_ < 0) lastPageTop_ = linesAway(document_.lastLine(), 1 - visibleLineCount());
  return lastPageTop_;
}

void FileViewer::setTop(qint64 line) {
  if (!hasLines()) return;
  top_ = qBound<qint64>(0, line, lastPageTop());
  changed();
}

void FileViewer::showCaret() {
  if (!hasLines()) return;
  if (caret_.line < top_) {
    top_ = caret_.line;
  } else {
    const qint64 bottom = linesAway(top_, visibleLineCount() - 1);
    if (caret_.line > bottom) top_ = qMin(linesAway(caret_.line, 1 - visibleLineCount()), lastPageTop());
  }
  const QString text = document_.lineText(caret_.line);
  const int x = fontMetrics().horizontalAdvance(text.left(caret_.column)) + kTextMargin;
  QScrollBar* bar = horizontalScrollBar();
  const int width = viewport()->width();
  if (x < bar->value()) bar->setValue(qMax(0, x - width / 4));
  if (x > bar->value() + width - kTextMargin) bar->setValue(x - width * 3 / 4);
}

void FileViewer::moveCaretTo(const ViewerPosition& position, bool keepAnchor) {
  if (!hasLines()) return;
  caret_ = position;
  caret_.column = qBound(0, caret_.column, int(document_.lineText(caret_.line).size()));
  if (!keepAnchor) anchor_ = caret_;
  showCaret();
  changed();
}

void FileViewer::selectAll() {
  if (!hasLines()) return;
  anchor_ = {document_.firstLine(), 0};
  caret_ = endOfDocument(document_);
  showCaret();
  changed();
}

void FileViewer::selectRange(qint64 start, qint64 end, bool caretAtStart) {
  if (!hasLines()) return;
  const auto [from, to] = document_.rangePositions(start, end);
  anchor_ = caretAtStart ? to : from;
  caret_ = caretAtStart ? from : to;
  showCaret();
  changed();
}

void FileViewer::goToLine(qint64 number) {
  const std::optional<qint64> count = document_.lineCount();
  if (!hasLines() || !count) return;
  const std::optional<qint64> line = document_.lineAt(qBound<qint64>(0, number, *count - 1));
  if (!line) return;
  top_ = qMin(*line, lastPageTop());
  moveCaretTo({*line, 0});
}

// The caret and the top line keep the bytes they stood on when the look of the lines changes.
void FileViewer::changeLook(const std::function<void()>& change) {
  if (!hasLines()) {
    change();
    changed();
    return;
  }
  const qint64 caretOffset = document_.offsetOf(caret_);
  const qint64 topOffset = top_;
  change();
  lastPageTop_ = -1;
  caret_ = anchor_ = document_.positionOf(caretOffset);
  top_ = qMin(document_.lineHolding(topOffset), lastPageTop());
  showCaret();
  changed();
}

void FileViewer::setMode(ViewMode mode) {
  if (mode == document_.mode()) return;
  changeLook([&] { document_.setMode(mode); });
}

void FileViewer::setTabExpansion(bool on) {
  changeLook([&] {
    TextLook look = document_.look();
    look.expandTabs = on;
    document_.setLook(look);
  });
}

void FileViewer::setTabSize(int size) {
  changeLook([&] {
    TextLook look = document_.look();
    look.tabSize = size;
    document_.setLook(look);
  });
}

void FileViewer::setViewerFont(const QFont& font) {
  setFont(font);
  relayout();
}

bool FileViewer::lineScrolling() {
  const std::optional<qint64> count = document_.lineCount();
  return count && *count < std::numeric_limits<int>::max();
}

// With the lines counted, the scroll bar counts lines; before that it stands for the bytes
// from the first to the last page, so the end of a huge file is one drag away.
void FileViewer::updateScrollBars() {
  QScrollBar* vertical = verticalScrollBar();
  const QSignalBlocker blocker(vertical);
  if (!hasLines()) {
    vertical->setRange(0, 0);
  } else if (lineScrolling()) {
    const qint64 lastTop = lastPageTop();
    vertical->setRange(0, int(*document_.lineNumber(lastTop)));
    vertical->setPageStep(visibleLineCount());
    vertical->setValue(int(document_.lineNumber(top_).value_or(0)));
  } else {
    const qint64 lastTop = qMax<qint64>(lastPageTop(), 1);
    vertical->setRange(0, kByteScrollSteps);
    const qint64 shown = linesAway(top_, visibleLineCount()) - top_;
    vertical->setPageStep(int(qBound<qint64>(1, shown * kByteScrollSteps / lastTop, qint64(kByteScrollSteps))));
    vertical->setValue(int(top_ * kByteScrollSteps / lastTop));
  }
  int widest = 0;
  qint64 line = top_;
  for (int i = 0; hasLines() && i < visibleLineCount(); ++i) {
    widest = qMax(widest, fontMetrics().horizontalAdvance(document_.lineText(line)));
    const std::optional<qint64> next = document_.nextLine(line);
    if (!next) break;
    line = *next;
  }
  QScrollBar* horizontal = horizontalScrollBar();
  horizontal->setRange(0, qMax(0, widest + 2 * kTextMargin - viewport()->width()));
  horizontal->setPageStep(viewport()->width());
  horizontal->setSingleStep(fontMetrics().averageCharWidth());
}

void FileViewer::verticalAction(int action) {
  if (!hasLines()) return;
  QScrollBar* bar = verticalScrollBar();
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: top_ = linesAway(top_, 1); break;
    case QAbstractSlider::SliderSingleStepSub: top_ = linesAway(top_, -1); break;
    case QAbstractSlider::SliderPageStepAdd: top_ = linesAway(top_, visibleLineCount()); break;
    case QAbstractSlider::SliderPageStepSub: top_ = linesAway(top_, -visibleLineCount()); break;
    case QAbstractSlider::SliderToMinimum: top_ = 0; break;
    case QAbstractSlider::SliderToMaximum: top_ = lastPageTop(); break;
    case QAbstractSlider::SliderMove:
      if (lineScrolling()) {
        top_ = document_.lineAt(bar->sliderPosition()).value_or(top_);
      } else {
        top_ = document_.lineHolding(qint64(bar->sliderPosition()) * lastPageTop() / kByteScrollSteps);
      }
      break;
    default: return;
  }
  top_ = qMin(top_, lastPageTop());
  changed();
  bar->setSliderPosition(bar->value());
}

void FileViewer::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / kAngleStepsPerNotch;
  if (notches == 0 || !hasLines()) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  const qint64 lines = qint64(qAbs(notches)) * QApplication::wheelScrollLines();
  setTop(notches < 0 ? linesAway(top_, lines) : linesAway(top_, -lines));
  event->accept();
}

void FileViewer::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  relayout();
}

void FileViewer::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void FileViewer::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void FileViewer::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  if (!hasLines()) return;
  const QFontMetrics metrics = fontMetrics();
  const int height = lineHeight();
  const int left = kTextMargin - horizontalScrollBar()->value();
  const auto [from, to] = selection();
  const QPalette& colours = palette();
  qint64 line = top_;
  for (int row = 0; row * height < viewport()->height(); ++row) {
    const QString text = document_.lineText(line);
    const int y = row * height;
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(left, y + metrics.ascent(), text);
    if (hasSelection() && line >= from.line && line <= to.line) {
      const int start = line == from.line ? from.column : 0;
      const int end = line == to.line ? to.column : int(text.size());
      const int x1 = left + metrics.horizontalAdvance(text.left(start));
      // A line end inside the selection shows as one selected blank.
      const int x2 = left + metrics.horizontalAdvance(text.left(end)) + (line < to.line ? metrics.averageCharWidth() : 0);
      const QRect selected(x1, y, x2 - x1, height);
      painter.fillRect(selected, colours.brush(QPalette::Highlight));
      painter.save();
      painter.setClipRect(selected);
      painter.setPen(colours.color(QPalette::HighlightedText));
      painter.drawText(left, y + metrics.ascent(), text);
      painter.restore();
    }
    if (line == caret_.line && hasFocus()) {
      const int x = left + metrics.horizontalAdvance(text.left(caret_.column));
      painter.fillRect(QRect(x, y, kCaretWidth, height), colours.brush(QPalette::Text));
    }
    const std::optional<qint64> next = document_.nextLine(line);
    if (!next) break;
    line = *next;
  }
}

int FileViewer::columnAt(const QString& text, int x) const {
  const QFontMetrics metrics = fontMetrics();
  int column = 0;
  int previous = 0;
  while (column < text.size()) {
    const int next = metrics.horizontalAdvance(text.left(column + 1));
    if (x < (previous + next) / 2) break;
    previous = next;
    ++column;
  }
  return column;
}

ViewerPosition FileViewer::positionAt(const QPoint& point) {
  const int row = point.y() < 0 ? -1 - (-point.y() / lineHeight()) : point.y() / lineHeight();
  const qint64 line = linesAway(top_, row);
  const QString text = document_.lineText(line);
  return {line, columnAt(text, point.x() - kTextMargin + horizontalScrollBar()->value())};
}

void FileViewer::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !hasLines()) return;
  moveCaretTo(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void FileViewer::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || !hasLines()) return;
  moveCaretTo(positionAt(event->position().toPoint()), true);
}

void FileViewer::keyPressEvent(QKeyEvent* event) {
  if (!hasLines()) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  const bool extend = event->modifiers() & Qt::ShiftModifier;
  const bool control = event->modifiers() & Qt::ControlModifier;
  ViewerPosition to = caret_;
  const int length = int(document_.lineText(caret_.line).size());
  switch (event->key()) {
    case Qt::Key_Up: to.line = linesAway(caret_.line, -1); break;
    case Qt::Key_Down: to.line = linesAway(caret_.line, 1); break;
    case Qt::Key_PageUp:
      to.line = linesAway(caret_.line, -visibleLineCount());
      top_ = linesAway(top_, -visibleLineCount());
      break;
    case Qt::Key_PageDown:
      to.line = linesAway(caret_.line, visibleLineCount());
      top_ = qMin(linesAway(top_, visibleLineCount()), lastPageTop());
      break;
    case Qt::Key_Left:
      if (caret_.column > 0) {
        --to.column;
      } else if (const std::optional<qint64> previous = document_.previousLine(caret_.line)) {
        to = {*previous, int(document_.lineText(*previous).size())};
      }
      break;
    case Qt::Key_Right:
      if (caret_.column < length) {
        ++to.column;
      } else if (const std::optional<qint64> next = document_.nextLine(caret_.line)) {
        to = {*next, 0};
      }
      break;
    case Qt::Key_Home: to = control ? ViewerPosition{document_.firstLine(), 0} : ViewerPosition{caret_.line, 0}; break;
    case Qt::Key_End: to = control ? endOfDocument(document_) : ViewerPosition{caret_.line, length}; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
  }
  moveCaretTo(to, extend);
}

}  // namespace tessaly
