#include "core/grid/text_device_layout.h"

#include <utility>

namespace tessaly {

TextDeviceLayout::TextDeviceLayout(TextDeviceMetrics metrics) : metrics_(std::move(metrics)) {}

std::vector<PlacedText> TextDeviceLayout::placeLine(const QString& line) {
  std::vector<PlacedText> pieces;
  const int tabWidth = qMax(1, 8 * metrics_.averageCharWidth);
  qsizetype start = 0;
  while (start <= line.size()) {
    qsizetype tab = line.indexOf(u'\t', start);
    const qsizetype end = tab < 0 ? line.size() : tab;
    placeRun(QStringView(line).mid(start, end - start), pieces);
    if (tab < 0) break;
    x_ = (x_ / tabWidth + 1) * tabWidth;
    if (x_ > metrics_.pageWidth) endLine(lineHasText_);
    start = tab + 1;
  }
  endLine(lineHasText_);
  return pieces;
}

void TextDeviceLayout::placeRun(QStringView run, std::vector<PlacedText>& pieces) {
  while (!run.isEmpty()) {
    qsizetype fitting = charactersThatFit(run, metrics_.pageWidth - x_);
    if (fitting == 0) {
      // Not even one character fits: go on at the next line, or, at a line start, print one
      // anyway so that a page narrower than a character still ends.
      if (x_ > 0) {
        endLine(lineHasText_);
        continue;
      }
      fitting = run.size() > 1 && run[0].isHighSurrogate() ? 2 : 1;
    }
    const QStringView placed = run.left(fitting);
    pieces.push_back({page_, x_, y_, placed.toString()});
    lineHasText_ = true;
    x_ += metrics_.textWidth(placed);
    run = run.mid(fitting);
    if (!run.isEmpty()) endLine(true);
  }
}

qsizetype TextDeviceLayout::charactersThatFit(QStringView run, int room) const {
  if (room <= 0) return 0;
  if (metrics_.textWidth(run) <= room) return run.size();
  // The longest prefix that fits: widths grow with length, so search by halves.
  qsizetype low = 0;
  qsizetype high = run.size();
  while (low + 1 < high) {
    const qsizetype middle = (low + high) / 2;
    if (metrics_.textWidth(run.left(middle)) <= room) {
      low = middle;
    } else {
      high = middle;
    }
  }
  // Never split a surrogate pair.
  if (low > 0 && run[low - 1].isHighSurrogate()) --low;
  return low;
}

void TextDeviceLayout::endLine(bool hadText) {
  y_ += hadText ? lineHeight() : metrics_.charHeight;
  x_ = 0;
  lineHasText_ = false;
  if (y_ + 2 * lineHeight() > metrics_.pageHeight) {
    ++page_;
    y_ = 0;
  }
}

}  // namespace tessaly
