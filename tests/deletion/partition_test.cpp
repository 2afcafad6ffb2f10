#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "core/deletion/partition.h"
#include "core/safeharbor/safe_harbor.h"
#include "deletion/fake_protection_check.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

using testkit::FakeProtectionCheck;

TEST(Partition, ProtectedFilesGoToTheSafeHarborAndBothPanelsAreSortedWithoutRegardToCase) {
  FakeProtectionCheck check;
  check.protect("/usr/lib/libx.so", SystemFolderReason);
  check.protect("/home/ann/B.dll", ProtectedTypeReason);
  QList<int> examined;
  const Partition p = partitionFiles({"/home/ann/c.txt", "/usr/lib/libx.so", "/home/ann/B.dll", "/home/ann/a.txt", "/home/ann/Bz.txt"},
                                     check, [&](int n) { examined.append(n); });
  EXPECT_EQ(p.toDelete, (QStringList{"/home/ann/a.txt", "/home/ann/Bz.txt", "/home/ann/c.txt"}));
  EXPECT_EQ(p.protectedFiles, (QStringList{"/home/ann/B.dll", "/usr/lib/libx.so"}));
  EXPECT_EQ(examined, (QList<int>{0, 1, 2, 3, 4}));
}

TEST(Partition, TheReasonNamesTheSafeHarborRuleOrSaysTheUserMovedTheFile) {
  FakeProtectionCheck check;
  check.protect("/usr/bin/tool", SystemFolderReason);
  check.protect("/opt/app/run", SearchPathReason);
  check.protect("/srv/x.cfg", InstalledSoftwareReason);
  check.protect("/home/ann/a.dll", ProtectedTypeReason);
  const QString since = QStringLiteral("\" is on the Safe Harbor List since the folder that it is stored in is ");
  struct Case {
    QString path, expected;
  } cases[] = {
      {"/usr/bin/tool", "This file \"/usr/bin/tool" + since + exceptionReasonText(SystemFolderReason)},
      {"/opt/app/run", "This file \"/opt/app/run" + since + exceptionReasonText(SearchPathReason)},
      {"/srv/x.cfg", "This file \"/srv/x.cfg" + since + exceptionReasonText(InstalledSoftwareReason)},
      {"/home/ann/a.dll", "This file \"/home/ann/a.dll" + since + exceptionReasonText(ProtectedTypeReason)},
      {"/home/ann/moved.txt", "This file \"/home/ann/moved.txt\" is on the Safe Harbor List because you moved it here."},
  };
  for (const Case& c : cases) EXPECT_EQ(protectionReasonMessage(c.path, check), c.expected);
}

TEST(Partition, AFileReachedThroughALinkedFolderIsProtectedLikeItsRealPlace) {
  testkit::TempTree tree;
  const QString real = tree.file("system/lib/libx.so", "x");
  tree.folder("home");
  ASSERT_TRUE(QFile::link(tree.path("system/lib"), tree.path("home/sys")));
  const QString viaLink = tree.path("home/sys/libx.so");
  const QString ordinary = tree.file("home/notes.txt", "n");
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.setFolderLists({QFileInfo(real).canonicalPath() + QStringLiteral("/*.*")}, true, {});

  const Partition p = partitionFiles({viaLink, ordinary}, harbor, {});
  EXPECT_EQ(p.protectedFiles, QStringList{viaLink});
  EXPECT_EQ(p.toDelete, QStringList{ordinary});
  EXPECT_TRUE(protectionReasonMessage(viaLink, harbor).endsWith(exceptionReasonText(InstalledSoftwareReason)));
}

}  // namespace
}  // namespace tessaly
