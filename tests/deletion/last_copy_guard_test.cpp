#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "core/deletion/last_copy_guard.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

TEST(LastCopyGuard, AGroupLosesItsLastCopyWhenNoListedFileStaysAsItWas) {
  testkit::TempTree tree;
  const QString a = tree.file(QStringLiteral("a"), 10, 'x');
  const QString b = tree.file(QStringLiteral("b"), 10, 'x');
  const QString c = tree.file(QStringLiteral("c"), 10, 'x');
  struct Case {
    const char* name;
    QStringList removing;
    std::function<void()> before;
    std::vector<size_t> losing;
  };
  const Case cases[] = {
      {"one copy stays", {a, b}, [] {}, {}},
      {"every copy goes", {a, b, c}, [] {}, {0}},
      {"the copy that stays is gone", {a, b}, [&] { QFile::remove(c); }, {0}},
      {"the copy that stays has another size", {a, b}, [&] { tree.file(QStringLiteral("c"), 11, 'x'); }, {0}},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.name);
    tree.file(QStringLiteral("c"), 10, 'x');
    t.before();
    const std::vector<CopyGroup> groups = {{{a, 10}, {b, 10}, {c, 10}}};
    EXPECT_EQ(groupsLeftWithoutCopy(groups, t.removing), t.losing);
  }
}

TEST(LastCopyGuard, TheQuestionNamesEachGroupAndCountsTheRestOfALongList) {
  std::vector<CopyGroup> groups;
  std::vector<size_t> all;
  for (int g = 0; g < 12; ++g) {
    groups.push_back({{QStringLiteral("/data/%1/first").arg(g), 5}, {QStringLiteral("/data/%1/second").arg(g), 5}});
    all.push_back(size_t(g));
  }
  groups[0].push_back({QStringLiteral("/data/0/third"), 5});
  const QString question = lastCopyQuestion(groups, all);
  EXPECT_TRUE(question.startsWith(QStringLiteral("Every file of these duplicate groups is about to be removed")));
  EXPECT_TRUE(question.contains(QStringLiteral("\n/data/0/first and 2 more files\n/data/1/first and 1 more file\n")));
  EXPECT_TRUE(question.contains(QStringLiteral("/data/9/first and 1 more file\nand 2 more groups\n\nRemove every copy anyway?")));
  EXPECT_FALSE(question.contains(QStringLiteral("/data/10/")));
}

}  // namespace
}  // namespace tessaly
