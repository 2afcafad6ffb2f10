#pragma once

#include <functional>

#include "core/walk/directory_walk.h"
#include "ui/common/event_pump.h"

namespace tessaly {

// Keeps a window alive during a walk: shows each folder as the progress text and lets pending
// events run through the program's one event pump.
class GuiWalkPacer final : public WalkPacer {
 public:
  explicit GuiWalkPacer(std::function<void(const QString&)> showProgress = {});
  void progress(const QString& folder) override;
  void pump() override;

 private:
  std::function<void(const QString&)> showProgress_;
  EventPump eventPump_;
};

}  // namespace tessaly
