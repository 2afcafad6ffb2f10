#include <gtest/gtest.h>

#include <QFile>

#include "core/grid/marked_files.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

constexpr qint64 kFiveGigabytes = 5LL << 30;

struct Step {
  enum Kind { Toggle, Mark, Clear } kind;
  const char* path;
  std::optional<qint64> sizeNow;  // none: the file is not there
};

TEST(MarkedFilesTest, CountsOnlyWhatExistedWhenMarkedAndGivesBackExactlyThat) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    qint64 count;
    qint64 bytes;
    QStringList paths;
  } cases[] = {
      {"two files", {{Step::Toggle, "/a", 100}, {Step::Toggle, "/b", 20}}, 2, 120, {"/a", "/b"}},
      {"a file deleted before marking is marked, not counted", {{Step::Toggle, "/gone", std::nullopt}}, 0, 0, {"/gone"}},
      {"and unmarking it changes nothing", {{Step::Toggle, "/a", 7}, {Step::Toggle, "/gone", std::nullopt},
                                           {Step::Toggle, "/gone", std::nullopt}}, 1, 7, {"/a"}},
      {"a file deleted after marking gives back what it added",
       {{Step::Toggle, "/a", 100}, {Step::Toggle, "/a", std::nullopt}}, 0, 0, {}},
      {"a file that grew gives back what it added", {{Step::Toggle, "/a", 100}, {Step::Toggle, "/a", 900}}, 0, 0, {}},
      {"a file that appeared after marking is not taken off",
       {{Step::Toggle, "/late", std::nullopt}, {Step::Toggle, "/b", 5}, {Step::Toggle, "/late", 50}}, 1, 5, {"/b"}},
      {"5 GB count as 5 GB", {{Step::Toggle, "/big", kFiveGigabytes}, {Step::Toggle, "/big2", kFiveGigabytes}}, 2,
       2 * kFiveGigabytes, {"/big", "/big2"}},
      {"marking order, a re-marked file at the end",
       {{Step::Toggle, "/c", 1}, {Step::Toggle, "/a", 1}, {Step::Toggle, "/b", 1}, {Step::Toggle, "/c", 1},
        {Step::Toggle, "/c", 1}}, 3, 3, {"/a", "/b", "/c"}},
      {"marking a marked file again keeps one entry",
       {{Step::Mark, "/a", 3}, {Step::Mark, "/a", 3}, {Step::Mark, "/b", 4}}, 2, 7, {"/a", "/b"}},
      {"paths differing in case are two files", {{Step::Toggle, "/A", 1}, {Step::Toggle, "/a", 2}}, 2, 3, {"/A", "/a"}},
      {"clearing empties everything", {{Step::Toggle, "/a", 1}, {Step::Clear, "", {}}, {Step::Toggle, "/b", 2}}, 1, 2,
       {"/b"}},
  };
  for (const auto& c : cases) {
    MarkedFiles marks;
    for (const Step& step : c.steps) {
      switch (step.kind) {
        case Step::Toggle: marks.toggle(QString::fromUtf8(step.path), step.sizeNow); break;
        case Step::Mark: marks.mark(QString::fromUtf8(step.path), step.sizeNow); break;
        case Step::Clear: marks.clear(); break;
      }
    }
    EXPECT_EQ(marks.count(), c.count) << c.name;
    EXPECT_EQ(marks.bytes(), c.bytes) << c.name;
    EXPECT_EQ(marks.paths(), c.paths) << c.name;
    EXPECT_EQ(marks.isEmpty(), c.paths.isEmpty()) << c.name;
    for (const QString& path : c.paths) EXPECT_TRUE(marks.contains(path)) << c.name;
  }
}

TEST(MarkedFilesTest, TheCounterTextTakesTheCountAndTheBytesWithSeparators) {
  MarkedFiles marks;
  EXPECT_EQ(markedCounterText(QStringLiteral("%d files %s bytes"), marks), QStringLiteral("0 files 0 bytes"));
  marks.toggle(QStringLiteral("/a"), 1234567);
  marks.toggle(QStringLiteral("/b"), kFiveGigabytes);
  EXPECT_EQ(markedCounterText(QStringLiteral("Marked for deletion: %d files %s bytes"), marks),
            QStringLiteral("Marked for deletion: 2 files 5,369,943,687 bytes"));
}

TEST(MarkedFilesTest, AFileIsFoundHiddenOrReadOnlyAndAMissingOneIsNot) {
  testkit::TempTree tree;
  EXPECT_EQ(currentFileSize(tree.file(QStringLiteral("plain.txt"), QByteArray(300, 'x'))), 300);
  EXPECT_EQ(currentFileSize(tree.file(QStringLiteral(".hidden"), QByteArray(7, 'x'))), 7);
  const QString locked = tree.file(QStringLiteral("locked.txt"), QByteArray(11, 'x'));
  ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner));
  EXPECT_EQ(currentFileSize(locked), 11);
  EXPECT_EQ(currentFileSize(tree.file(QStringLiteral("empty"))), 0);
  EXPECT_EQ(currentFileSize(tree.path(QStringLiteral("missing.txt"))), std::nullopt);
}

}  // namespace
}  // namespace tessaly
