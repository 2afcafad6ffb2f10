#include "ui/common/event_pump.h"

#include <QCoreApplication>

namespace tessaly {

EventPump::EventPump() { sinceEventsRan_.start(); }

void EventPump::letEventsRun() {
  if (sinceEventsRan_.elapsed() < kInterval.count()) return;
  QCoreApplication::processEvents();
  sinceEventsRan_.restart();
}

}  // namespace tessaly
