#pragma once

#include <QWidget>

class QPushButton;

namespace tessaly {

class ShadowLabel;

// pnlNotYet: covers the pages that need a run until the first one, and shows the progress
// text with the "Abort" button while a run walks.
class NotYetPanel final : public QWidget {
  Q_OBJECT
 public:
  explicit NotYetPanel(QWidget* parent);

  // "Collecting statistics ... standby." with the abort button, or back to the first text.
  void showCollecting(bool collecting);

  ShadowLabel* lblNotYet;
  QPushButton* btAbort;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessaly
