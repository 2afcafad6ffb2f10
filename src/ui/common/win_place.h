#pragma once

#include "core/common/window_placement.h"

class QWidget;

namespace tessaly {

// Remembers where a window was: restores the stored placement when the window shows and
// stores it again when the window goes away. A window holds one as a member, so that it
// saves while the window is still whole.
class TWinPlace {
 public:
  TWinPlace(QWidget& window, PlacementKey key);
  ~TWinPlace();

  TWinPlace(const TWinPlace&) = delete;
  TWinPlace& operator=(const TWinPlace&) = delete;

  // Centres the window on its screen, then applies the stored placement if it is usable.
  void restore();
  // Stores the window's placement; a window never restored (never shown) stores nothing.
  void save();

 private:
  QWidget& window_;
  PlacementKey key_;
  bool restored_ = false;
};

// The show command a window's placement is stored with: 2 minimised, 3 maximised, 1 normal.
// The main window counts as minimised while the whole application is.
int placementShowCommand(bool minimised, bool maximised, bool mainWindowOfHiddenApplication);

// Moves the window so that it sits in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

}  // namespace tessaly
