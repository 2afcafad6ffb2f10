#include <gtest/gtest.h>

#include "core/stats/statistics_run.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

TEST(StatisticsRunWalk, CountsHiddenFilesAndEachFileOnceAcrossOverlappingEntries) {
  testkit::TempTree tree;
  tree.file(QStringLiteral(".hidden"), 10, 'h');
  tree.file(QStringLiteral("sub/a.doc"), 4097, 'a');
  tree.file(QStringLiteral("sub/b.exe"), 100, 'b');
  StatisticsRun run({{tree.root(), QStringLiteral("first")}, {tree.path(QStringLiteral("sub")), QStringLiteral("second")}},
                    TypeFilter(TypeChoice::Include, {QStringLiteral("*.doc\tWord")}));
  EXPECT_GT(run.computePickListTotal(), 0);
  run.run();
  const StatisticsRecord& record = run.record();
  EXPECT_EQ(record.filesProcessed, 3);
  EXPECT_EQ(record.filesSelected, 1);
  EXPECT_FALSE(run.overhangEnabled());
  EXPECT_EQ(record.waste4K, 0);
  EXPECT_EQ(run.statusText(), QStringLiteral("Finished - 3 files processed 1 files found"));
  EXPECT_EQ(run.caption(), QStringLiteral("Stats done for first second "));
}

TEST(StatisticsRunWalk, OneEntryAccumulatesOverhangAndCountsHiddenFiles) {
  testkit::TempTree tree;
  tree.file(QStringLiteral(".hidden"), 10, 'h');
  tree.file(QStringLiteral("deep/er/a.doc"), 4097, 'a');
  StatisticsRun run({{tree.root(), tree.root()}}, TypeFilter());
  run.run();
  EXPECT_TRUE(run.overhangEnabled());
  EXPECT_EQ(run.record().hiddenCount, 1);
  EXPECT_EQ(run.record().waste4K, 4086 + 4095);
  EXPECT_GT(run.clusterSize(), 0);
  EXPECT_EQ(run.statusText(), QStringLiteral("Finished - 2 files processed"));
}

TEST(StatisticsRunWalk, AbortDuringTheFirstEntryLeavesTheSecondUnscanned) {
  testkit::TempTree tree;
  tree.file(QStringLiteral("one/a"), 1, 'a');
  tree.file(QStringLiteral("two/b"), 1, 'b');
  StatisticsRun run({{tree.path(QStringLiteral("one")), QStringLiteral("one")},
                     {tree.path(QStringLiteral("two")), QStringLiteral("two")}},
                    TypeFilter());
  struct AbortAtOnce final : WalkPacer {
    StatisticsRun* run = nullptr;
    void pump() override { run->abort(); }
  } pacer;
  pacer.run = &run;
  run.run(&pacer);
  EXPECT_TRUE(run.scanAborted());
  EXPECT_LT(run.record().filesProcessed, 2);
  EXPECT_EQ(run.caption(), QStringLiteral("Statistics for drive(s) incomplete ... aborted."));
  EXPECT_TRUE(run.statusText().endsWith(QStringLiteral(" INCOMPLETE ... ABORTED")));
}

TEST(StatisticsRunWalk, AnAddedFolderThatIsGoneGetsCantOpenDriveAndTheRunGoesOn) {
  testkit::TempTree tree;
  tree.file(QStringLiteral("kept/a.txt"), 10, 'a');
  // The system's drive table: a folder that is gone answers no free-space query of its own.
  testkit::ScriptedDialogs dialogs;
  const QString gone = tree.path(QStringLiteral("gone"));
  // As the only entry it still has its drive's size, so the run is not refused.
  StatisticsRun alone({{gone, gone}}, TypeFilter());
  EXPECT_GT(alone.computePickListTotal(), 0);
  alone.run();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("Can't open drive ") + gone});

  dialogs.clear();
  StatisticsRun both({{gone, gone}, {tree.path(QStringLiteral("kept")), QStringLiteral("kept")}}, TypeFilter());
  both.run();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("Can't open drive ") + gone});
  EXPECT_EQ(both.record().filesProcessed, 1);
  EXPECT_EQ(both.caption(), QStringLiteral("Stats done for ") + gone + QStringLiteral(" kept "));
}

}  // namespace
}  // namespace tessaly
