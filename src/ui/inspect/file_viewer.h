#pragma once

#include <QAbstractScrollArea>
#include <optional>

#include "core/inspect/viewer_document.h"

namespace tessaly {

// The viewer control: shows a file of any size as text or as a hexadecimal dump, a screenful
// at a time, with a caret, a selection and a fixed-pitch font. Only the lines on screen are
// read; the line count is known at once for small files and counted on demand for large ones.
class FileViewer final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit FileViewer(QWidget* parent = nullptr);

  // False, with nothing shown, when the path is not a readable regular file.
  bool openFile(const QString& path);
  void closeFile();
  ViewerDocument& document() { return document_; }
  // Shows what changed in the document, such as lines counted since.
  void refresh() { relayout(); }

  ViewMode mode() const { return document_.mode(); }
  void setMode(ViewMode mode);
  bool tabExpansion() const { return document_.look().expandTabs; }
  void setTabExpansion(bool on);
  int tabSize() const { return document_.look().tabSize; }
  void setTabSize(int size);
  void setViewerFont(const QFont& font);

  qint64 fileSize() const { return document_.size(); }
  bool hasLines() const { return document_.size() > 0; }
  // Nothing while the count is not known yet.
  std::optional<qint64> lineCount() { return document_.lineCount(); }
  // 0-based; nothing where the count has not reached yet.
  std::optional<qint64> caretLineNumber() { return lineNumberOf(caret_.line); }
  int caretColumn() const { return caret_.column; }
  std::optional<qint64> topLineNumber() { return lineNumberOf(top_); }

  ViewerPosition caret() const { return caret_; }
  bool hasSelection() const { return anchor_ != caret_; }
  // The selection's start and end, in order.
  std::pair<ViewerPosition, ViewerPosition> selection() const;
  void selectAll();
  // Selects the bytes [start, end) and shows them, the caret at the end.
  void selectRange(qint64 start, qint64 end, bool caretAtStart);
  void moveCaretTo(const ViewerPosition& position, bool keepAnchor = false);
  // Moves the caret to the start of the line with this 0-based number, clamped to the lines
  // there are; the count must be known.
  void goToLine(qint64 number);
  int visibleLineCount() const;

 Q_SIGNALS:
  // The caret, the top line, the selection or the counts changed.
  void statusChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::optional<qint64> lineNumberOf(qint64 line);
  // Keeps the top where it is and changes what depends on the shown lines.
  void relayout();
  void setTop(qint64 line);
  qint64 linesAway(qint64 line, qint64 count);
  qint64 lastPageTop();
  void showCaret();
  void changeLook(const std::function<void()>& change);
  void updateScrollBars();
  void verticalAction(int action);
  bool lineScrolling();
  ViewerPosition positionAt(const QPoint& point);
  int columnAt(const QString& text, int x) const;
  int lineHeight() const;
  void changed();

  ViewerDocument document_;
  qint64 top_ = 0;
  ViewerPosition caret_;
  ViewerPosition anchor_;
  qint64 lastPageTop_ = -1;  // -1 until worked out for the current look and height
};

}  // namespace tessaly
