#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>

#include "core/inspect/paged_file.h"
#include "core/inspect/pe_resources.h"
#include "core/inspect/version_lines.h"
#include "inspect/pe_image_builder.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

using testkit::buildPe;
using testkit::PeImage;
using testkit::PeRequest;
using testkit::putU16;
using testkit::putU32;

const QList<QPair<QString, QString>> kAllStrings = {
    {"CompanyName", "Quornel Corporation"},   {"FileDescription", "  Disk space tool"},
    {"FileVersion", "3.1.0.7"},                {"InternalName", "tessaly"},
    {"LegalCopyright", "(c) 1999 Quornel"},    {"LegalTrademarks", "Tessaly is ours"},
    {"OriginalFilename", "TESSALY.EXE"},       {"PrivateBuild", "lab build"},
    {"ProductName", "Tessaly 99"},             {"ProductVersion", "3.1"},
    {"SpecialBuild", "for testers"},
};

const QStringList kAllLinesWithTabs = {
    "Company: \tQuornel Corporation", "File description: \tDisk space tool", "File version: \t3.1.0.7",
    "Internal name: \ttessaly",       "Copyright: \t(c) 1999 Quornel",     "Trademarks: \tTessaly is ours",
    "Original filename: \tTESSALY.EXE", "Private build info: \tlab build",  "Product name: \tTessaly 99",
    "Product version: \t3.1",          "Special build info: \tfor testers",
};

class VersionInfo : public ::testing::Test {
 protected:
  QString write(const QByteArray& bytes, const QString& name = QStringLiteral("program.exe")) {
    return tree.file(name, bytes);
  }
  QStringList linesOf(const QByteArray& bytes) { return GetVer(write(bytes), true); }

  testkit::TempTree tree;
};

TEST_F(VersionInfo, AProgramWithAVersionResourceGivesTheElevenItemsInOrder) {
  for (const bool pe32Plus : {false, true}) {
    PeRequest request;
    request.strings = kAllStrings;
    request.pe32Plus = pe32Plus;
    const QString path = write(buildPe(request).bytes);
    EXPECT_EQ(GetVer(path, true), kAllLinesWithTabs) << "64-bit: " << pe32Plus;
    QStringList plain = kAllLinesWithTabs;
    plain.replaceInStrings(QStringLiteral("\t"), QString());
    EXPECT_EQ(GetVer(path, false), plain) << "64-bit: " << pe32Plus;
  }
}

TEST_F(VersionInfo, EntriesTheFileLacksGiveEmptyValuesAndTheTableIsFoundInAnyCase) {
  PeRequest request;
  request.strings = kAllStrings.mid(0, 10);  // no SpecialBuild
  request.tableName = QStringLiteral("040904b0");
  const QStringList lines = linesOf(buildPe(request).bytes);
  ASSERT_EQ(lines.size(), 11);
  EXPECT_EQ(lines.first(), "Company: \tQuornel Corporation");
  EXPECT_EQ(lines.last(), "Special build info: \t");
}

TEST_F(VersionInfo, AStringTableOfAnotherTranslationLeavesEveryValueEmpty) {
  PeRequest request;
  request.strings = kAllStrings;
  request.tableName = QStringLiteral("040704E4");
  const QStringList lines = linesOf(buildPe(request).bytes);
  ASSERT_EQ(lines.size(), 11);
  for (const QString& line : lines) EXPECT_TRUE(line.endsWith(u'\t')) << line.toStdString();
}

TEST_F(VersionInfo, FilesWithoutVersionInformationGiveNoLines) {
  PeRequest noTranslation;
  noTranslation.strings = kAllStrings;
  noTranslation.withTranslation = false;
  PeRequest noResources;
  noResources.withResources = false;
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"a text file", "Just some text.\nNothing more.\n"},
      {"an empty file", ""},
      {"a DOS program without a PE header", QByteArray("MZ") + QByteArray(200, '\x90')},
      {"a program without a resource directory", buildPe(noResources).bytes},
      {"a version block without a translation table", buildPe(noTranslation).bytes},
  };
  for (const auto& c : cases) EXPECT_TRUE(linesOf(c.bytes).isEmpty()) << c.what;
  EXPECT_TRUE(GetVer(tree.path(QStringLiteral("missing.exe")), true).isEmpty());
  EXPECT_TRUE(GetVer(tree.folder(QStringLiteral("folder.exe")), true).isEmpty());
}

TEST_F(VersionInfo, AFileCutShortAnywhereBeforeTheEndOfItsVersionBlockGivesNoLines) {
  PeRequest request;
  request.strings = kAllStrings;
  const QByteArray whole = buildPe(request).bytes;
  const QString path = write(whole);
  ASSERT_EQ(GetVer(path, true), kAllLinesWithTabs);
  QFile file(path);
  for (qint64 length = whole.size() - 1; length >= 0; --length) {
    ASSERT_TRUE(file.resize(length));
    ASSERT_TRUE(GetVer(path, true).isEmpty()) << "cut at " << length;
  }
}

TEST_F(VersionInfo, OffsetsAndLengthsPointingPastTheEndOrRoundTheTreeGiveNoLines) {
  PeRequest request;
  request.strings = kAllStrings;
  const PeImage good = buildPe(request);
  const qint64 end = good.bytes.size();
  const struct {
    const char* what;
    std::function<void(QByteArray&)> damage;
  } cases[] = {
      {"PE header past the end", [&](QByteArray& b) { putU32(b, good.peHeaderPointer, 0xFFFFFFF0u); }},
      {"PE header in the last bytes", [&](QByteArray& b) { putU32(b, good.peHeaderPointer, quint32(end - 2)); }},
      {"section data past the end", [&](QByteArray& b) { putU32(b, good.sectionRawOffset, quint32(end + 16)); }},
      {"section too short for its directory", [&](QByteArray& b) { putU32(b, good.sectionRawSize, 8); }},
      {"resource directory outside every section", [&](QByteArray& b) { putU32(b, good.resourceDirectoryRva, 0x9000); }},
      {"sixty-five thousand root entries", [&](QByteArray& b) { putU16(b, good.rootEntryCount, 0xFFFF); }},
      {"type directory past the end", [&](QByteArray& b) { putU32(b, good.rootEntryTarget, 0x8FFFFFFFu); }},
      {"version data past the end", [&](QByteArray& b) { putU32(b, good.dataEntryRva, 0x7FFFFFFFu); }},
      {"version data longer than the section", [&](QByteArray& b) { putU32(b, good.dataEntrySize, 0x10000); }},
      {"block longer than its data", [&](QByteArray& b) { putU16(b, good.versionBlock, 0xFFF0); }},
      {"block shorter than its header", [&](QByteArray& b) { putU16(b, good.versionBlock, 4); }},
      {"language entry loops to the root", [&](QByteArray& b) { putU32(b, good.languageEntryTarget, 0x80000000u); }},
      {"name entry loops to itself", [&](QByteArray& b) { putU32(b, good.namesEntryTarget, 0x80000018u); }},
      {"type entry loops to the root", [&](QByteArray& b) { putU32(b, good.rootEntryTarget, 0x80000000u); }},
      {"language entry names a directory", [&](QByteArray& b) { putU32(b, good.languageEntryTarget, 0x80000030u); }},
  };
  for (const auto& c : cases) {
    QByteArray bytes = good.bytes;
    c.damage(bytes);
    EXPECT_TRUE(linesOf(bytes).isEmpty()) << c.what;
  }
}

TEST_F(VersionInfo, AStringTableWithABrokenLengthStillEndsAndKeepsWhatCouldBeRead) {
  PeRequest request;
  request.strings = kAllStrings;
  const PeImage good = buildPe(request);
  // A zero length would make a careless reader stand still on the same node.
  for (const quint16 length : {quint16(0), quint16(2), quint16(0xFFFF)}) {
    QByteArray bytes = good.bytes;
    putU16(bytes, good.stringTableLength, length);
    const QStringList lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 11) << length;
    EXPECT_EQ(lines.first(), "Company: \t") << length;
  }
}

TEST_F(VersionInfo, AnyByteSetToAllOnesNeverCrashesOrReadsOutsideTheFile) {
  PeRequest request;
  request.strings = kAllStrings;
  const QByteArray good = buildPe(request).bytes;
  const QString path = write(good);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  for (qint64 at = 0; at < good.size(); ++at) {
    file.seek(at);
    file.putChar('\xFF');
    file.flush();
    const QStringList lines = GetVer(path, true);
    ASSERT_TRUE(lines.isEmpty() || lines.size() == 11) << at;
    file.seek(at);
    file.putChar(good[qsizetype(at)]);
  }
}

TEST(PagedFileTest, ReadsAcrossPagesAndStopsAtTheEnd) {
  testkit::TempTree tree;
  QByteArray bytes(qsizetype(PagedFile::kPageSize * 3 + 100), '\0');
  for (qsizetype i = 0; i < bytes.size(); ++i) bytes[i] = char(i * 7 % 251);
  PagedFile file;
  ASSERT_TRUE(file.open(tree.file(QStringLiteral("data.bin"), bytes)));
  EXPECT_EQ(file.size(), bytes.size());
  EXPECT_EQ(file.read(PagedFile::kPageSize - 10, 40), bytes.mid(PagedFile::kPageSize - 10, 40));
  EXPECT_EQ(file.read(bytes.size() - 5, 100), bytes.right(5));
  EXPECT_TRUE(file.read(bytes.size(), 10).isEmpty());
  EXPECT_TRUE(file.read(-1, 10).isEmpty());
  // More pages than the cache holds, visited twice in turn.
  for (int round = 0; round < 2; ++round) {
    for (qint64 at = 0; at < bytes.size(); at += 4093) ASSERT_EQ(file.byteAt(at), quint8(bytes[qsizetype(at)])) << at;
  }
  EXPECT_EQ(file.pageFrom(PagedFile::kPageSize * 3).size(), 100);
  EXPECT_FALSE(file.hadReadError());
}

TEST(PagedFileTest, RefusesAnythingButARegularFile) {
  testkit::TempTree tree;
  PagedFile file;
  EXPECT_FALSE(file.open(tree.folder(QStringLiteral("folder"))));
  EXPECT_FALSE(file.open(tree.path(QStringLiteral("missing"))));
  const QString target = tree.file(QStringLiteral("target.txt"), "x");
  ASSERT_TRUE(QFile::link(target, tree.path(QStringLiteral("link"))));
  EXPECT_FALSE(file.open(tree.path(QStringLiteral("link"))));
  ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(QStringLiteral("pipe"))).constData(), 0600), 0);
  EXPECT_FALSE(file.open(tree.path(QStringLiteral("pipe"))));
  EXPECT_TRUE(file.open(target));
  EXPECT_EQ(file.read(0, 10), "x");
}

}  // namespace
}  // namespace tessaly
