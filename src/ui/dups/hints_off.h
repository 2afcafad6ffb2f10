#pragma once

#include <QObject>

class QWidget;

namespace tessaly {

// Keeps the hints of one window from showing while it lives (a search in progress).
class HintsOff final : public QObject {
 public:
  explicit HintsOff(QWidget* window);
  ~HintsOff() override;
  HintsOff(const HintsOff&) = delete;
  HintsOff& operator=(const HintsOff&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
};

}  // namespace tessaly
