#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

namespace tessaly::testkit {

// A word on a PDF page and its box, in points from the page's top left.
struct PdfWord {
  QString text;
  QRectF box;
};

struct PdfPage {
  QSizeF size;
  std::vector<PdfWord> words;

  // The words of a text in order, as one box; empty when the page does not hold them.
  QRectF find(const QString& text) const;
  bool contains(const QString& text) const { return !find(text).isNull(); }
  // Every word, for the message of a failed check.
  std::string text() const;
};

// The pages of a PDF file as pdftotext reads them; none when the file cannot be read.
std::vector<PdfPage> readPdf(const QString& fileName);

// How many images the PDF holds, and their widths in pixels.
int pdfImageCount(const QString& fileName);
QList<int> pdfImageWidths(const QString& fileName);

}  // namespace tessaly::testkit
