#pragma once

#include <QList>

#include "core/common/dialogs.h"

class QWidget;

namespace tessaly {

class DirectoryWalk;

// The frame every tool window puts around a walk: while it runs, the start buttons, "Close"
// and the option controls are disabled, the result buttons hidden, "&Abort" shown and the
// grid shows the hourglass; afterwards all is restored.
class ScanFrame {
 public:
  struct Controls {
    QList<QWidget*> startButtons;
    QWidget* closeButton = nullptr;
    QList<QWidget*> optionControls;
    QList<QWidget*> resultButtons;
    QWidget* abortButton = nullptr;
    QWidget* grid = nullptr;
  };

  explicit ScanFrame(Controls controls, MessageStyle abortStyle = MessageStyle::Warning);

  void begin(DirectoryWalk& walk);
  // Restores the window; "No files found." when nothing was found, else the result buttons.
  void finish(bool found);
  // The "&Abort" button: the walk stops at its next test, the box says the list is incomplete.
  void abortClicked();
  // Stops the walk at its next test without a box: the user is leaving the window.
  void stop();
  bool running() const { return walk_ != nullptr; }

 private:
  void setScanning(bool scanning);
  Controls controls_;
  MessageStyle abortStyle_;
  DirectoryWalk* walk_ = nullptr;
};

}  // namespace tessaly
