#include "ui/scan/scan_frame.h"

#include <QWidget>

#include "core/walk/directory_walk.h"

namespace tessaly {

ScanFrame::ScanFrame(Controls controls, MessageStyle abortStyle)
    : controls_(std::move(controls)), abortStyle_(abortStyle) {}

void ScanFrame::begin(DirectoryWalk& walk) {
  walk_ = &walk;
  for (QWidget* button : controls_.resultButtons) button->hide();
  setScanning(true);
}

void ScanFrame::finish(bool found) {
  walk_ = nullptr;
  setScanning(false);
  if (!found) {
    showInfo(QStringLiteral("No files found."));
    return;
  }
  for (QWidget* button : controls_.resultButtons) button->show();
}

void ScanFrame::abortClicked() {
  if (!walk_) return;
  walk_->abort();
  if (controls_.abortButton) controls_.abortButton->hide();
  dialogs().message(abortStyle_, QStringLiteral("LIST INCOMPLETE ... ABORTED BY USER"));
}

void ScanFrame::stop() {
  if (walk_) walk_->abort();
}

void ScanFrame::setScanning(bool scanning) {
  for (QWidget* button : controls_.startButtons) button->setEnabled(!scanning);
  if (controls_.closeButton) controls_.closeButton->setEnabled(!scanning);
  for (QWidget* control : controls_.optionControls) control->setEnabled(!scanning);
  if (controls_.abortButton) controls_.abortButton->setVisible(scanning);
  if (controls_.grid) {
    if (scanning) {
      controls_.grid->setCursor(Qt::WaitCursor);
    } else {
      controls_.grid->unsetCursor();
    }
  }
}

}  // namespace tessaly
