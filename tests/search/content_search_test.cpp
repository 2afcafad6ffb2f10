#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <functional>
#include <map>

#include "core/search/content_search.h"
#include "core/search/duplicate_search.h"
#include "support/access_rights.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

constexpr qint64 kMegabyte = 1024 * 1024;
constexpr qint64 kSparseSize = 3LL * 1024 * kMegabyte;

// Bytes that differ from block to block, so that equal files are equal by more than chance.
QByteArray patterned(qint64 size, int seed) {
  QByteArray bytes(size, Qt::Uninitialized);
  for (qint64 i = 0; i < size; ++i) bytes[i] = char((i * 31 + seed * 7 + i / 4099) % 251);
  return bytes;
}

QByteArray withByteAt(QByteArray bytes, qint64 offset, char value) {
  bytes[offset] = value;
  return bytes;
}

SearchSettings sameContents() {
  SearchSettings settings;
  settings.matchMode = MatchMode::SameContents;
  settings.limits = {SizeCondition::LargerOrEqual, 0, 0};
  return settings;
}

QList<WalkRoot> rootOf(const testkit::TempTree& tree) { return {WalkRoot{tree.root(), tree.root()}}; }

// The groups as paths below the tree, each group and the list of groups sorted.
QList<QStringList> groupsOf(const DuplicateSearch& search, const testkit::TempTree& tree) {
  const FileTable& table = search.table();
  const std::vector<quint32>& starts = search.groupStarts();
  QList<QStringList> groups;
  for (size_t g = 0; g < starts.size(); ++g) {
    const qsizetype end = g + 1 < starts.size() ? qsizetype(starts[g + 1]) : table.rowCount();
    QStringList group;
    for (qsizetype row = starts[g]; row < end; ++row) group.append(table.filePath(row).mid(tree.root().size() + 1));
    group.sort();
    groups.append(group);
  }
  std::sort(groups.begin(), groups.end());
  return groups;
}

QList<QStringList> searchGroups(const testkit::TempTree& tree, WalkPacer* pacer = nullptr) {
  DuplicateSearch search(sameContents());
  search.scan(rootOf(tree), pacer);
  return groupsOf(search, tree);
}

struct ContentCase {
  const char* name;
  std::map<QString, QByteArray> files;
  QList<QStringList> groups;
};

TEST(SameContents, OnlyFilesWithEqualBytesFormGroups) {
  const qint64 large = 3 * kMegabyte + 5;
  const QByteArray base = patterned(large, 1);
  const QByteArray smallBase = patterned(1000, 2);
  // Enough files of one small size to be hashed before they are compared.
  std::map<QString, QByteArray> manySmall;
  constexpr int kSmallFiles = 12;
  for (int i = 0; i < kSmallFiles; ++i) {
    const char differing = char(i < 2 ? 0 : std::min(i, kSmallFiles - 2));
    manySmall[QStringLiteral("m/%1").arg(i, 2, 10, QChar(u'0'))] = withByteAt(smallBase, 500, differing);
  }
  const ContentCase cases[] = {
      {"equal size, first and last blocks, a pair with different middles",
       {{"a/x.bin", base}, {"b/x.bin", withByteAt(base, large / 2, 'x')}},
       {}},
      {"three with different middles, two of them equal",
       {{"a/x.bin", base}, {"b/x.bin", withByteAt(base, large / 2, 'x')}, {"c/x.bin", base}},
       {{"a/x.bin", "c/x.bin"}}},
      {"three with three different middles",
       {{"a/x.bin", base}, {"b/x.bin", withByteAt(base, large / 2, 'x')}, {"c/x.bin", withByteAt(base, large / 3, 'y')}},
       {}},
      {"equal files in three folders", {{"a/x.bin", base}, {"b/y.bin", base}, {"c/z.dat", base}},
       {{"a/x.bin", "b/y.bin", "c/z.dat"}}},
      {"only the last byte differs", {{"a/x.bin", base}, {"b/x.bin", withByteAt(base, large - 1, 'q')}}, {}},
      {"small files, one block or less",
       {{"a/s.txt", smallBase}, {"b/s.txt", smallBase}, {"c/s.txt", withByteAt(smallBase, 0, 'z')}},
       {{"a/s.txt", "b/s.txt"}}},
      {"many small files of one size", manySmall, {{"m/00", "m/01"}, {"m/10", "m/11"}}},
      {"two groups of one size", {{"a/1", base}, {"b/1", base}, {"a/2", withByteAt(base, 7, 'k')}, {"b/2", withByteAt(base, 7, 'k')}},
       {{"a/1", "b/1"}, {"a/2", "b/2"}}},
      {"empty files are one group, never a group of files that hold bytes",
       {{"a/e1", {}}, {"b/e2", {}}, {"c/e3", {}}, {"c/full", smallBase}},
       {{"a/e1", "b/e2", "c/e3"}}},
  };
  for (const ContentCase& c : cases) {
    SCOPED_TRACE(c.name);
    testkit::TempTree tree;
    for (const auto& [path, bytes] : c.files) tree.file(path, bytes);
    EXPECT_EQ(searchGroups(tree), c.groups);
  }
}

TEST(SameContents, ManyEmptyFilesAreOneGroup) {
  testkit::TempTree tree;
  constexpr int kEmptyFiles = 500;
  QStringList expected;
  for (int i = 0; i < kEmptyFiles; ++i) expected.append(tree.file(QStringLiteral("e/%1").arg(i, 4, 10, QChar(u'0'))).mid(tree.root().size() + 1));
  expected.sort();
  EXPECT_EQ(searchGroups(tree), QList<QStringList>{expected});
}

TEST(SameContents, NeighbouringGroupsOfOneSizeGetDifferentShades) {
  testkit::TempTree tree;
  const QByteArray one = patterned(5000, 1);
  const QByteArray two = patterned(5000, 2);
  const QByteArray three = patterned(5000, 3);
  for (const char* folder : {"a", "b"}) {
    tree.file(QString::fromUtf8(folder) + QStringLiteral("/one"), one);
    tree.file(QString::fromUtf8(folder) + QStringLiteral("/two"), two);
    tree.file(QString::fromUtf8(folder) + QStringLiteral("/three"), three);
  }
  DuplicateSearch search(sameContents());
  search.scan(rootOf(tree));
  const FileTable& table = search.table();
  ASSERT_EQ(table.rowCount(), 6);
  ASSERT_EQ(search.groupStarts(), (std::vector<quint32>{0, 2, 4}));
  for (qsizetype row = 1; row < table.rowCount(); ++row) {
    const bool groupStarts = std::count(search.groupStarts().begin(), search.groupStarts().end(), quint32(row)) > 0;
    EXPECT_EQ(table.shaded(row) != table.shaded(row - 1), groupStarts) << "row " << row;
  }
}

TEST(SameContents, AHardLinkAndItsOriginalAreOneFile) {
  testkit::TempTree tree;
  const QString original = tree.file(QStringLiteral("a/data.bin"), patterned(20000, 4));
  tree.folder(QStringLiteral("b"));
  ASSERT_EQ(::link(QFile::encodeName(original).constData(), QFile::encodeName(tree.path(QStringLiteral("b/link.bin"))).constData()),
            0);
  EXPECT_TRUE(searchGroups(tree).isEmpty());

  tree.file(QStringLiteral("c/copy.bin"), patterned(20000, 4));
  const QList<QStringList> groups = searchGroups(tree);
  ASSERT_EQ(groups.size(), 1);
  EXPECT_EQ(groups.front().size(), 2);
  EXPECT_TRUE(groups.front().contains(QStringLiteral("c/copy.bin")));
}

TEST(SameContents, AnUnreadableFileLeavesItsSizeClassToTheOthersAndIsReportedOnce) {
  testkit::PermissionBitsApply permissions;
  testkit::TempTree tree;
  const QByteArray bytes = patterned(40000, 5);
  tree.file(QStringLiteral("a/pair.bin"), bytes);
  tree.file(QStringLiteral("b/pair.bin"), bytes);
  const QString locked = tree.file(QStringLiteral("c/locked.bin"), bytes);
  ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));

  DuplicateSearch search(sameContents());
  search.scan(rootOf(tree));
  EXPECT_EQ(groupsOf(search, tree), (QList<QStringList>{{"a/pair.bin", "b/pair.bin"}}));
  EXPECT_EQ(search.unreadableFiles(), QStringList{locked});
  EXPECT_EQ(search.statusText(), QStringLiteral("2 duplicates found, could not read ") + locked);
}

TEST(SameContents, ASparsePairOf3GBIsFoundAndADifferentByteInTheMiddleIsNot) {
  testkit::TempTree tree;
  tree.folder(QStringLiteral("a"));
  const auto makeSparse = [&](const QString& relative, char middleByte) {
    QFile file(tree.path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.write("start") == 5);
    ASSERT_TRUE(file.seek(kSparseSize / 2));
    ASSERT_TRUE(file.write(&middleByte, 1) == 1);
    ASSERT_TRUE(file.resize(kSparseSize));
  };
  makeSparse(QStringLiteral("a/one.img"), 'm');
  makeSparse(QStringLiteral("a/two.img"), 'm');
  makeSparse(QStringLiteral("a/three.img"), 'n');
  EXPECT_EQ(searchGroups(tree), (QList<QStringList>{{"a/one.img", "a/two.img"}}));
}

// Runs an action when the status line first shows a phase.
class ActionAtPhase final : public WalkPacer {
 public:
  ActionAtPhase(QString phase, std::function<void()> action) : phase_(std::move(phase)), action_(std::move(action)) {}
  void progress(const QString& text) override {
    if (done_ || !text.startsWith(phase_)) return;
    done_ = true;
    action_();
  }
  bool done() const { return done_; }

 private:
  QString phase_;
  std::function<void()> action_;
  bool done_ = false;
};

TEST(SameContents, AFileChangedBetweenPhasesIsLeftOutOfItsGroup) {
  const QByteArray bytes = patterned(3 * kMegabyte, 6);
  struct Change {
    const char* phase;
    std::function<void(const QString& path)> change;
  };
  const Change changes[] = {
      {"Comparing last blocks", [&](const QString& path) {
         QFile file(path);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         file.write(withByteAt(bytes, 1, 'c'));
       }},
      {"Comparing whole files", [&](const QString& path) { ASSERT_TRUE(QFile::remove(path)); }},
      {"Comparing byte by byte", [&](const QString& path) {
         QFile file(path);
         ASSERT_TRUE(file.open(QIODevice::Append));
         file.write("more");
       }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.phase);
    testkit::TempTree tree;
    for (const char* folder : {"a", "b", "c"}) tree.file(QString::fromUtf8(folder) + QStringLiteral("/f.bin"), bytes);
    const QString changed = tree.path(QStringLiteral("b/f.bin"));
    ActionAtPhase pacer(QString::fromUtf8(change.phase), [&] { change.change(changed); });
    DuplicateSearch search(sameContents());
    search.scan(rootOf(tree), &pacer);
    ASSERT_TRUE(pacer.done());
    EXPECT_EQ(groupsOf(search, tree), (QList<QStringList>{{"a/f.bin", "c/f.bin"}}));
    EXPECT_EQ(search.statusText(), QStringLiteral("2 duplicates found, 1 file changed while being compared"));
  }
}

// A window aborts through the search or through the walk it was given.
TEST(SameContents, AnAbortWhileReadingShowsNoUnprovenGroup) {
  testkit::TempTree tree;
  const QByteArray bytes = patterned(2 * kMegabyte, 7);
  for (const char* folder : {"a", "b", "c"}) tree.file(QString::fromUtf8(folder) + QStringLiteral("/f.bin"), bytes);
  for (bool throughWalk : {false, true}) {
    SCOPED_TRACE(throughWalk);
    DuplicateSearch search(sameContents());
    DirectoryWalk* walk = nullptr;
    ActionAtPhase pacer(QStringLiteral("Comparing whole files"), [&] { throughWalk ? walk->abort() : search.abort(); });
    search.scan(rootOf(tree), &pacer, [&](DirectoryWalk& started) { walk = &started; });
    EXPECT_TRUE(pacer.done());
    EXPECT_EQ(search.table().rowCount(), 0);
  }
}

// The phases as the status line gets them, and the bytes each of them reads.
class PhaseRecorder final : public ContentPacer {
 public:
  void progress(const ContentProgress& progress) override {
    if (phases.empty() || phases.back() != progress.phase) {
      phases.push_back(progress.phase);
      bytesPlanned.push_back(progress.bytesTotal);
    }
    bytesRead[progress.phase] = progress.bytesDone;
  }
  std::vector<ContentPhase> phases;
  std::vector<qint64> bytesPlanned;
  std::map<ContentPhase, qint64> bytesRead;
};

TEST(SameContents, PhasesComeInOrderAndNoByteIsReadMoreThanTwice) {
  const qint64 size = 3 * kMegabyte + 100;
  const QByteArray bytes = patterned(size, 8);
  for (int copies : {2, 3}) {
    SCOPED_TRACE(copies);
    testkit::TempTree tree;
    for (int i = 0; i < copies; ++i) tree.file(QStringLiteral("d%1/f.bin").arg(i), bytes);
    DuplicateSearch walked(sameContents());
    walked.scan(rootOf(tree));
    PhaseRecorder recorder;
    ContentSearch search(&recorder);
    const ContentGroups found = search.run(walked.collection());
    ASSERT_EQ(found.groups.size(), 1u);
    EXPECT_EQ(found.groups.front().size(), size_t(copies));
    EXPECT_EQ(recorder.phases, (std::vector<ContentPhase>{ContentPhase::Sizes, ContentPhase::FirstBlocks,
                                                          ContentPhase::LastBlocks, ContentPhase::WholeFiles,
                                                          ContentPhase::Bytes}));
    qint64 read = 0;
    for (const auto& [phase, done] : recorder.bytesRead) {
      if (phase != ContentPhase::Sizes) read += done;
    }
    EXPECT_LE(read, 2 * size * copies);
    EXPECT_EQ(recorder.bytesRead[ContentPhase::Bytes], size * copies);
  }
}

TEST(SameContents, ThePhaseTextTellsFilesAndBytes) {
  EXPECT_EQ(contentProgressText({ContentPhase::FirstBlocks, 1200, 5000, 4915200, 20480000}),
            QStringLiteral("Comparing first blocks: 1,200 of 5,000 files, 4,915,200 of 20,480,000 bytes"));
}

}  // namespace
}  // namespace tessaly
