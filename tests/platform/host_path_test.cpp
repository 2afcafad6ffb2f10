#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>

#include "platform/directory_reader.h"
#include "platform/host_files.h"
#include "platform/host_path.h"
#include "support/temp_tree.h"

namespace tessaly::platform {
namespace {

using testkit::TempTree;

QString escaped(char16_t byte) { return QString(QChar(char16_t(0xDC00 + byte))); }

TEST(HostPath, DecodesValidUtf8AsTextAndEveryOtherByteAsItsOwnEscape) {
  struct Case {
    const char* what;
    QByteArray bytes;
    QString decoded;
  } cases[] = {
      {"ascii", "/home/ann/a.txt", "/home/ann/a.txt"},
      {"utf-8", "caf\xC3\xA9", QString::fromUtf8("caf\xC3\xA9")},
      {"latin-1 byte", "caf\xE9.txt", "caf" + escaped(0xE9) + ".txt"},
      {"the replacement mark itself", "caf\xEF\xBF\xBD.txt", QString::fromUtf8("caf\xEF\xBF\xBD.txt")},
      {"outside the basic plane", "\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80")},
      {"overlong slash", "a\xC0\xAF", "a" + escaped(0xC0) + escaped(0xAF)},
      {"encoded surrogate", "\xED\xA0\x80", escaped(0xED) + escaped(0xA0) + escaped(0x80)},
      {"cut short", "x\xE2\x82", "x" + escaped(0xE2) + escaped(0x82)},
      {"above U+10FFFF", "\xF4\x90\x80\x80", escaped(0xF4) + escaped(0x90) + escaped(0x80) + escaped(0x80)},
      {"stray continuation then text", "\x80\xC3\xA9", escaped(0x80) + QString::fromUtf8("\xC3\xA9")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decodePath(c.bytes), c.decoded) << c.what;
    EXPECT_EQ(encodePath(c.decoded), c.bytes) << c.what;
  }
}

TEST(HostPath, EveryByteStringComesBackAsItWas) {
  QRandomGenerator generator(42);
  for (int round = 0; round < 2000; ++round) {
    QByteArray bytes(int(generator.bounded(1, 24)), '\0');
    // Bytes 1 to 255: names hold no NUL; high bytes are frequent so that broken and valid
    // sequences mix.
    for (char& b : bytes) b = char(generator.bounded(1, 256));
    ASSERT_EQ(encodePath(decodePath(bytes)), bytes) << bytes.toHex().constData();
  }
}

TEST(HostPath, ShowsTheByteThatIsNotTextAsAnEscapeAndKeepsRealTextAsItIs) {
  const QString latin = decodePath(QByteArray("/data/caf\xE9.txt"));
  const QString marked = decodePath(QByteArray("/data/caf\xEF\xBF\xBD.txt"));
  EXPECT_TRUE(hasRawBytes(latin));
  EXPECT_FALSE(hasRawBytes(marked));
  EXPECT_FALSE(hasRawBytes(QString::fromUtf8("\xF0\x9F\x98\x80")));
  EXPECT_EQ(displayPath(latin), "/data/caf\\xE9.txt");
  EXPECT_EQ(displayPath(marked), marked);
  EXPECT_NE(displayPath(latin), displayPath(marked));
  // A lone surrogate typed by hand never turns into a raw byte.
  EXPECT_EQ(encodePath(QString(QChar(char16_t(0xD800)))), QByteArray("\xEF\xBF\xBD"));
}

TEST(HostFiles, ANameThatIsNotUtf8IsListedLookedAtAndRemovedAsItself) {
  TempTree tree;
  const QString latin = tree.file(decodePath(QByteArray("caf\xE9.txt")), "latin");
  const QString marked = tree.file(QString::fromUtf8("caf\xEF\xBF\xBD.txt"), "marked");
  std::vector<FolderEntry> listed;
  ASSERT_TRUE(listFolder(tree.root(), &listed));
  QStringList names;
  for (const FolderEntry& entry : listed) names.append(entry.name);
  names.sort();
  EXPECT_EQ(names, (QStringList{latin.mid(tree.root().size() + 1), marked.mid(tree.root().size() + 1)}));

  EntryStatus status;
  ASSERT_TRUE(pathStatus(latin, &status));
  EXPECT_EQ(status.size, 5);
  QFile file;
  ASSERT_TRUE(openForReading(latin, &file, nullptr));
  EXPECT_EQ(file.readAll(), "latin");
  file.close();

  QString reason;
  ASSERT_TRUE(removeFile(latin, &reason));
  EXPECT_FALSE(pathStatus(latin, &status));
  ASSERT_TRUE(pathStatus(marked, &status));
  EXPECT_EQ(status.size, 6);
}

TEST(HostFiles, FailuresGiveTheSystemsReason) {
  TempTree tree;
  const QString folder = tree.folder("folder");
  const QString target = tree.file("target.txt", "t");
  const QString link = tree.path("link.txt");
  ASSERT_EQ(::symlink("target.txt", encodePath(link).constData()), 0);
  QString reason;
  QFile file;
  EXPECT_FALSE(openForReading(link, &file, &reason));
  EXPECT_EQ(reason, systemErrorText(ELOOP));
  EXPECT_FALSE(openForReading(folder, &file, &reason));
  EXPECT_EQ(reason, systemErrorText(EISDIR));
  EXPECT_FALSE(removeFile(tree.path("missing"), &reason));
  EXPECT_EQ(reason, systemErrorText(ENOENT));
  EXPECT_FALSE(removeFile(folder, &reason));
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_TRUE(QFile::exists(target));
}

TEST(HostFiles, AScratchFileLeavesNoNameInItsFolderAndLivesOnItsFileSystem) {
  TempTree tree;
  const QString folder = tree.folder("archives");
  QFile scratch;
  QString reason;
  ASSERT_TRUE(openScratchFile(folder, &scratch, &reason)) << reason.toStdString();
  ASSERT_EQ(scratch.write("spooled"), 7);
  ASSERT_TRUE(scratch.seek(0));
  EXPECT_EQ(scratch.readAll(), "spooled");
  std::vector<FolderEntry> listed;
  ASSERT_TRUE(listFolder(folder, &listed));
  EXPECT_TRUE(listed.empty());
  struct stat scratchStat, folderStat;
  ASSERT_EQ(::fstat(scratch.handle(), &scratchStat), 0);
  ASSERT_EQ(::stat(encodePath(folder).constData(), &folderStat), 0);
  EXPECT_EQ(scratchStat.st_dev, folderStat.st_dev);
}

TEST(HostFiles, MakesEveryMissingFolderAndResolvesLinks) {
  TempTree tree;
  const QString deep = tree.path(decodePath(QByteArray("a/\xE9t\xE9/c")));
  QString reason;
  ASSERT_TRUE(makeFolders(deep, &reason)) << reason.toStdString();
  ASSERT_TRUE(makeFolders(deep, &reason));  // already there
  ASSERT_EQ(::symlink(encodePath(deep).constData(), encodePath(tree.path("short")).constData()), 0);
  EXPECT_EQ(resolvedPath(tree.path("short")), resolvedPath(deep));
  EXPECT_TRUE(resolvedPath(deep).endsWith(decodePath(QByteArray("/a/\xE9t\xE9/c"))));
  EXPECT_TRUE(resolvedPath(tree.path("missing")).isEmpty());
  tree.file("plain", "x");
  EXPECT_FALSE(makeFolders(tree.path("plain/below"), &reason));
}

}  // namespace
}  // namespace tessaly::platform
