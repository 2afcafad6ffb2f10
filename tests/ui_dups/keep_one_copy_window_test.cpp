#include <QMenu>
#include <QPushButton>
#include <QSet>

#include "core/deletion/last_copy_guard.h"
#include "dup_window_fixture.h"
#include "ui/grid/marked_grid.h"

namespace tessaly::testkit {
namespace {

constexpr qint64 kSomeDay = 1600000000;  // in 2020: the grid's dates begin in 1980

struct TreeFile {
  const char* path;
  qint64 size;  // one group per size
  qint64 writeSeconds;
};

// Three groups, listed by name and then by date; no two files of a group share a write time.
const TreeFile kFiles[] = {
    {"a/m1", 100, 1000000}, {"b/k1", 100, 2000000}, {"c/z1", 100, 3000000},
    {"a/2", 200, 5000000},  {"b/2", 200, 4000000},
    {"bb/3", 300, 6000000}, {"c/3", 300, 8000000}, {"c/sub/3", 300, 7000000},
};

class KeepOneCopyWindowTest : public DupWindowTest {
 protected:
  void SetUp() override {
    for (const TreeFile& f : kFiles) {
      tree.file(QString::fromUtf8(f.path), f.size, 'x');
      tree.setTimes(QString::fromUtf8(f.path), kSomeDay + f.writeSeconds, kSomeDay + f.writeSeconds);
    }
    open(true);
    search(MatchMode::SameContents);
  }

  QAction* keepAction(const QString& caption) const {
    for (QAction* action : window->KeepOne1->menu()->actions()) {
      if (action->text() == caption) return action;
    }
    return nullptr;
  }

  QSet<QString> markedFiles() const {
    QSet<QString> relative;
    for (const QString& path : window->grid->marks().paths()) relative.insert(path.mid(tree.root().size() + 1));
    return relative;
  }
};

TEST_F(KeepOneCopyWindowTest, EachKeepRuleMarksAllButOneFileOfEachGroup) {
  ASSERT_EQ(rowPaths().size(), 8);
  struct Case {
    const char* caption;
    const char* folder;  // answered to the folder dialog, below the tree
    QSet<QString> marked;
  };
  const Case cases[] = {
      {"Keep the &first listed", "", {"a/m1", "c/z1", "a/2", "c/sub/3", "c/3"}},
      {"Keep the &newest", "", {"a/m1", "b/k1", "b/2", "bb/3", "c/sub/3"}},
      {"Keep the &oldest", "", {"b/k1", "c/z1", "a/2", "c/sub/3", "c/3"}},
      {"Keep the one in a f&older...", "c", {"a/m1", "b/k1", "bb/3", "c/3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    QAction* action = keepAction(QString::fromUtf8(c.caption));
    ASSERT_NE(action, nullptr);
    if (*c.folder) dialogs.chooseText(tree.path(QString::fromUtf8(c.folder)));
    action->trigger();
    EXPECT_EQ(markedFiles(), c.marked);
    EXPECT_TRUE(window->btDelete->isEnabled());
  }

  // Cancelling the folder dialog leaves the marks as they were.
  dialogs.chooseText(QString());
  keepAction(QStringLiteral("Keep the one in a f&older..."))->trigger();
  EXPECT_EQ(markedFiles(), cases[3].marked);
}

TEST_F(KeepOneCopyWindowTest, TheDeletionWindowGetsTheGroupsOfTheMarkedFiles) {
  std::vector<CopyGroup> handed;
  window->grid->runDeletion = [&](const DeletionRequest& request) {
    handed = request.copyGroups;
    return false;
  };
  window->grid->markAll();
  window->grid->handOver();
  ASSERT_EQ(handed.size(), 3u);
  EXPECT_EQ(groupsLeftWithoutCopy(handed, window->grid->marks().paths()), (std::vector<size_t>{0, 1, 2}));

  keepAction(QStringLiteral("Keep the &newest"))->trigger();
  window->grid->handOver();
  ASSERT_EQ(handed.size(), 3u);
  EXPECT_TRUE(groupsLeftWithoutCopy(handed, window->grid->marks().paths()).empty());
}

TEST_F(KeepOneCopyWindowTest, OnlyTheDuplicatesWindowOffersIt) {
  EXPECT_TRUE(window->KeepOne1->isVisible());
  open(false);
  EXPECT_FALSE(window->KeepOne1->isVisible());
}

}  // namespace
}  // namespace tessaly::testkit
