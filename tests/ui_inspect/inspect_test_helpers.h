#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <functional>

namespace tessaly::testkit {

// Acts on the next modal window once it shows, from inside its own event loop, so a test can
// fill in and close a window that the code under test runs with exec().
inline void whenModalShows(const std::function<void(QWidget* modal)>& act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr) << "no modal window showed";
    act(modal);
  });
}

// A word of a printed PDF page, placed as pdftotext (poppler-utils) reads it.
struct PdfWord {
  QString text;
  double xMin = 0;
  double yMin = 0;
  double xMax = 0;
};

inline QString pdftotext(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), arguments);
  if (!process.waitForFinished()) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

inline QList<PdfWord> pdfWords(const QString& pdf) {
  static const QRegularExpression word(
      QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
  QList<PdfWord> words;
  const QString page = pdftotext({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  for (auto match = word.globalMatch(page); match.hasNext();) {
    const auto found = match.next();
    words.append({found.captured(4), found.captured(1).toDouble(), found.captured(2).toDouble(), found.captured(3).toDouble()});
  }
  return words;
}

// The printed text, its layout kept, one printed line a line.
inline QStringList pdfLines(const QString& pdf) {
  return pdftotext({QStringLiteral("-layout"), pdf, QStringLiteral("-")}).split(u'\n');
}

}  // namespace tessaly::testkit
