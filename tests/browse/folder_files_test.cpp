#include <gtest/gtest.h>

#include <QFile>

#include "core/browse/browse_sorts.h"
#include "core/browse/folder_files.h"
#include "core/common/dos_time.h"
#include "platform/host_path.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

QStringList namesOf(const FolderFiles& listed) {
  QStringList names;
  for (const FoundFile& file : listed.files->files()) names.append(file.name);
  return names;
}

class FolderFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.file("d/b.txt", 100, 'b');
    tree.file("d/A.doc", 20, 'a');
    tree.file("d/c.TXT", 3, 'c');
    tree.file("d/.hidden.txt", 1000, 'h');
    tree.file("d/sub/inner.txt", 7, 'i');
    tree.folder("d/.cache");
    tree.folder("d/Music");
    QFile::link(tree.path("d/b.txt"), tree.path("d/link.txt"));
  }
  testkit::TempTree tree;
};

TEST_F(FolderFilesTest, ListsTheMatchingRegularFilesInNameOrderWithoutHiddenOnesOrLinks) {
  struct Case {
    const char* pattern;
    QStringList names;
    qint64 total;
  };
  const Case cases[] = {
      {"*.*", {"A.doc", "b.txt", "c.TXT"}, 123},
      {"*.txt", {"b.txt", "c.TXT"}, 103},
      {"?.doc", {"A.doc"}, 20},
      {"*.zip", {}, 0},
  };
  for (const Case& c : cases) {
    const FolderFiles listed = listFolderFiles(tree.path("d"), QString::fromLatin1(c.pattern));
    EXPECT_EQ(namesOf(listed), c.names) << c.pattern;
    EXPECT_EQ(listed.totalBytes, c.total) << c.pattern;
  }
}

TEST_F(FolderFilesTest, EachFileKeepsItsFolderSizeAndTimes) {
  tree.setTimes("d/b.txt", QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)).toSecsSinceEpoch(),
                QDateTime(QDate(1999, 12, 31), QTime(23, 58, 0)).toSecsSinceEpoch());
  const FolderFiles listed = listFolderFiles(tree.path("d"), QStringLiteral("b.txt"));
  ASSERT_EQ(listed.files->files().size(), 1u);
  const FoundFile& file = listed.files->files().front();
  EXPECT_EQ(listed.files->fullPath(file), tree.path("d/b.txt"));
  EXPECT_EQ(file.size, 100);
  EXPECT_EQ(unpackDosStamp(file.writeStamp), QDateTime(QDate(1999, 12, 31), QTime(23, 58, 0)));
  EXPECT_EQ(unpackDosStamp(file.accessStamp), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
}

TEST_F(FolderFilesTest, TheFolderListOffersTheVisibleSubFoldersInNameOrder) {
  EXPECT_EQ(visibleSubFolders(tree.path("d")), (QStringList{"Music", "sub"}));
  EXPECT_EQ(visibleSubFolders(tree.path("d/sub")), QStringList());
}

TEST_F(FolderFilesTest, TheTotalOfLargeFilesDoesNotWrapAround) {
  constexpr qint64 kThreeGigabytes = 3LL << 30;
  for (const char* name : {"d/one.iso", "d/two.iso"}) {
    QFile sparse(tree.file(QString::fromLatin1(name)));
    ASSERT_TRUE(sparse.resize(kThreeGigabytes)) << name;
  }
  EXPECT_EQ(listFolderFiles(tree.path("d"), QStringLiteral("*.iso")).totalBytes, 2 * kThreeGigabytes);
}

TEST_F(FolderFilesTest, ANameThatIsNotUtf8IsListedAsItself) {
  const QString latin = tree.file(platform::decodePath(QByteArray("d/caf\xE9.txt")), "latin");
  const FolderFiles listed = listFolderFiles(tree.path("d"), QStringLiteral("caf*"));
  ASSERT_EQ(listed.files->files().size(), 1u);
  EXPECT_EQ(listed.files->fullPath(listed.files->files().front()), latin);
}

TEST(BrowseFolders, TheParentOfAFolder) {
  EXPECT_EQ(parentFolder(QStringLiteral("/home/me/projects")), "/home/me");
  EXPECT_EQ(parentFolder(QStringLiteral("/home")), "/");
}

TEST_F(FolderFilesTest, TheNearestFolderThatOpensIsShown) {
  QFile::link(tree.path("d/Music"), tree.path("d/music-link"));
  const std::pair<QString, QString> cases[] = {
      {tree.path("d/sub"), tree.path("d/sub")},
      {tree.path("d/sub/"), tree.path("d/sub")},
      {tree.path("d/Music/../sub"), tree.path("d/sub")},
      {tree.path("d/music-link"), tree.path("d/music-link")},
      {tree.path("d/gone/deeper"), tree.path("d")},
      {tree.path("d/b.txt"), tree.path("d")},
      {QStringLiteral("/"), QStringLiteral("/")},
  };
  for (const auto& [asked, shown] : cases) EXPECT_EQ(nearestOpenFolder(asked), shown) << asked.toStdString();
}

TEST(BrowseSorts, EveryHeadingButTimeStandsForItsSortCommand) {
  const std::pair<int, const char*> cases[] = {
      {BrowseModified, "Modified &Date"}, {BrowseTime, nullptr}, {BrowseAccess, "&Access Date"},
      {BrowseSize, "&Size"},              {BrowseFilename, "Name"}, {BrowseType, "&Type"},
  };
  for (const auto& [column, caption] : cases) {
    const int item = browseSortOfColumn(column);
    if (!caption) {
      EXPECT_EQ(item, -1);
      continue;
    }
    ASSERT_GE(item, 0) << caption;
    EXPECT_EQ(browseSorts()[size_t(item)].caption, QString::fromLatin1(caption));
  }
}

}  // namespace
}  // namespace tessaly
