#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

namespace tessaly {

// What the layout needs to know of the printer page and its font, in device units.
struct TextDeviceMetrics {
  int pageWidth = 0;
  int pageHeight = 0;
  int averageCharWidth = 0;  // tab stops are every 8 of these
  int charHeight = 0;        // the font's height
  std::function<int(QStringView)> textWidth;
};

// One piece of text at its place: top-left corner on a page counted from 0.
struct PlacedText {
  int page = 0;
  int x = 0;
  int y = 0;
  QString text;
};

// The printer seen as a text device: lines go down the page from the top-left corner of the
// printable area; tabs jump to the next stop, an over-long line goes on at the next line cut
// at the last character that fits, and a new page begins when the next line would come within
// two line heights of the bottom. Lines are placed one at a time so a long report is never
// held twice.
class TextDeviceLayout {
 public:
  explicit TextDeviceLayout(TextDeviceMetrics metrics);

  // The pieces of one line (none for an empty line).
  std::vector<PlacedText> placeLine(const QString& line);
  int page() const { return page_; }
  int lineHeight() const { return metrics_.charHeight + 2; }

 private:
  void placeRun(QStringView run, std::vector<PlacedText>& pieces);
  qsizetype charactersThatFit(QStringView run, int room) const;
  void endLine(bool hadText);

  TextDeviceMetrics metrics_;
  int page_ = 0;
  int x_ = 0;
  int y_ = 0;
  bool lineHasText_ = false;
};

}  // namespace tessaly
