#include "core/inspect/viewer_document.h"

namespace tessaly {
namespace {

constexpr int kSmallestOffsetDigits = 8;
constexpr int kBitsPerHexDigit = 4;

}  // namespace

bool ViewerDocument::open(const QString& path) {
  close();
  if (!file_.open(path)) return false;
  path_ = path;
  rules_ = std::make_unique<TextLineRules>(file_);
  index_ = std::make_unique<LineIndex>(file_, *rules_);
  return true;
}

void ViewerDocument::close() {
  index_.reset();
  rules_.reset();
  file_.close();
  path_.clear();
}

int ViewerDocument::offsetDigits() const {
  int digits = kSmallestOffsetDigits;
  while (digits < 16 && (size() >> (digits * kBitsPerHexDigit)) != 0) ++digits;
  return digits;
}

qint64 ViewerDocument::lineHolding(qint64 offset) {
  offset = qBound<qint64>(0, offset, size() - 1);
  if (mode_ == ViewMode::Hex) return offset - offset % kHexBytesPerLine;
  return rules_->lineStartAtOrBefore(offset);
}

qint64 ViewerDocument::lastLine() { return lineHolding(size() - 1); }

std::optional<qint64> ViewerDocument::nextLine(qint64 line) {
  if (mode_ == ViewMode::Text) return rules_->nextLineStart(line);
  if (line + kHexBytesPerLine >= size()) return std::nullopt;
  return line + kHexBytesPerLine;
}

std::optional<qint64> ViewerDocument::previousLine(qint64 line) {
  if (line <= 0) return std::nullopt;
  if (mode_ == ViewMode::Text) return rules_->previousLineStart(line);
  return line - kHexBytesPerLine;
}

qint64 ViewerDocument::textEnd(qint64 line) {
  if (mode_ == ViewMode::Hex) return qMin(size(), line + kHexBytesPerLine);
  return rules_->textEnd(line);
}

QString ViewerDocument::lineText(qint64 line) {
  const QByteArray bytes = file_.read(line, textEnd(line) - line);
  if (mode_ == ViewMode::Hex) return hexLine(line, bytes, offsetDigits());
  return shownText(bytes, look_).text;
}

std::optional<qint64> ViewerDocument::lineNumber(qint64 line) {
  if (mode_ == ViewMode::Hex) return line / kHexBytesPerLine;
  return index_->lineNumberOf(line);
}

std::optional<qint64> ViewerDocument::lineAt(qint64 number) {
  if (mode_ == ViewMode::Hex) {
    if (number < 0 || number * kHexBytesPerLine >= size()) return std::nullopt;
    return number * kHexBytesPerLine;
  }
  return index_->lineStartOf(number);
}

std::optional<qint64> ViewerDocument::lineCount() {
  if (!isOpen()) return 0;
  if (mode_ == ViewMode::Hex) return (size() + kHexBytesPerLine - 1) / kHexBytesPerLine;
  return index_->lineCount();
}

bool ViewerDocument::countFurther(qint64 budget) {
  if (!isOpen() || mode_ == ViewMode::Hex) return true;
  return index_->countFurther(budget);
}

int ViewerDocument::countedPercent() const {
  if (!isOpen() || size() == 0 || mode_ == ViewMode::Hex) return 100;
  return int(index_->countedBytes() * 100 / size());
}

ViewerPosition ViewerDocument::positionOf(qint64 offset) {
  if (size() == 0) return {};
  if (offset >= size()) {
    const qint64 line = lastLine();
    return {line, int(lineText(line).size())};
  }
  const qint64 line = lineHolding(offset);
  if (mode_ == ViewMode::Hex) return {line, hexColumnOf(int(offset - line), offsetDigits())};
  const qint64 end = qMin(offset, textEnd(line));
  return {line, int(shownText(file_.read(line, end - line), look_).text.size())};
}

qint64 ViewerDocument::offsetOf(const ViewerPosition& position) {
  if (size() == 0) return 0;
  if (mode_ == ViewMode::Hex) return qMin(size(), position.line + hexIndexOf(position.column, offsetDigits()));
  const QByteArray bytes = file_.read(position.line, textEnd(position.line) - position.line);
  const ShownText shown = shownText(bytes, look_, true);
  const size_t column = size_t(qBound(0, position.column, int(shown.text.size())));
  return position.line + shown.byteOfColumn[column];
}

std::pair<ViewerPosition, ViewerPosition> ViewerDocument::rangePositions(qint64 start, qint64 end) {
  if (mode_ == ViewMode::Text || end <= start) return {positionOf(start), positionOf(end)};
  ViewerPosition last = positionOf(end - 1);
  last.column += 2;  // both digits of the last byte
  return {positionOf(start), last};
}

}  // namespace tessaly
