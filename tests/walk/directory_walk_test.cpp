#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include "core/walk/directory_walk.h"
#include "support/access_rights.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "support/test_mounts.h"
#include "platform/directory_reader.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

using testkit::TempTree;

// Writes down what the walk hands over, as "enter p", "file p/name", "scan p", "leave p".
class RecordingVisitor : public WalkVisitor {
 public:
  QStringList events;
  QStringList found;  // paths of every entry handed over
  QList<WalkEntry> entries;
  std::function<void()> afterEntry;

  void folderEntered(const QString& path, int) override { events << QStringLiteral("enter ") + path; }
  void fileScanBegins(const QString& path, int) override { events << QStringLiteral("scan ") + path; }
  void entryFound(const QString& folder, const WalkEntry& entry) override {
    const QString path = folder + u'/' + entry.name;
    events << QStringLiteral("file ") + path;
    found << path;
    entries << entry;
    if (afterEntry) afterEntry();
  }
  void folderLeft(const QString& path, int) override { events << QStringLiteral("leave ") + path; }

  QStringList relativeFound(const QString& root) const {
    QStringList names;
    for (const QString& path : found) names << path.mid(root.size() + 1);
    names.sort();
    return names;
  }
  const WalkEntry* entryNamed(const QString& name) const {
    for (const WalkEntry& entry : entries)
      if (entry.name == name) return &entry;
    return nullptr;
  }
};

QStringList walkNames(const QString& root, quint8 mask, const QString& pattern = QStringLiteral("*.*")) {
  RecordingVisitor visitor;
  WalkRequest request;
  request.fileMask = mask;
  request.pattern = pattern;
  DirectoryWalk walk(request, visitor);
  EXPECT_TRUE(walk.walk(root));
  return visitor.relativeFound(root);
}

TEST(AttributeMask, LeavesOutEveryHiddenSystemOrFolderBitTheMaskLacks) {
  struct Case {
    quint8 attributes;
    quint8 mask;
    bool passes;
  };
  const Case cases[] = {
      {0, kFilesByDateMask, true},
      {ReadOnlyAttribute | ArchiveAttribute, kFilesByDateMask, true},
      {HiddenAttribute, kAllEntriesMask, true},
      {HiddenAttribute, kQuickCleanMask, true},
      {HiddenAttribute, kDuplicatesMask, false},
      {HiddenAttribute, kFilesByDateMask, false},
      {SystemAttribute, kAllEntriesMask, true},
      {SystemAttribute, kQuickCleanMask, false},
      {DirectoryAttribute, kSubFolderMask, true},
      {DirectoryAttribute, kQuickCleanMask, false},
      {DirectoryAttribute | HiddenAttribute, kSubFolderMask, false},
      {DirectoryAttribute | HiddenAttribute, kAllEntriesMask, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(passesMask(c.attributes, c.mask), c.passes) << int(c.attributes) << " with mask " << int(c.mask);
}

TEST(FilePattern, MatchesWildcardsWithoutRegardToCase) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"README", "*.*", true},        {"a.txt", "*.*", true},       {"Report.DOC", "*.doc", true},
      {"report.docx", "*.doc", false}, {"report.doc", "r?port.*", true}, {"readme", "readme.*", true},
      {"notes.txt", "*.t?t", true},   {"notes.tx", "*.t?t", false}, {"ab", "a*b*", true},
      {"x.tmp", "~*.tmp", false},     {"~x.TMP", "~*.tmp", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(matchesPattern(QString::fromUtf8(c.name), QString::fromUtf8(c.pattern)), c.matches) << c.name << " " << c.pattern;
}

TEST(DirectoryWalk, NeverEntersAHiddenFolderAndCountsHiddenFilesOnlyWhereTheMaskSaysSo) {
  TempTree tree;
  tree.file(QStringLiteral("plain.txt"), "x");
  tree.file(QStringLiteral(".hidden.txt"), "x");
  tree.file(QStringLiteral(".secret/inside.txt"), "x");
  tree.file(QStringLiteral("sub/deeper.txt"), "x");

  const QStringList all = walkNames(tree.root(), kAllEntriesMask);
  EXPECT_EQ(all, (QStringList{QStringLiteral(".hidden.txt"), QStringLiteral(".secret"), QStringLiteral("plain.txt"),
                              QStringLiteral("sub"), QStringLiteral("sub/deeper.txt")}));
  EXPECT_TRUE(walkNames(tree.root(), kQuickCleanMask).contains(QStringLiteral(".hidden.txt")));
  for (quint8 mask : {kDuplicatesMask, kFilesByDateMask}) {
    EXPECT_EQ(walkNames(tree.root(), mask), (QStringList{QStringLiteral("plain.txt"), QStringLiteral("sub/deeper.txt")}))
        << int(mask);
  }
}

TEST(DirectoryWalk, WalksSubFoldersBeforeTheFolderOwnFilesAndFoldersOnlyWithTheirBit) {
  TempTree tree;
  tree.file(QStringLiteral("a.txt"), "1");
  tree.file(QStringLiteral("sub/b.txt"), "22");
  RecordingVisitor visitor;
  DirectoryWalk walk(WalkRequest{}, visitor);
  ASSERT_TRUE(walk.walk(tree.root()));
  const QString r = tree.root();
  EXPECT_EQ(visitor.events, (QStringList{QStringLiteral("enter ") + r, QStringLiteral("enter ") + r + "/sub",
                                         QStringLiteral("scan ") + r + "/sub", QStringLiteral("file ") + r + "/sub/b.txt",
                                         QStringLiteral("leave ") + r + "/sub", QStringLiteral("scan ") + r,
                                         QStringLiteral("file ") + r + "/a.txt", QStringLiteral("leave ") + r}));
}

TEST(DirectoryWalk, HandsOverSizesAttributesAndStampsOfEachEntry) {
  TempTree tree;
  tree.file(QStringLiteral("data.bin"), 1234, 'x');
  const QString readOnly = tree.file(QStringLiteral("locked.txt"), "abc");
  QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  tree.setTimes(QStringLiteral("data.bin"), 1000000000, 1100000000);
  QFile big(tree.path(QStringLiteral("big.iso")));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(qint64(5) << 30));  // sparse: a 5 GB size without the disk space
  big.close();
  tree.folder(QStringLiteral("sub"));

  RecordingVisitor visitor;
  WalkRequest request;
  request.fileMask = kAllEntriesMask;
  DirectoryWalk walk(request, visitor);
  ASSERT_TRUE(walk.walk(tree.root() + QStringLiteral("/")));

  const WalkEntry* data = visitor.entryNamed(QStringLiteral("data.bin"));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->size, 1234);
  EXPECT_EQ(data->attributes, 0);
  EXPECT_EQ(data->accessStamp, dosStampFromEpoch(1000000000));
  EXPECT_EQ(data->writeStamp, dosStampFromEpoch(1100000000));
  EXPECT_NE(data->inode, 0u);
  EXPECT_EQ(visitor.entryNamed(QStringLiteral("big.iso"))->size, qint64(5) << 30);
  EXPECT_EQ(visitor.entryNamed(QStringLiteral("locked.txt"))->attributes, ReadOnlyAttribute);
  EXPECT_TRUE(visitor.entryNamed(QStringLiteral("sub"))->isFolder());
  // The trailing slash of the root is not doubled in the paths handed over.
  EXPECT_TRUE(visitor.found.contains(tree.root() + QStringLiteral("/data.bin")));
}

TEST(DirectoryWalk, NeverFollowsALinkNeitherInALoopNorOutOfTheTree) {
  TempTree outside;
  outside.file(QStringLiteral("elsewhere.txt"), "x");
  TempTree tree;
  tree.file(QStringLiteral("loop/file.txt"), "x");
  ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("loop")), tree.path(QStringLiteral("loop/back"))));
  ASSERT_TRUE(QFile::link(outside.root(), tree.path(QStringLiteral("out"))));

  // The links are system entries: handed over as themselves with mask 63, never entered.
  RecordingVisitor visitor;
  WalkRequest request;
  request.fileMask = kAllEntriesMask;
  DirectoryWalk walk(request, visitor);
  ASSERT_TRUE(walk.walk(tree.root()));
  EXPECT_EQ(visitor.relativeFound(tree.root()),
            (QStringList{QStringLiteral("loop"), QStringLiteral("loop/back"), QStringLiteral("loop/file.txt"), QStringLiteral("out")}));
  EXPECT_EQ(visitor.entryNamed(QStringLiteral("out"))->attributes & (SystemAttribute | DirectoryAttribute), SystemAttribute);
  EXPECT_EQ(visitor.events.filter(QStringLiteral("enter ")).size(), 2);
  EXPECT_EQ(walkNames(tree.root(), kDuplicatesMask), QStringList{QStringLiteral("loop/file.txt")});
}

// A bind mount of a folder onto a folder of the same tree, in a mount namespace of this
// thread's own, so no other process sees it; unmounted before the tree is removed.
class BindMount {
 public:
  BindMount(const QString& source, const QString& target) : target_(QFile::encodeName(target)) {
    mounted_ = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               mount(QFile::encodeName(source).constData(), target_.constData(), nullptr, MS_BIND, nullptr) == 0;
  }
  ~BindMount() {
    if (mounted_) umount2(target_.constData(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }

 private:
  QByteArray target_;
  bool mounted_ = false;
};

TEST(DirectoryWalk, NeverEntersABindMountThoughItSharesTheDeviceOfTheTree) {
  TempTree tree;
  tree.file(QStringLiteral("a/file.txt"), "x");
  tree.folder(QStringLiteral("a/view"));
  const BindMount bind(tree.root(), tree.path(QStringLiteral("a/view")));
  if (!bind.mounted()) GTEST_SKIP() << "no right to mount here";
  ASSERT_TRUE(QFile::exists(tree.path(QStringLiteral("a/view/a/file.txt"))));
  EXPECT_EQ(walkNames(tree.root(), kDuplicatesMask), QStringList{QStringLiteral("a/file.txt")});
}

TEST(DirectoryWalk, SkipsAFolderItCannotEnterAndWalksItsSiblings) {
  TempTree tree;
  tree.file(QStringLiteral("closed/inside.txt"), "x");
  tree.file(QStringLiteral("open/visible.txt"), "x");
  ASSERT_TRUE(QFile::setPermissions(tree.path(QStringLiteral("closed")), QFileDevice::Permissions()));
  testkit::ScriptedDialogs dialogs;
  QStringList names;
  {
    const testkit::PermissionBitsApply asAnOrdinaryUser;
    ASSERT_TRUE(QDir(tree.path(QStringLiteral("closed"))).entryList(QDir::Files).isEmpty());
    names = walkNames(tree.root(), kDuplicatesMask);
  }
  QFile::setPermissions(tree.path(QStringLiteral("closed")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(names, QStringList{QStringLiteral("open/visible.txt")});
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST(DirectoryWalk, RefusesARootOnAPseudoFileSystem) {
  RecordingVisitor visitor;
  DirectoryWalk walk(WalkRequest{}, visitor);
  EXPECT_FALSE(walk.walk(QStringLiteral("/proc")));
  EXPECT_TRUE(visitor.events.isEmpty());
}

TEST(DirectoryWalk, AbortUnwindsEveryOpenLevelAtOnceAndKeepsWhatWasFound) {
  TempTree tree;
  tree.file(QStringLiteral("a/b/c/one.txt"), "x");
  tree.file(QStringLiteral("a/b/c/two.txt"), "x");
  tree.file(QStringLiteral("a/b/later.txt"), "x");
  tree.file(QStringLiteral("z/other.txt"), "x");
  tree.file(QStringLiteral("top.txt"), "x");
  RecordingVisitor visitor;
  DirectoryWalk walk(WalkRequest{}, visitor);
  visitor.afterEntry = [&walk] { walk.abort(); };
  ASSERT_TRUE(walk.walk(tree.root()));

  EXPECT_TRUE(walk.aborted());
  ASSERT_EQ(visitor.found.size(), 1);  // the first file found, nothing after the abort
  const QStringList leaves = visitor.events.filter(QStringLiteral("leave "));
  EXPECT_EQ(leaves.size(), visitor.events.filter(QStringLiteral("enter ")).size());
  EXPECT_TRUE(visitor.events.last() == QStringLiteral("leave ") + tree.root());
  // Nothing is entered or scanned once the flag is up.
  const qsizetype abortedAt = visitor.events.indexOf(QStringLiteral("file ") + visitor.found.first());
  for (qsizetype i = abortedAt + 1; i < visitor.events.size(); ++i)
    EXPECT_TRUE(visitor.events[i].startsWith(QStringLiteral("leave "))) << visitor.events[i].toStdString();
}

// Progress once per folder (and again when a folder's files follow its sub-folders),
// a pump after each entry.
class CountingPacer : public WalkPacer {
 public:
  QStringList progressTexts;
  int pumps = 0;
  void progress(const QString& folder) override { progressTexts << folder; }
  void pump() override { ++pumps; }
};

TEST(DirectoryWalk, ShowsEachFolderAsProgressAndPumpsAfterEveryEntry) {
  TempTree tree;
  tree.file(QStringLiteral("sub/one.txt"), "x");
  tree.file(QStringLiteral("sub/two.txt"), "x");
  tree.file(QStringLiteral("three.txt"), "x");
  RecordingVisitor visitor;
  CountingPacer pacer;
  DirectoryWalk walk(WalkRequest{}, visitor, &pacer);
  ASSERT_TRUE(walk.walk(tree.root()));
  EXPECT_EQ(pacer.progressTexts, (QStringList{tree.root(), tree.path(QStringLiteral("sub")), tree.root()}));
  EXPECT_GE(pacer.pumps, 3);
}

TEST(DirectoryWalk, WalksRootsInOrderSkippingNotReadyDrivesSilentlyAndReportingMissingFolders) {
  TempTree ready;
  ready.file(QStringLiteral("r.txt"), "x");
  TempTree notReady;
  notReady.file(QStringLiteral("n.txt"), "x");
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), platform::DriveKind::Fixed);
  drives.add(notReady.root(), platform::DriveKind::Removable);
  drives.setReady(notReady.root(), false);
  testkit::ScriptedDialogs dialogs;

  const QString missing = ready.path(QStringLiteral("gone"));
  RecordingVisitor visitor;
  QStringList perRoot;
  DirectoryWalk walk(WalkRequest{}, visitor);
  walk.walkRoots({{notReady.root(), notReady.root() + u' '}, {missing, missing}, {ready.root(), ready.root() + u' '}},
                 [&perRoot](const WalkRoot& root) { perRoot << root.path; });

  EXPECT_EQ(perRoot, QStringList{ready.root()});
  EXPECT_EQ(visitor.found, QStringList{ready.path(QStringLiteral("r.txt"))});
  ASSERT_EQ(dialogs.shown().size(), 1);
  EXPECT_EQ(dialogs.shown().first().style, MessageStyle::Error);
  EXPECT_EQ(dialogs.shown().first().text, QStringLiteral("Can't open drive ") + missing);
  EXPECT_TRUE(dialogs.shown().first().quiet);  // an error box without the error sound
}

TEST(DirectoryWalk, AfterAnAbortTheLaterRootsAreNeitherOpenedNorReported) {
  TempTree first, later;
  first.file(QStringLiteral("a.txt"), "x");
  later.file(QStringLiteral("b.txt"), "x");
  const QString missing = later.path(QStringLiteral("gone"));
  testkit::ScriptedDialogs dialogs;
  RecordingVisitor visitor;
  QStringList perRoot;
  DirectoryWalk walk(WalkRequest{}, visitor);
  visitor.afterEntry = [&walk] { walk.abort(); };
  walk.walkRoots({{first.root(), first.root()}, {missing, missing}, {later.root(), later.root()}},
                 [&perRoot](const WalkRoot& root) { perRoot << root.path; });
  EXPECT_EQ(perRoot, QStringList{first.root()});
  EXPECT_EQ(visitor.events.filter(QStringLiteral("enter ")), QStringList{QStringLiteral("enter ") + first.root()});
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST(DriveBoundary, TheMountTellsAnotherDriveAndTheDeviceOnlyWithoutMountIds) {
  const auto onDrive = [](quint64 device, quint64 mountId) {
    platform::EntryStatus status;
    status.device = device;
    status.mountId = mountId;
    return status;
  };
  struct Case {
    const char* what;
    platform::EntryStatus entry;
    bool another;
  } cases[] = {
      {"same device, same mount", onDrive(1, 10), false},
      {"btrfs sub-volume: another device, same mount", onDrive(2, 10), false},
      {"bind mount: same device, another mount", onDrive(1, 11), true},
      {"another file system", onDrive(2, 11), true},
      {"no mount id: another device", onDrive(2, 0), true},
      {"no mount id: same device", onDrive(1, 0), false},
  };
  const platform::EntryStatus root = onDrive(1, 10);
  for (const Case& c : cases) EXPECT_EQ(platform::isOtherMount(c.entry, root), c.another) << c.what;
  EXPECT_TRUE(platform::isOtherMount(onDrive(2, 10), onDrive(1, 0)));
}

TEST(DirectoryWalk, WalksABtrfsSubVolumeThatIsNotMountedOnItsOwn) {
  TempTree tree;
  const QString mountPoint = tree.folder(QStringLiteral("volume"));
  const testkit::TestMount volume =
      testkit::TestMount::btrfsWithSubVolume(tree.path(QStringLiteral("btrfs.img")), mountPoint);
  if (!volume.mounted()) GTEST_SKIP() << volume.skipReason().toStdString();
  tree.file(QStringLiteral("volume/top.txt"), "x");
  tree.file(QStringLiteral("volume/sub/inner/deep.txt"), "x");
  const QString nested = tree.folder(QStringLiteral("volume/nested"));
  const testkit::TestMount other = testkit::TestMount::tmpfs(nested, 1 << 20);
  ASSERT_TRUE(other.mounted()) << other.skipReason().toStdString();
  tree.file(QStringLiteral("volume/nested/elsewhere.txt"), "x");
  EXPECT_EQ(walkNames(mountPoint, kDuplicatesMask),
            (QStringList{QStringLiteral("sub/inner/deep.txt"), QStringLiteral("top.txt")}));
}

TEST(DirectoryWalk, ANameThatIsNotUtf8IsHandedOverWithItsOwnBytes) {
  TempTree tree;
  const QString latin = platform::decodePath(QByteArray("caf\xE9"));
  const QString marked = QString::fromUtf8("caf\xEF\xBF\xBD");
  tree.file(QStringLiteral("d/") + latin + QStringLiteral("/") + latin + QStringLiteral(".txt"), "latin");
  tree.file(QStringLiteral("d/") + marked + QStringLiteral(".txt"), "marked");
  RecordingVisitor visitor;
  DirectoryWalk walk(WalkRequest{}, visitor);
  ASSERT_TRUE(walk.walk(tree.root()));
  QStringList found = visitor.found;
  found.sort();
  const QStringList expected{tree.path(QStringLiteral("d/") + latin + u'/' + latin + QStringLiteral(".txt")),
                             tree.path(QStringLiteral("d/") + marked + QStringLiteral(".txt"))};
  ASSERT_EQ(found, expected);
  // Each path reaches its own file again.
  platform::EntryStatus status;
  ASSERT_TRUE(platform::pathStatus(found[0], &status));
  EXPECT_EQ(status.size, 5);
  ASSERT_TRUE(platform::pathStatus(found[1], &status));
  EXPECT_EQ(status.size, 6);
}

TEST(DirectoryWalk, GivesARootWhoseListingIsEmptyNoFileScanWhenAsked) {
  TempTree tree;
  tree.file(QStringLiteral(".only-hidden"), "x");
  RecordingVisitor visitor;
  WalkRequest request;
  request.fileMask = kAllEntriesMask;
  request.skipFilesWhenListingIsEmpty = true;
  DirectoryWalk walk(request, visitor);
  ASSERT_TRUE(walk.walk(tree.root()));
  EXPECT_EQ(visitor.events, (QStringList{QStringLiteral("enter ") + tree.root(), QStringLiteral("leave ") + tree.root()}));

  tree.file(QStringLiteral("plain.txt"), "x");  // a root holding only files is scanned
  RecordingVisitor second;
  DirectoryWalk again(request, second);
  ASSERT_TRUE(again.walk(tree.root()));
  EXPECT_EQ(second.found.size(), 2);
}

// Lowers the open-file limit for one test and puts it back.
class LoweredFileLimit {
 public:
  explicit LoweredFileLimit(rlim_t soft) {
    getrlimit(RLIMIT_NOFILE, &saved_);
    rlimit lowered = saved_;
    lowered.rlim_cur = soft;
    setrlimit(RLIMIT_NOFILE, &lowered);
  }
  ~LoweredFileLimit() { setrlimit(RLIMIT_NOFILE, &saved_); }

 private:
  rlimit saved_{};
};

TEST(DirectoryWalk, WalksATreeDeeperThanTheOpenFileLimit) {
  TempTree tree;
  constexpr int kDepth = 600;
  QString relative;
  for (int level = 0; level < kDepth; ++level) {
    relative += QStringLiteral("d/");
    tree.file(relative + QStringLiteral("f"), "x");  // each level has a file scanned after its sub-folder
  }
  tree.file(QStringLiteral("d/sibling/s"), "x");  // walked after the deep chain has returned

  LoweredFileLimit limit(48);
  RecordingVisitor visitor;
  WalkRequest request;
  request.fileMask = kAllEntriesMask;
  DirectoryWalk walk(request, visitor);
  ASSERT_TRUE(walk.walk(tree.root()));
  EXPECT_EQ(visitor.events.filter(QStringLiteral("enter ")).size(), kDepth + 2);
  int files = 0;
  for (const WalkEntry& entry : visitor.entries) files += entry.isFolder() ? 0 : 1;
  EXPECT_EQ(files, kDepth + 1);
  EXPECT_TRUE(visitor.found.contains(tree.path(QStringLiteral("d/sibling/s"))));
}

}  // namespace
}  // namespace tessaly
