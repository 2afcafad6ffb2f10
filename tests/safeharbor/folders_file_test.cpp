#include <gtest/gtest.h>

#include <QFile>

#include "core/common/settings_store.h"
#include "core/safeharbor/folders_file.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/xdg_paths.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(FoldersFile, IsWrittenSortedWithCarriageReturnAndLineFeedInANewFolder) {
  testkit::TempXdg xdg;
  QString error;
  ASSERT_TRUE(saveFoldersFile({"/srv/b/", "/opt/acme/*.*", "/srv/A/"}, &error)) << error.toStdString();
  EXPECT_EQ(fileBytes(platform::foldersListPath()), QByteArray("/opt/acme/*.*\r\n/srv/A/\r\n/srv/b/\r\n"));
  EXPECT_EQ(readFoldersFile(), (QStringList{"/opt/acme/*.*", "/srv/A/", "/srv/b/"}));
}

TEST(FoldersFile, IsDeletedWhenTheListIsEmptiedAndTheNextLoadingFindsTheHarborMissing) {
  testkit::TempXdg xdg;
  SafeHarbor harbor([] { return HostFolders{}; });
  QString error;
  ASSERT_TRUE(saveFoldersFile({"/srv/data/"}, &error));
  harbor.GetSearchPath();
  EXPECT_FALSE(harbor.missing());
  int reason = 0;
  EXPECT_TRUE(harbor.isInExceptionList("/srv/data/x", true, &reason));

  ASSERT_TRUE(saveFoldersFile({}, &error));
  EXPECT_FALSE(foldersFileExists());
  harbor.GetSearchPath();
  EXPECT_TRUE(harbor.missing());
  EXPECT_FALSE(harbor.isInExceptionList("/srv/data/x", true, &reason));
}

TEST(FoldersFile, ReportsAFolderThatCannotBeWritten) {
  testkit::TempXdg xdg;
  testkit::TempTree tree;
  // A file where the data folder should be makes the save fail.
  qputenv("XDG_DATA_HOME", tree.file("blocked").toUtf8());
  QString error;
  EXPECT_FALSE(saveFoldersFile({"/srv/data/"}, &error));
  EXPECT_TRUE(error.startsWith("Cannot write ")) << error.toStdString();
}

TEST(SafeHarborLoad, ReadsTheStoredKeepListLowerCasedThenTheFoldersFile) {
  testkit::TempXdg xdg;
  programSettings().writeList("NoDelExt", {"*.SYS", "Thumbs.db"});
  QString error;
  ASSERT_TRUE(saveFoldersFile({"/srv/data/"}, &error));
  SafeHarbor harbor([] { return HostFolders{"/home/me/bin", {"/usr"}}; });
  harbor.load();
  EXPECT_FALSE(harbor.missing());
  EXPECT_EQ(harbor.protectedTypes(), (QStringList{"*.sys", "thumbs.db"}));
  EXPECT_EQ(harbor.folderEntries(), (QStringList{"/home/me/bin/", "/srv/data/", "/usr/*.*"}));
  int reason = 0;
  EXPECT_TRUE(harbor.isInExceptionList("/home/me/THUMBS.DB", true, &reason));
  EXPECT_EQ(reason, ProtectedTypeReason);
}

}  // namespace
}  // namespace tessaly
