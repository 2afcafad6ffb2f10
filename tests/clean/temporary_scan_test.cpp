#include <gtest/gtest.h>

#include <QFile>

#include "core/clean/temporary_scan.h"
#include "core/common/date_texts.h"
#include "core/grid/grid_text.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

constexpr qint64 kWritten = 1500000000;
constexpr qint64 kAccessed = 1600000000;

const QStringList kTmpAndBak = {QStringLiteral("*.tmp\tTMP File"), QStringLiteral("*.bak\tBAK File")};

class TemporaryScanTest : public ::testing::Test {
 protected:
  TemporaryScanTest() { drives.add(QStringLiteral("/"), platform::DriveKind::Fixed); }

  // The paths of the rows, in grid order.
  QStringList scan(const QStringList& patterns, const QList<WalkRoot>& roots) {
    TemporaryFileScan scan(patterns);
    scan.run(roots);
    const FileTable table = scan.table();
    EXPECT_EQ(scan.tempFilesFound(), table.rowCount());
    QStringList paths;
    for (qsizetype row = 0; row < table.rowCount(); ++row) paths.append(table.filePath(row));
    return paths;
  }
  QList<WalkRoot> root(const QString& relative = {}) const {
    const QString path = relative.isEmpty() ? tree.root() : tree.path(relative);
    return {{path, path}};
  }

  testkit::FakeDriveTable drives;
  testkit::FakeFileTypes types;
  testkit::ScriptedDialogs dialogs;
  testkit::TempTree tree;
};

TEST_F(TemporaryScanTest, FindsFilesOfTheChosenTypesAnywhereBelowTheRootsExceptInHiddenFolders) {
  struct Case {
    const char* path;
    bool found;
  };
  const Case cases[] = {
      {"a.tmp", true},
      {"deep/er/still/B.TMP", true},
      {".hidden.bak", true},             // hidden files are listed
      {"keep.txt", false},
      {"notes.tmp1", false},
      {"no-extension", false},
      {".cache/inside.tmp", false},      // hidden folders are not entered
      {"folder.tmp/inner.txt", false},   // a folder never matches, its files by their own names
  };
  for (const Case& c : cases) tree.file(QString::fromUtf8(c.path), 1, 'x');
  QFile::link(tree.path("a.tmp"), tree.path("link.tmp"));  // a link is a system entry: never listed

  const QStringList found = scan(kTmpAndBak, root());
  for (const Case& c : cases) EXPECT_EQ(found.contains(tree.path(QString::fromUtf8(c.path))), c.found) << c.path;
  EXPECT_FALSE(found.contains(tree.path("link.tmp")));
  EXPECT_EQ(found.size(), 3);
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(TemporaryScanTest, EachTickedRootIsWalkedInTurnAndOneThatCannotBeOpenedIsReportedWhileTheRestGoOn) {
  tree.file("one/x.tmp", 1, 'x');
  tree.file("two/y.bak", 1, 'x');
  const QString gone = tree.path("gone");
  const QList<WalkRoot> roots = {root("one").first(), {gone, gone}, root("two").first()};
  EXPECT_EQ(scan(kTmpAndBak, roots), (QStringList{tree.path("one/x.tmp"), tree.path("two/y.bak")}));
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("Can't open drive ") + gone});
}

TEST_F(TemporaryScanTest, TheRowsComeLargestFirstWithTheSixColumnsOfTheGrid) {
  types.add(QStringLiteral(".tmp"), QStringLiteral("tmpfile"), QStringLiteral("Temporary file"));
  tree.file("small.tmp", 10, 'x');
  tree.file("large.tmp", 2000, 'x');
  tree.file("middle.bak", 300, 'x');
  tree.setTimes("large.tmp", kAccessed, kWritten);
  TemporaryFileScan scan(kTmpAndBak);
  scan.run(root());
  const FileTable table = scan.table();
  const QStringList lines = gridAsTabLines(table);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], "Size\tModified\tTime\tAccess\tFileName\tType");
  const DosStamp written = dosStampFromEpoch(kWritten);
  EXPECT_EQ(lines[1], QStringList({"2,000", stampDateText(written), stampTimeText(written),
                                   stampDateText(dosStampFromEpoch(kAccessed)), tree.path("large.tmp"),
                                   "Temporary file"})
                          .join(u'\t'));
  EXPECT_TRUE(lines[2].startsWith("300\t"));
  EXPECT_TRUE(lines[3].startsWith("10\t"));
  EXPECT_EQ(table.alignmentOf(SizeColumn), CellAlignment::Right);
}

}  // namespace
}  // namespace tessaly
