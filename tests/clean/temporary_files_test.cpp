#include <gtest/gtest.h>

#include "core/clean/temporary_files.h"
#include "core/common/settings_store.h"
#include "core/safeharbor/pattern_lines.h"
#include "support/fake_host.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

TEST(TemporaryFiles, ANameMatchesWhenItsExtensionEqualsAChosenPatternsIgnoringCase) {
  struct Case {
    const char* name;
    QStringList patterns;
    bool temporary;
  };
  const Case cases[] = {
      {"REPORT.TMP", {"*.tmp\tTMP File"}, true},
      {"report.tmp", {"*.TMP"}, true},
      {"NOTES.TMP1", {"*.tmp"}, false},
      {"archive.tmp.gz", {"*.tmp"}, false},
      {"X.~MP", {"*.~mp"}, true},
      {"X.~MP", {"*.~*"}, false},
      {"odd.~*", {"*.~*"}, true},
      {"README", {"*.tmp", "*"}, false},
      {".hidden.bak", {"*.bak"}, true},
      {".bak", {"*.bak"}, true},
      {"foo.tmp", {"foo.tmp"}, false},
      {"a.$$$", {"*.bak", "*.$$$"}, true},
      {"a.old", {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TemporaryFileMatcher(c.patterns).isThisFileTemporary(QString::fromUtf8(c.name)), c.temporary);
  }
}

TEST(TemporaryFiles, ThePatternsAreTheStoredListOrQuickCleansOwnThirteenWhenNeverStored) {
  const testkit::TempXdg xdg;
  const testkit::FakeFileTypes types;
  const QStringList lines = readQuickCleanPatternLines();
  ASSERT_EQ(lines.size(), 13);
  EXPECT_EQ(lines.first(), "*.bak\tBAK File");
  QStringList patterns;
  for (const QString& line : lines) patterns.append(patternOfLine(line));
  EXPECT_EQ(patterns, (QStringList{"*.bak", "*.chk", "*.da0", "*.db$", "*.ftg", "*.fts", "*.gid", "*.old", "*.tmp",
                                   "*.$$$", "*.---", "*.~mp", "*.~*"}));
  programSettings().writeList(kTempFilesSection, {"*.tmp", "*.fts"});
  EXPECT_EQ(readQuickCleanPatternLines(), (QStringList{"*.tmp\tTMP File", "*.fts\tFTS File"}));
}

}  // namespace
}  // namespace tessaly
