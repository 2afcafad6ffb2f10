#include "pdf_words.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace tessaly::testkit {
namespace {

QString unescaped(QString text) {
  text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
  text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return text;
}

}  // namespace

QRectF PdfPage::find(const QString& text) const {
  const QStringList wanted = text.split(u' ', Qt::SkipEmptyParts);
  if (wanted.isEmpty()) return {};
  for (size_t start = 0; start + size_t(wanted.size()) <= words.size(); ++start) {
    QRectF box;
    bool all = true;
    for (qsizetype i = 0; i < wanted.size() && all; ++i) {
      all = words[start + size_t(i)].text == wanted[i];
      box = box.united(words[start + size_t(i)].box);
    }
    if (all) return box;
  }
  return {};
}

std::string PdfPage::text() const {
  QStringList all;
  for (const PdfWord& word : words) all.append(word.text);
  return all.join(u' ').toStdString();
}

std::vector<PdfPage> readPdf(const QString& fileName) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fileName, QStringLiteral("-")});
  if (!process.waitForFinished() || process.exitCode() != 0) return {};
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  static const QRegularExpression kPage(QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
  static const QRegularExpression kWord(
      QString::fromLatin1(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  std::vector<PdfPage> pages;
  for (const QString& part : html.split(QStringLiteral("</page>"))) {
    const QRegularExpressionMatch page = kPage.match(part);
    if (!page.hasMatch()) continue;
    PdfPage read;
    read.size = QSizeF(page.captured(1).toDouble(), page.captured(2).toDouble());
    for (const QRegularExpressionMatch& word : kWord.globalMatch(part, page.capturedEnd())) {
      const QPointF from(word.captured(1).toDouble(), word.captured(2).toDouble());
      const QPointF to(word.captured(3).toDouble(), word.captured(4).toDouble());
      read.words.push_back({unescaped(word.captured(5)), QRectF(from, to)});
    }
    pages.push_back(std::move(read));
  }
  return pages;
}

namespace {

QString rawPdf(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

}  // namespace

int pdfImageCount(const QString& fileName) { return int(rawPdf(fileName).count(QStringLiteral("/Subtype /Image"))); }

QList<int> pdfImageWidths(const QString& fileName) {
  static const QRegularExpression kImage(QStringLiteral("/Subtype /Image[^>]*/Width (\\d+)"));
  QList<int> widths;
  for (const QRegularExpressionMatch& image : kImage.globalMatch(rawPdf(fileName))) widths.append(image.captured(1).toInt());
  return widths;
}

}  // namespace tessaly::testkit
