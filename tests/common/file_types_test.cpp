#include <gtest/gtest.h>

#include "core/common/file_types.h"
#include "support/fake_host.h"

using namespace tessaly;

TEST(FileTypeDescription, UsesTheHostThenTheFallbacks) {
  testkit::FakeFileTypes types;
  types.add(QStringLiteral(".doc"), QStringLiteral("application/msword"), QStringLiteral("Word document"));
  types.add(QStringLiteral(".abc"), QStringLiteral("text/vnd.abc"), QString());
  EXPECT_EQ(fileTypeDescription(QStringLiteral(".doc")), QStringLiteral("Word document"));
  EXPECT_EQ(fileTypeDescription(QStringLiteral(".DOC")), QStringLiteral("Word document"));
  EXPECT_EQ(fileTypeDescription(QStringLiteral(".abc")), QStringLiteral("text/vnd.abc"));
  EXPECT_EQ(fileTypeDescription(QStringLiteral(".xyz")), QStringLiteral("XYZ File"));
  EXPECT_EQ(fileTypeDescription(QStringLiteral("*.")), QStringLiteral("No extension"));
  EXPECT_EQ(fileTypeDescription(QString()), QString());
  EXPECT_EQ(fileTypeDescription(QStringLiteral("*.x*")), QString());
}

TEST(RegisteredExtensions, AreShortSortedWithoutCaseAndStartWithAllWhenAsked) {
  testkit::FakeFileTypes types;
  for (const char* ext : {".txt", ".class", ".Bmp", ".a", ".html"}) types.add(QString::fromLatin1(ext), {}, {});
  EXPECT_EQ(registeredExtensions(true), (QStringList{"*.*", "*.a", "*.Bmp", "*.html", "*.txt"}));
  EXPECT_EQ(registeredExtensions(false), (QStringList{"*.a", "*.Bmp", "*.html", "*.txt"}));
}

TEST(RegisteredExtensions, OfferTheLowerCaseSpellingOfAnExtensionKnownInTwoCases) {
  struct Case {
    const char* name;
    QStringList known;  // in the order the source lists them
    QStringList offered;
  };
  const Case cases[] = {
      {"upper case listed first", {".C", ".c", ".cpp"}, {"*.c", "*.cpp"}},
      {"lower case listed first", {".c", ".C", ".cpp"}, {"*.c", "*.cpp"}},
      {"mixed and upper case of one extension", {".TAR", ".Tar", ".tar"}, {"*.tar"}},
      {"no lower-case spelling keeps its own", {".Z", ".zip"}, {"*.Z", "*.zip"}},
      {"two types of one spelling appear once", {".c", ".c", ".h"}, {"*.c", "*.h"}},
  };
  for (const Case& c : cases) {
    testkit::FakeFileTypes types;
    for (const QString& ext : c.known) types.add(ext, QStringLiteral("text/x-test"), QStringLiteral("test file"));
    EXPECT_EQ(registeredExtensions(false), c.offered) << c.name;
  }
}

TEST(RegisteredExtensions, OnTheRealMimeDatabaseIncludeCommonTypes) {
  const QStringList all = registeredExtensions(false);
  EXPECT_TRUE(all.contains(QStringLiteral("*.txt")));
  EXPECT_TRUE(all.contains(QStringLiteral("*.c")));
  EXPECT_FALSE(all.contains(QStringLiteral("*.C")));
  EXPECT_FALSE(fileTypeDescription(QStringLiteral(".txt")).endsWith(QStringLiteral(" File")));
}

TEST(DiskQueries, AskTheDriveTable) {
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed, {}, 100, 400);
  drives.add(QStringLiteral("/media/usb"), platform::DriveKind::Removable, QStringLiteral("STICK"), 5, 10);
  drives.setReady(QStringLiteral("/media/usb"), false);
  EXPECT_DOUBLE_EQ(getDiskSpace(QStringLiteral("/home")).totalBytes, 400);
  EXPECT_TRUE(pathDriveReady(QStringLiteral("/home/me")));
  EXPECT_FALSE(pathDriveReady(QStringLiteral("/media/usb/x")));
  EXPECT_EQ(platform::driveHolding(QStringLiteral("/media/usb/a")).label, QStringLiteral("STICK"));
}

TEST(ExtensionOf, TakesTheLastDotOfTheName) {
  EXPECT_EQ(extensionOf(QStringLiteral("/a/b.c/file.TXT")), QStringLiteral(".TXT"));
  EXPECT_EQ(extensionOf(QStringLiteral("/a/b.c/file")), QString());
  EXPECT_EQ(extensionOf(QStringLiteral("archive.tar.gz")), QStringLiteral(".gz"));
}
