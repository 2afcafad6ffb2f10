#include "ui/scan/gui_walk_pacer.h"

#include <QCoreApplication>

namespace tessaly {
namespace {

constexpr qint64 kPumpMilliseconds = 5;

}  // namespace

GuiWalkPacer::GuiWalkPacer(std::function<void(const QString&)> showProgress) : showProgress_(std::move(showProgress)) {
  sincePump_.start();
}

void GuiWalkPacer::progress(const QString& folder) {
  if (showProgress_) showProgress_(folder);
  pump();
}

void GuiWalkPacer::pump() {
  if (sincePump_.elapsed() < kPumpMilliseconds) return;
  QCoreApplication::processEvents();
  sincePump_.restart();
}

}  // namespace tessaly
