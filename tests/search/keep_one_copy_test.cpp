#include <gtest/gtest.h>

#include <QSet>

#include "core/search/duplicate_search.h"
#include "core/search/keep_one_copy.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

struct TreeFile {
  const char* path;
  qint64 size;  // one group per size
  qint64 writeSeconds;  // after kSomeDay
};

constexpr qint64 kSomeDay = 1600000000;  // in 2020: the grid's dates begin in 1980

// Three groups, listed by name and then by date; no two files of a group share a write time.
const TreeFile kFiles[] = {
    {"a/m1", 100, 1000000}, {"b/k1", 100, 2000000}, {"c/z1", 100, 3000000},
    {"a/2", 200, 5000000}, {"b/2", 200, 4000000},
    {"bb/3", 300, 6000000}, {"c/3", 300, 8000000}, {"c/sub/3", 300, 7000000},
};

class KeepOneCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const TreeFile& f : kFiles) {
      tree.file(QString::fromUtf8(f.path), f.size, 'x');
      tree.setTimes(QString::fromUtf8(f.path), kSomeDay + f.writeSeconds, kSomeDay + f.writeSeconds);
    }
    SearchSettings settings;
    settings.matchMode = MatchMode::SameContents;
    settings.limits = {SizeCondition::LargerOrEqual, 0, 0};
    search = std::make_unique<DuplicateSearch>(settings);
    search->scan({WalkRoot{tree.root(), tree.root()}});
  }

  QSet<QString> marked(const KeepChoice& keep) const {
    QSet<QString> paths;
    for (qsizetype row : rowsToMarkKeepingOne(search->table(), search->groupStarts(), keep))
      paths.insert(search->table().filePath(row).mid(tree.root().size() + 1));
    return paths;
  }

  testkit::TempTree tree;
  std::unique_ptr<DuplicateSearch> search;
};

TEST_F(KeepOneCopy, EachRuleMarksAllButTheKeptFileOfEachGroup) {
  ASSERT_EQ(search->groupStarts().size(), 3u);
  struct Case {
    const char* name;
    KeepRule rule;
    const char* folder;  // below the tree
    QSet<QString> marked;
  };
  const Case cases[] = {
      {"first listed", KeepRule::FirstListed, "", {"a/m1", "c/z1", "a/2", "c/sub/3", "c/3"}},
      {"newest", KeepRule::Newest, "", {"a/m1", "b/k1", "b/2", "bb/3", "c/sub/3"}},
      {"oldest", KeepRule::Oldest, "", {"b/k1", "c/z1", "a/2", "c/sub/3", "c/3"}},
      // bb is no folder inside b, so the third group keeps all its files.
      {"in a folder that one group lacks", KeepRule::InFolder, "b", {"a/m1", "c/z1", "a/2"}},
      // c/sub/3 is listed before c/3, being older.
      {"in a folder with a sub-folder", KeepRule::InFolder, "c/", {"a/m1", "b/k1", "bb/3", "c/3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString folder = *c.folder ? tree.path(QString::fromUtf8(c.folder)) : QString();
    EXPECT_EQ(marked(KeepChoice{c.rule, folder}), c.marked);
  }
}

TEST_F(KeepOneCopy, TheGroupsOfMarkedFilesListEveryCopy) {
  const QString marked = tree.path(QStringLiteral("b/2"));
  const std::vector<CopyGroup> groups = copyGroupsWithMarks(search->table(), search->groupStarts(),
                                                            [&](const QString& path) { return path == marked; });
  ASSERT_EQ(groups.size(), 1u);
  QStringList paths;
  for (const ListedCopy& copy : groups.front()) {
    paths.append(copy.path);
    EXPECT_EQ(copy.size, 200);
  }
  paths.sort();
  EXPECT_EQ(paths, QStringList({tree.path(QStringLiteral("a/2")), marked}));
}

}  // namespace
}  // namespace tessaly
