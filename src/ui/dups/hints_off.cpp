#include "ui/dups/hints_off.h"

#include <QCoreApplication>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

namespace tessaly {

HintsOff::HintsOff(QWidget* window) : window_(window) {
  QToolTip::hideText();
  QCoreApplication::instance()->installEventFilter(this);
}

HintsOff::~HintsOff() { QCoreApplication::instance()->removeEventFilter(this); }

bool HintsOff::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return false;
  const auto* widget = qobject_cast<const QWidget*>(watched);
  return widget && widget->window() == window_;
}

}  // namespace tessaly
