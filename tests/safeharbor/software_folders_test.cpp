#include <gtest/gtest.h>

#include "core/safeharbor/software_folders.h"
#include "support/fake_host.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

TEST(FolderOfValue, TakesOnlyOneAbsoluteLocalPathAndReducesItToItsFolder) {
  EXPECT_EQ(folderOfValue("/opt/Acme Suite/bin/acme"), "/opt/Acme Suite/bin/");
  EXPECT_EQ(folderOfValue("/opt/acme/"), "/opt/acme/");
  EXPECT_EQ(folderOfValue("/vmlinuz"), "/");
  EXPECT_EQ(folderOfValue("/opt//acme/./bin/x"), "/opt/acme/bin/");
  EXPECT_EQ(folderOfValue("/"), "");
  EXPECT_EQ(folderOfValue("acme"), "");
  EXPECT_EQ(folderOfValue("bin/acme"), "");
  EXPECT_EQ(folderOfValue("/usr/bin:/usr/local/bin"), "");
  EXPECT_EQ(folderOfValue("//server/share/x"), "");
  EXPECT_EQ(folderOfValue("http://example.org/x"), "");
  EXPECT_EQ(folderOfValue("/a/b\n/c/d"), "");
}

TEST(InstalledSoftwareScan, AddsEachExistingFolderOnceAndSkipsListedMissingAndRemovableOnes) {
  testkit::TempTree tree;
  const QString acme = tree.folder("opt/acme/bin");
  const QString listed = tree.folder("opt/listed");
  const QString usb = tree.folder("media/usb/tools");
  testkit::FakeDriveTable drives;
  drives.add("/", platform::DriveKind::Fixed);
  drives.add(tree.path("media/usb"), platform::DriveKind::Removable);

  testkit::FakeInstalledSoftware software({acme + "/acme", acme + "/acme-helper", acme, listed + "/x", tree.path("gone/x"),
                         usb + "/tool", "acme %U", tree.root() + "/opt/acme/bin:" + listed});
  QStringList folders{listed + "/", "/keep/*.*"};
  QStringList added;
  const int count = addInstalledSoftwareFolders(folders, platform::installedSoftware(),
                                                [&](const QString& folder) { added.append(folder); });
  EXPECT_EQ(count, 2);
  EXPECT_EQ(added, (QStringList{acme + "/", tree.path("opt/acme/")}));
  EXPECT_EQ(folders, (QStringList{listed + "/", "/keep/*.*", acme + "/", tree.path("opt/acme/")}));
}

TEST(DesktopExecProgram, IsTheFirstWordOfTheCommandUnquoted) {
  EXPECT_EQ(platform::desktopExecProgram("/opt/acme/bin/acme %U"), "/opt/acme/bin/acme");
  EXPECT_EQ(platform::desktopExecProgram("\"/opt/Acme Suite/acme\" --new"), "/opt/Acme Suite/acme");
  EXPECT_EQ(platform::desktopExecProgram("acme"), "acme");
}

}  // namespace
}  // namespace tessaly
