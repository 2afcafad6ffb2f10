#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QStringList>
#include <functional>

#include "ui/deletion/really_delete_window.h"

namespace tessaly::testkit {

// Runs the action on the modal window of this kind that the next click opens, once it takes
// input (the deletion window first sorts its files with events running, so the first look may
// come too early).
template <typename Window>
void onNextModal(std::function<void(Window&)> action, int triesLeft = 1000) {
  QTimer::singleShot(0, [action = std::move(action), triesLeft]() mutable {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (window && window->isEnabled()) {
      action(*window);
    } else if (triesLeft > 0) {
      onNextModal<Window>(std::move(action), triesLeft - 1);
    } else {
      ADD_FAILURE() << "the window never opened";
    }
  });
}

// What the deletion window that the next click opens shows on its two panels; the user then
// cancels it.
struct DeletionPanels {
  QStringList toDelete;
  QStringList safeHarbor;
};
inline void cancelNextDeletion(DeletionPanels& seen) {
  onNextModal<TfrmReallyDelete>([&seen](TfrmReallyDelete& deletion) {
    seen = {deletion.deletionPanel(), deletion.safeHarborPanel()};
    deletion.reject();
  });
}

}  // namespace tessaly::testkit
