#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace tessaly {

// The help viewer: the shipped HTML manual, opened at a topic.
class TfrmHelp final : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmHelp(QWidget* owner);

  // Shows the page ("index.html") of the manual in the folder; a missing page says so in
  // the viewer itself. A viewer that was closed opens again centred on its owner's screen.
  void showPage(const QString& manualFolder, const QString& page);
  QTextBrowser* browser() const { return browser_; }
  QPushButton* btContents = nullptr;
  QPushButton* btBack = nullptr;
  QPushButton* btClose = nullptr;

 private:
  QTextBrowser* browser_;
  QString manualFolder_;  // where the last page came from
};

// The viewer's own topic, which F1 opens in it.
inline const QString kHelpViewerPage = QStringLiteral("help.html");

}  // namespace tessaly
