#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/stats/statistics_window.h"

namespace tessaly::testkit {

// A statistics window over a fake drive "/" that holds the test's temporary tree, with a
// scripted picker and every box scripted.
class StatsWindowTest : public ::testing::Test {
 protected:
  StatsWindowTest();

  // The picker answers with these roots and filter, then the run walks them.
  void collect(const QList<WalkRoot>& roots, const TypeFilter& filter = {});
  WalkRoot root(const QString& relative, const QString& text) const;
  // Prints to this PDF file from now on.
  QString pdfOutput(const QString& name);
  void showPage(int page);

  TempXdg xdg;
  ScriptedDialogs dialogs;
  FakeDriveTable drives;
  // "/" holds the temporary tree: 40 GB free of 100 GB, blocks of 4 KB. Added before the
  // window is made, as the window lists the drives when it is made.
  const bool rootDriveAdded;
  FakeFileTypes types;
  TempTree tree;
  std::optional<StatisticsChoice> choice;
  // The chart print preview; a test that prints a chart sets what it does.
  TfrmStatistics::ChartPreviewer preview = [](QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) {
    ADD_FAILURE() << "unexpected chart preview";
  };
  TfrmStatistics window;
};

}  // namespace tessaly::testkit
