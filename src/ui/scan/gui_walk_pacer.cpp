#include "ui/scan/gui_walk_pacer.h"

namespace tessaly {

GuiWalkPacer::GuiWalkPacer(std::function<void(const QString&)> showProgress) : showProgress_(std::move(showProgress)) {}

void GuiWalkPacer::progress(const QString& folder) {
  if (showProgress_) showProgress_(folder);
  pump();
}

void GuiWalkPacer::pump() { eventPump_.letEventsRun(); }

}  // namespace tessaly
