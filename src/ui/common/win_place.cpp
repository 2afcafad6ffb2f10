#include "ui/common/win_place.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace tessaly {
namespace {

constexpr int kShowNormal = 1;
constexpr int kShowMinimised = 2;
constexpr int kShowMaximised = 3;

// Windows-era records use -1 for "no minimised or maximised position".
constexpr int kNoPosition = -1;

bool onSomeScreen(const QRect& rect) {
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->availableGeometry().intersects(rect)) return true;
  return false;
}

}  // namespace

int placementShowCommand(bool minimised, bool maximised, bool mainWindowOfHiddenApplication) {
  if (minimised || mainWindowOfHiddenApplication) return kShowMinimised;
  return maximised ? kShowMaximised : kShowNormal;
}

void centreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame(QPoint(0, 0), window.size());
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

TWinPlace::TWinPlace(QWidget& window, PlacementKey key) : window_(window), key_(std::move(key)) {
  if (key_.section.isEmpty()) key_.section = programFileName();
}

TWinPlace::~TWinPlace() { save(); }

void TWinPlace::restore() {
  restored_ = true;
  centreOnScreen(window_);
  const WindowPlacement placement = readPlacement(key_);
  const QRect normal(QPoint(placement.left, placement.top), QPoint(placement.right - 1, placement.bottom - 1));
  // A rectangle on a screen that is no longer attached would open the window out of sight.
  if (!placement.applicable() || !onSomeScreen(normal)) return;
  window_.setGeometry(normal);
  // A window that opens minimised behind its owner looks like a hang, so a stored
  // minimised placement comes back as a normal window.
  if (placement.showCommand == kShowMaximised) window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
}

void TWinPlace::save() {
  if (!restored_) return;
  const QRect normal = window_.normalGeometry();
  // Without a window rectangle there is nothing sensible to store.
  if (!normal.isValid()) return;
  const bool mainWindowOfHiddenApplication =
      window_.parentWidget() == nullptr && QGuiApplication::applicationState() == Qt::ApplicationHidden;
  WindowPlacement placement;
  placement.showCommand =
      placementShowCommand(window_.isMinimized(), window_.isMaximized(), mainWindowOfHiddenApplication);
  placement.minX = placement.minY = placement.maxX = placement.maxY = kNoPosition;
  placement.left = normal.left();
  placement.top = normal.top();
  placement.right = normal.right() + 1;
  placement.bottom = normal.bottom() + 1;
  writePlacement(key_, placement);
}

}  // namespace tessaly
