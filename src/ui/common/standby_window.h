#pragma once

#include <QDialog>

class QProgressBar;

namespace tessaly {

class ProtectionCheck;

// "Loading Files": shown without blocking while the deletion window sorts files through the
// safe harbor check. Showing or hiding it empties that check's one-entry cache.
class TfrmStandBy : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmStandBy(QWidget* parent = nullptr);
  void setProtectionCheck(ProtectionCheck* check) { check_ = check; }
  QProgressBar* bar = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  ProtectionCheck* check_ = nullptr;
};

}  // namespace tessaly
