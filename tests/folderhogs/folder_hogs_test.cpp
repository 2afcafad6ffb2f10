#include <gtest/gtest.h>

#include "core/common/date_texts.h"
#include "core/folderhogs/folder_hogs.h"
#include "core/grid/grid_text.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

using testkit::TempTree;

constexpr qint64 kOlder = 1500000000;
constexpr qint64 kNewest = 1600000000;

// root: big/ (f1 100, .hfile 5, .hid/ 1000 unseen, l1/l2/l3/f 10), small/s 1, rootfile 7.
class FolderHogsFixture : public ::testing::Test {
 protected:
  FolderHogsFixture() {
    drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, {}, 500, 1000);
    tree.file(QStringLiteral("big/f1"), 100, 'a');
    tree.file(QStringLiteral("big/.hfile"), 5, 'b');
    tree.file(QStringLiteral("big/.hid/unseen"), 1000, 'c');
    tree.file(QStringLiteral("big/l1/l2/l3/f"), 10, 'd');
    tree.file(QStringLiteral("small/s"), 1, 'e');
    tree.file(QStringLiteral("rootfile"), 7, 'f');
    tree.setTimes(QStringLiteral("big/f1"), kOlder, kOlder);
    tree.setTimes(QStringLiteral("big/.hfile"), kOlder, kOlder);
    tree.setTimes(QStringLiteral("big/l1/l2/l3/f"), kNewest, kOlder);
    tree.setTimes(QStringLiteral("small/s"), kOlder, kOlder);
  }

  QList<QStringList> scan(FolderHogsMode mode) {
    FolderHogsScan hogs(mode);
    hogs.run({{tree.root(), tree.root()}});
    QList<QStringList> rows;
    for (const ResultRow& row : hogs.table().rows) rows << row.cells;
    return rows;
  }
  QString path(const char* relative) const { return tree.path(QString::fromUtf8(relative)); }
  static QString date(qint64 seconds) { return stampDateText(dosStampFromEpoch(seconds)); }

  testkit::FakeDriveTable drives;
  testkit::ScriptedDialogs dialogs;
  TempTree tree;
};

TEST_F(FolderHogsFixture, MainFoldersTotalTheirWholeSubtreeAndLeaveTheRootOut) {
  const QList<QStringList> rows = scan(FolderHogsMode::MainFolders);
  const QList<QStringList> expected = {
      {QStringLiteral("115"), QStringLiteral("11.50"), QStringLiteral("3"), QStringLiteral("3"), date(kNewest), path("big")},
      {QStringLiteral("1"), QStringLiteral("0.10"), QStringLiteral("1"), QStringLiteral("0"), date(kOlder), path("small")},
  };
  EXPECT_EQ(rows, expected);
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(FolderHogsFixture, AllFoldersListEveryEnteredFolderWithItsOwnFilesTheRootIncluded) {
  const QList<QStringList> rows = scan(FolderHogsMode::AllFolders);
  QStringList summary;
  for (const QStringList& row : rows) summary << QStringList{row[0], row[2], row[3], row[5]}.join(u' ');
  // big counts its hidden sub-folder, which gets no line of its own and whose file counts nowhere.
  EXPECT_EQ(summary, (QStringList{QStringLiteral("105 2 2 ") + path("big"), QStringLiteral("10 1 0 ") + path("big/l1/l2/l3"),
                                  QStringLiteral("7 1 2 ") + tree.root(), QStringLiteral("1 1 0 ") + path("small"),
                                  QStringLiteral("0 0 1 ") + path("big/l1/l2"), QStringLiteral("0 0 1 ") + path("big/l1")}));
  EXPECT_EQ(rows[0][4], date(kOlder));
  EXPECT_EQ(rows[4][4], QString());  // no file, no date
}

TEST_F(FolderHogsFixture, ShowsUnknownShareWhenTheDriveIsNotLargerThanTheFolder) {
  testkit::FakeDriveTable unknownSize;
  unknownSize.add(QStringLiteral("/"), platform::DriveKind::Fixed, {}, 0, 0);
  const QList<QStringList> rows = scan(FolderHogsMode::MainFolders);
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0][1], QStringLiteral("???"));
  EXPECT_EQ(rows[1][1], QStringLiteral("???"));
}

TEST(FolderHogs, ARootHoldingOnlyFilesListsNothingInMainModeAndItselfInAllMode) {
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed);
  TempTree tree;
  tree.file(QStringLiteral("one"), 3, 'x');
  tree.file(QStringLiteral("two"), 4, 'x');

  FolderHogsScan main(FolderHogsMode::MainFolders);
  main.run({{tree.root(), tree.root()}});
  EXPECT_TRUE(main.lines().isEmpty());
  EXPECT_TRUE(main.nothingFound());

  FolderHogsScan all(FolderHogsMode::AllFolders);
  all.run({{tree.root(), tree.root()}});
  ASSERT_EQ(all.lines().size(), 1);
  EXPECT_TRUE(all.lines().first().startsWith(QStringLiteral("7\t")));
  EXPECT_TRUE(all.lines().first().endsWith(u'\t' + tree.root()));
  EXPECT_TRUE(all.nothingFound());
}

TEST(FolderHogs, ARootWithNothingButHiddenEntriesGetsNoLine) {
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed);
  TempTree tree;
  tree.file(QStringLiteral(".profile"), 3, 'x');
  FolderHogsScan all(FolderHogsMode::AllFolders);
  all.run({{tree.root(), tree.root()}});
  EXPECT_TRUE(all.lines().isEmpty());
}

TEST(FolderHogs, OrdersLinesByTheirSizeNotByTheirText) {
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, {}, 1e12, 1e12);
  TempTree tree;
  tree.file(QStringLiteral("nine/f"), 9, 'x');
  tree.file(QStringLiteral("thousands/f"), 2000, 'x');
  tree.file(QStringLiteral("eighty/f"), 80, 'x');
  FolderHogsScan main(FolderHogsMode::MainFolders);
  main.run({{tree.root(), tree.root()}});
  const ResultTable table = main.table();
  EXPECT_EQ(columnLines(table, 0), (QStringList{QStringLiteral("2,000"), QStringLiteral("80"), QStringLiteral("9")}));
  EXPECT_EQ(table.headings, (QStringList{QStringLiteral("Size"), QStringLiteral("% Used"), QStringLiteral("# Files"),
                                         QStringLiteral("# Sub-folders"), QStringLiteral("Latest File Access"), QStringLiteral("Name")}));
  EXPECT_EQ(table.alignmentOf(3), CellAlignment::Right);
  EXPECT_EQ(table.alignmentOf(4), CellAlignment::Left);
}

TEST(FolderHogs, KeepsTheLinesFoundBeforeAnAbort) {
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed);
  TempTree tree;
  for (const char* name : {"a", "b", "c", "d"}) tree.file(QString::fromUtf8(name) + QStringLiteral("/f"), 1, 'x');

  // A pacer that presses "Abort" once the second folder shows up in the status.
  class AbortingPacer : public WalkPacer {
   public:
    FolderHogsScan* scan = nullptr;
    int folders = 0;
    void progress(const QString&) override {
      if (++folders == 3) scan->walk().abort();
    }
  } pacer;
  FolderHogsScan all(FolderHogsMode::AllFolders, &pacer);
  pacer.scan = &all;
  all.run({{tree.root(), tree.root()}});
  EXPECT_TRUE(all.walk().aborted());
  EXPECT_EQ(all.lines().size(), 1);  // the first sub-folder's line; the root's scan never ran

  // The next scan starts afresh.
  pacer.folders = 100;
  all.run({{tree.root(), tree.root()}});
  EXPECT_FALSE(all.walk().aborted());
  EXPECT_EQ(all.lines().size(), 5);
}

}  // namespace
}  // namespace tessaly
