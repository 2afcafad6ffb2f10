#pragma once

#include <QElapsedTimer>
#include <chrono>

namespace tessaly {

// Keeps a window live during long work on the user-interface thread: pending events (repaints,
// resizes, the abort button) run at most once per interval, so a run of many small steps is not
// slowed by an event round per step. Every long run of the program uses this one piece.
class EventPump {
 public:
  static constexpr std::chrono::milliseconds kInterval{10};

  EventPump();
  // Cheap enough to call once per entry or per file.
  void letEventsRun();

 private:
  QElapsedTimer sinceEventsRan_;
};

}  // namespace tessaly
