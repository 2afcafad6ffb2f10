#pragma once

#include <QWidget>

class QTextBrowser;

namespace tessaly {

// The help viewer: the shipped HTML manual, opened at a topic.
class TfrmHelp final : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmHelp(QWidget* owner);

  // Shows the page ("index.html") of the manual in the folder; a missing page says so in
  // the viewer itself.
  void showPage(const QString& manualFolder, const QString& page);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace tessaly
