#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/deletion/folder_refusals.h"
#include "support/fake_host.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

const QString kRoot = QStringLiteral(
    "Cannot delete the root folder! To delete a folder including all files and sub-folders double click on the desired "
    "folder shown in the left panel.");
const QString kSystem = QStringLiteral("You cannot delete a system folder using Tessaly 99");
const QString kHome = QStringLiteral("You cannot delete your home folder using Tessaly 99");

TEST(FolderRefusals, RootsSystemFoldersAndTheHomeFolderAreRefusedInEverySpelling) {
  testkit::TempTree tree;
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed);
  drives.add(QStringLiteral("/media/usb"), platform::DriveKind::Removable);
  const QString home = tree.folder("home");
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", QFile::encodeName(home));
  ASSERT_TRUE(QFile::link(QStringLiteral("/usr"), tree.path("usr-link")));

  struct Case {
    QString folder;
    QString refusal;
  };
  const Case cases[] = {
      {QStringLiteral("/"), kRoot},
      {QStringLiteral("/media/usb"), kRoot},
      {QStringLiteral("/media/usb/"), kRoot},
      {QStringLiteral("/usr"), kSystem},
      {QStringLiteral("/var/lib"), kSystem},
      {QStringLiteral("/etc/../usr"), kSystem},
      {tree.path("usr-link"), kSystem},
      {home, kHome},
      {home + QStringLiteral("/"), kHome},
      // Below a system folder the safe harbor warning speaks instead.
      {QStringLiteral("/usr/lib"), QString()},
      {QStringLiteral("/media/usb/photos"), QString()},
      {tree.folder("home/projects"), QString()},
  };
  for (const Case& c : cases) EXPECT_EQ(folderDeletionRefusal(c.folder), c.refusal) << c.folder.toStdString();
  qputenv("HOME", savedHome);
}

}  // namespace
}  // namespace tessaly
