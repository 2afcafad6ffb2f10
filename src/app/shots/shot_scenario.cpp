#include "app/shots/shot_scenario.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>

namespace tessaly::shots {
namespace {

constexpr int kEventSliceMilliseconds = 20;

std::vector<Shot>& registry() {
  static std::vector<Shot> all;
  return all;
}

}  // namespace

void ShotContext::settle(int milliseconds) {
  waitUntil([] { return false; }, milliseconds);
}

bool ShotContext::waitUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
  const QDeadlineTimer deadline(timeoutMilliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, kEventSliceMilliseconds);
    QThread::msleep(kEventSliceMilliseconds / 2);
  }
  return true;
}

bool registerShot(Shot shot) {
  registry().push_back(std::move(shot));
  return true;
}

const std::vector<Shot>& shots() { return registry(); }

}  // namespace tessaly::shots
