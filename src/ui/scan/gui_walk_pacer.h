#pragma once

#include <QElapsedTimer>
#include <functional>

#include "core/walk/directory_walk.h"

namespace tessaly {

// Keeps a window alive during a walk: shows each folder as the progress text and handles
// pending events at most every few milliseconds, so a walk of many small files is not slowed.
class GuiWalkPacer final : public WalkPacer {
 public:
  explicit GuiWalkPacer(std::function<void(const QString&)> showProgress = {});
  void progress(const QString& folder) override;
  void pump() override;

 private:
  std::function<void(const QString&)> showProgress_;
  QElapsedTimer sincePump_;
};

}  // namespace tessaly
