#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/dups/dup_compare_window.h"
#include "ui/dups/dup_window.h"

namespace tessaly::testkit {

// Runs the work on the next modal window of the type once it is up (events are let through
// before some windows start their own loop); the work must close it.
template <typename Window>
void onNextModal(bool& seen, std::function<void(Window&)> work) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, work] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (!window) return;
    poll->stop();
    poll->deleteLater();
    seen = true;
    work(*window);
  });
  poll->start(0);
}

// A duplicates or file-hogs window over the test's temporary tree alone, with every box
// scripted and the pair comparison window beside it.
class DupWindowTest : public ::testing::Test {
 protected:
  DupWindowTest();
  ~DupWindowTest() override;

  // A fresh window in the mode, shown, with only the tree ticked; every size counts.
  TfrmDup& open(bool findDups);
  void search(MatchMode mode = MatchMode::FilenameOnly);
  // The full path of each row, "" for a blank one.
  QStringList rowPaths() const;
  int rowOf(const QString& relative) const;

  TempXdg xdg;
  ScriptedDialogs dialogs;
  TempTree tree;
  QWidget home;
  TfrmDupCompare* pairs;
  std::unique_ptr<TfrmDup> window;
};

}  // namespace tessaly::testkit
