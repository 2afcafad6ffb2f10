#pragma once

#include <QWidget>

class QTextBrowser;

namespace tessaly {

// The help viewer: the shipped HTML manual, opened at a topic.
class TfrmHelp final : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmHelp(QWidget* owner);

  // Shows the page of the topic from the manual in the folder; a missing page says so
  // in the viewer itself.
  void showTopic(const QString& manualFolder, int context);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

// The topic of the manual's first page, which "H&elp" opens.
constexpr int kContentsTopic = 1000;

}  // namespace tessaly
