#include <gtest/gtest.h>

#include "core/safeharbor/safe_harbor.h"

namespace tessaly {
namespace {

struct Case {
  const char* path;
  bool isFile;
  int reason;
};

class SafeHarborCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    harbor.setFolderLists({"/srv/data/", "/opt/acme/*.*", "/home/me/Projects/keep/", "/home/me/lib*.*"}, true,
                          HostFolders{"/home/me/bin:/usr/local/bin", {"/usr", "/etc"}});
    harbor.setProtectedTypes({"*.SYS", "*.drv", "Makefile"});
  }
  int reasonOf(const QString& path, bool isFile) {
    int reason = -1;
    const bool isProtected = harbor.isInExceptionList(path, isFile, &reason);
    EXPECT_EQ(isProtected, reason > 0) << path.toStdString();
    return reason;
  }
  SafeHarbor harbor{[] { return HostFolders{}; }};
};

TEST_F(SafeHarborCheck, AnswersEachCaseOfTheTableWithItsReason) {
  const Case cases[] = {
      // An entry ending in "/" protects only what lies directly in its folder.
      {"/srv/data/report.txt", true, InstalledSoftwareReason},
      {"/srv/data/sub/report.txt", true, NotProtected},
      {"/srv/data", false, InstalledSoftwareReason},
      {"/srv/data/sub", false, NotProtected},
      // "*.*" protects the folder and everything below it, on whole names only.
      {"/opt/acme/bin/deep/er/x.txt", true, InstalledSoftwareReason},
      {"/opt/acme", false, InstalledSoftwareReason},
      {"/opt/acmeold/x.txt", true, NotProtected},
      {"/tmp/opt/acme/x.txt", true, NotProtected},
      {"/home/me/opt/acme/bin/x.txt", true, NotProtected},
      // "/home/me/lib*.*" means the folder /home/me/lib/: /home/me/library is another folder.
      {"/home/me/lib/a/b.txt", true, InstalledSoftwareReason},
      {"/home/me/library/b.txt", true, NotProtected},
      // The system folders with all their sub-folders.
      {"/usr/lib/x86_64-linux-gnu/libc.so.6", true, SystemFolderReason},
      {"/usr", false, SystemFolderReason},
      {"/etc/hosts", true, SystemFolderReason},
      {"/usrlocal/x.txt", true, NotProtected},
      // The search path: only files directly in each folder, and never ahead of a system folder.
      {"/home/me/bin/tool", true, SearchPathReason},
      {"/home/me/bin/old/tool", true, NotProtected},
      {"/usr/local/bin/tool", true, SystemFolderReason},
      // Paths are case-significant on this host.
      {"/USR/LIB/x.txt", true, NotProtected},
      {"/home/me/projects/keep/a.txt", true, NotProtected},
      {"/home/me/Projects/keep/a.txt", true, InstalledSoftwareReason},
      {"/home/Me/bin/tool", true, NotProtected},
      // Protected types by extension and by whole name, in any letter case; files only.
      {"/home/me/setup.SYS", true, ProtectedTypeReason},
      {"/home/me/video.Drv", true, ProtectedTypeReason},
      {"/home/me/src/MAKEFILE", true, ProtectedTypeReason},
      {"/home/me/src/Makefile.am", true, NotProtected},
      {"/home/me/sys", true, NotProtected},
      {"/home/me/x.sys", false, NotProtected},
      // A path spelt with "//" or ".." is the same folder.
      {"/srv//data/./report.txt", true, InstalledSoftwareReason},
      {"/srv/other/../data/report.txt", true, InstalledSoftwareReason},
      // ".." above "/" stays at "/", as the system resolves it.
      {"/../usr/lib/libc.so.6", true, SystemFolderReason},
      {"/srv/../../../etc", false, SystemFolderReason},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(reasonOf(QString::fromUtf8(c.path), c.isFile), c.reason) << c.path;
  }
}

TEST(SafeHarborLoading, SplitsTheSearchPathAtColonsAndEndsEachFolderWithASlash) {
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.setFolderLists({}, true, HostFolders{"/usr/local/bin:/usr/local/bin/X11::/opt/util:", {}});
  EXPECT_EQ(harbor.searchPathFolders(),
            (QStringList{"/opt/util/", "/usr/local/bin/", "/usr/local/bin/X11/"}));
  int reason = 0;
  EXPECT_TRUE(harbor.isInExceptionList("/opt/util/run", true, &reason));
  EXPECT_EQ(reason, SearchPathReason);
}

TEST(SafeHarborLoading, PutsTheSystemFoldersInTheFirstListWithAllTheirSubFolders) {
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.setFolderLists({"/usr/share/doc/", "/srv/x/"}, true, HostFolders{"/usr/bin", {"/usr", "/var/lib"}});
  EXPECT_EQ(harbor.systemFolderEntries(), (QStringList{"/usr/*.*", "/var/lib/*.*"}));
  // The entries inside /usr are pruned from the folder list; the search path keeps its own.
  EXPECT_EQ(harbor.folderEntries(), (QStringList{"/srv/x/", "/usr/*.*", "/var/lib/*.*"}));
  EXPECT_EQ(harbor.searchPathFolders(), (QStringList{"/usr/bin/"}));
}

TEST(SafeHarborLoading, KeepsNoProtectedTypeUntilTheKeepListWasStored) {
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.ReadSafeHarborExtensions();
  EXPECT_TRUE(harbor.protectedTypes().isEmpty());
}

TEST(SafeHarborCache, AnswersTheSecondQuestionAboutOneFolderFromTheCacheWhenNoTypeIsProtected) {
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.setFolderLists({"/srv/data/"}, true, {});
  int reason = -1;
  EXPECT_FALSE(harbor.isInExceptionList("/home/me/a.txt", true, &reason));
  EXPECT_FALSE(harbor.answeredFromCache());
  EXPECT_EQ(harbor.lastChecked(), "/home/me/");
  EXPECT_FALSE(harbor.isInExceptionList("/home/me/b.txt", true, &reason));
  EXPECT_TRUE(harbor.answeredFromCache());
  EXPECT_EQ(reason, NotProtected);

  EXPECT_TRUE(harbor.isInExceptionList("/srv/data/a", true, &reason));
  EXPECT_FALSE(harbor.answeredFromCache());
  EXPECT_TRUE(harbor.isInExceptionList("/srv/data", false, &reason));
  EXPECT_TRUE(harbor.answeredFromCache());
  EXPECT_EQ(reason, InstalledSoftwareReason);
}

TEST(SafeHarborCache, IsNotUsedWhileTypesAreProtected) {
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.setProtectedTypes({"*.sys"});
  int reason = -1;
  EXPECT_FALSE(harbor.isInExceptionList("/home/me/a.txt", true, &reason));
  EXPECT_TRUE(harbor.isInExceptionList("/home/me/b.sys", true, &reason));
  EXPECT_FALSE(harbor.answeredFromCache());
  EXPECT_EQ(reason, ProtectedTypeReason);
}

TEST(SafeHarborCache, IsEmptiedByAReloadSoANewlyProtectedFolderIsSeen) {
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.setFolderLists({}, true, {});
  int reason = -1;
  EXPECT_FALSE(harbor.isInExceptionList("/srv/data/a", true, &reason));
  harbor.setFolderLists({"/srv/data/"}, true, {});
  EXPECT_TRUE(harbor.isInExceptionList("/srv/data/b", true, &reason));
  EXPECT_EQ(reason, InstalledSoftwareReason);
  harbor.isInExceptionList("/srv/data/c", true, &reason);
  harbor.forgetLastChecked();
  EXPECT_TRUE(harbor.lastChecked().isEmpty());
}

TEST(SafeHarborReasons, HaveTheirTextsAndUnknownCodesHaveNone) {
  EXPECT_EQ(exceptionReasonText(NotProtected), "");
  EXPECT_EQ(exceptionReasonText(SystemFolderReason), "in a system folder");
  EXPECT_EQ(exceptionReasonText(SearchPathReason), "in the search path");
  EXPECT_EQ(exceptionReasonText(InstalledSoftwareReason), "referenced by installed software");
  EXPECT_EQ(exceptionReasonText(ProtectedTypeReason), "included in the protected file extensions");
  EXPECT_EQ(exceptionReasonText(5), "");
  EXPECT_EQ(exceptionReasonText(-1), "");
}

}  // namespace
}  // namespace tessaly
