#include <gtest/gtest.h>

#include "core/common/settings_store.h"
#include "core/safeharbor/pattern_lines.h"
#include "support/fake_host.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

class StatFileLists : public ::testing::Test {
 protected:
  StatFileLists() {
    types.add(".doc", "application/msword", "Word document");
    types.add(".exe", "application/x-msdownload", "DOS/Windows executable");
  }
  testkit::TempXdg xdg;
  testkit::FakeFileTypes types;
};

TEST_F(StatFileLists, ReadAsTheThreeDefaultsWithDescriptionsUntilStored) {
  for (const char* section : {"Include", "Exclude"}) {
    QStringList list{"stale"};
    ReadStatFilesFromDisk(list, section);
    EXPECT_EQ(list, (QStringList{"*.doc\tWord document", "*.exe\tDOS/Windows executable", "*.dll\tDLL File"}));
  }
}

TEST_F(StatFileLists, StoreOnlyThePatternsAndAStoredEmptyListStaysEmpty) {
  WriteStatFilesToDisk({"*.exe\tOld description", "*.zz"}, "Include");
  EXPECT_EQ(programSettings().readString("Include", "File1", ""), "*.exe");
  EXPECT_EQ(programSettings().readString("Include", "File2", ""), "*.zz");
  QStringList list;
  ReadStatFilesFromDisk(list, "Include");
  EXPECT_EQ(list, (QStringList{"*.exe\tDOS/Windows executable", "*.zz\tZZ File"}));

  WriteStatFilesToDisk({}, "Include");
  EXPECT_EQ(programSettings().readInteger("Include", "Number", -1), 0);
  ReadStatFilesFromDisk(list, "Include");
  EXPECT_TRUE(list.isEmpty());
}

TEST(LinesOfChoice, AddNothingForACancelledPickerAnEmptyPatternOrAllFiles) {
  EXPECT_TRUE(linesOfChoice({false, false, "*.tmp", "Temporary", {}}).isEmpty());
  EXPECT_TRUE(linesOfChoice({true, false, "", "", {}}).isEmpty());
  EXPECT_TRUE(linesOfChoice({true, false, "*.*", "All", {}}).isEmpty());
  EXPECT_EQ(linesOfChoice({true, false, "*.tmp", "Temporary", {}}), QStringList{"*.tmp\tTemporary"});
  EXPECT_EQ(linesOfChoice({true, true, "", "", {"*.a\tA", "*.b\tB"}}), (QStringList{"*.a\tA", "*.b\tB"}));
}

}  // namespace
}  // namespace tessaly
