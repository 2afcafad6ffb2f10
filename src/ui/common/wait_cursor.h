#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace tessaly {

// The hourglass for the life of a scope, taken back however the scope is left.
class WaitCursor {
 public:
  explicit WaitCursor(bool on = true) : on_(on) {
    if (on_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~WaitCursor() {
    if (on_) QGuiApplication::restoreOverrideCursor();
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  bool on_;
};

}  // namespace tessaly
