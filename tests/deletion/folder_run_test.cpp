#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "archive/zip_test_helpers.h"
#include "core/archive/archive_naming.h"
#include "core/archive/zip_reader.h"
#include "core/common/removal_totals.h"
#include "core/deletion/folder_run.h"
#include "deletion/fake_protection_check.h"
#include "deletion/folder_run_fakes.h"
#include "deletion/removal_fakes.h"
#include "support/access_rights.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "support/test_mounts.h"
#include "platform/directory_reader.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

using testkit::FakeProtectionCheck;
using testkit::FillingTrash;
using testkit::FolderRunRecorder;
using testkit::ScriptedDialogs;
using testkit::TempTree;
using testkit::TempXdg;

const QDateTime kRunTime(QDate(1998, 12, 25), QTime(17, 2));
const QString kQuestionEnd = QStringLiteral("Delete this file and continue deleting the remaining files? ");

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool exists(const QString& path) { return QFileInfo(path).exists() || QFileInfo(path).isSymLink(); }

// Also for names that are not UTF-8, which Qt's own look cannot reach.
bool pathExists(const QString& path) {
  platform::EntryStatus status;
  return platform::pathStatus(path, &status);
}

QStringList entriesOf(const QString& archivePath) {
  ZipReader reader;
  QStringList entries = reader.open(archivePath, nullptr) ? reader.entries() : QStringList{"<unreadable>"};
  entries.sort();
  return entries;
}

class FolderRunTest : public ::testing::Test {
 protected:
  TempXdg xdg;  // a fresh hive (the totals start unrecorded) and a fresh trash
  TempTree tree;
  ScriptedDialogs dialogs;
  FakeProtectionCheck check;
  HarborLists lists;
  platform::Trash* trash = &platform::desktopTrash();
  QString archives = tree.folder("archives");
  BatchLimits batch;

  FolderRunReport run(const QString& relative, FolderRunKind kind, FolderRunRecorder& recorder, bool deleteAfterZip = true) {
    FolderRunRequest request{tree.path(relative), kind, deleteAfterZip, {archives, kFolderArchiveTag, {}, kRunTime, batch}};
    FolderRunServices services{&check, lists, trash};
    return runFolderDeletion(request, services, recorder);
  }
  FolderRunReport run(const QString& relative, FolderRunKind kind, bool deleteAfterZip = true) {
    FolderRunRecorder recorder;
    return run(relative, kind, recorder, deleteAfterZip);
  }
  QString archivePath() const { return archives + QStringLiteral("/Drive-root-FolderClean25Dec981702.zip"); }
  QString trashed(const QString& name) const { return xdg.dataHome() + QStringLiteral("/Trash/files/") + name; }
};

// --- The three runs over a small tree ---

struct KindCase {
  const char* name;
  FolderRunKind kind;
  bool deleteAfterZip;
};

const KindCase kAllRuns[] = {
    {"Delete", FolderRunKind::Delete, true},
    {"Trash", FolderRunKind::Trash, true},
    {"ZipAndDelete", FolderRunKind::Zip, true},
    {"ZipOnly", FolderRunKind::Zip, false},
};

class EachRun : public FolderRunTest, public ::testing::WithParamInterface<KindCase> {
 protected:
  FolderRunKind kind() const { return GetParam().kind; }
  bool removes() const { return GetParam().kind != FolderRunKind::Zip || GetParam().deleteAfterZip; }
  FolderRunReport runParam(const QString& relative, FolderRunRecorder& recorder) {
    return run(relative, kind(), recorder, GetParam().deleteAfterZip);
  }
  FolderRunReport runParam(const QString& relative) {
    FolderRunRecorder recorder;
    return runParam(relative, recorder);
  }
  // Files, bytes of the totals the run writes to.
  std::pair<qint64, qint64> totals() const {
    const RemovalTotals t = readRemovalTotals();
    switch (kind()) {
      case FolderRunKind::Delete: return {t.deletedFiles, t.deletedBytes};
      case FolderRunKind::Trash: return {t.trashedFiles, t.trashedBytes};
      case FolderRunKind::Zip: break;
    }
    return {t.archivedFiles, t.archivedBytes};
  }
};

std::string caseName(const ::testing::TestParamInfo<KindCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(FolderRuns, EachRun, ::testing::ValuesIn(kAllRuns), caseName);

TEST_P(EachRun, AnEmptyFolderGoesWithoutAMessageAndNoTotalChanges) {
  tree.folder("empty");
  const FolderRunReport report = runParam("empty");
  EXPECT_EQ(exists(tree.path("empty")), !removes());
  EXPECT_EQ(report.folderRemoved, removes());
  EXPECT_EQ(folderRunReportText(report), QString());
  EXPECT_TRUE(dialogs.shown().isEmpty());
  EXPECT_EQ(totals(), std::make_pair(qint64(-1), qint64(-1)));
  EXPECT_TRUE(report.complete());
}

TEST_P(EachRun, ThreeFilesAndAnEmptySubFolderAreCountedAndTotalled) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) tree.file(QStringLiteral("d/") + QLatin1String(name), 100, *name);
  tree.folder("d/sub");
  FolderRunRecorder recorder;
  const FolderRunReport report = runParam("d", recorder);

  const QString summary = kind() == FolderRunKind::Zip ? "Zipped up 3 files\nStored in the archive \"" + archivePath() + '"'
                                                       : QStringLiteral("Deleted 3 files for a savings of 300 bytes.");
  EXPECT_EQ(folderRunReportText(report), summary);
  EXPECT_EQ(recorder.counts, (QList<qint64>{1, 2, 3}));
  EXPECT_EQ(report.removedFiles, 3);
  EXPECT_EQ(report.removedBytes, 300);
  EXPECT_TRUE(report.complete());
  EXPECT_EQ(totals(), std::make_pair(qint64(3), qint64(300)));
  EXPECT_EQ(exists(tree.path("d")), !removes());
  EXPECT_EQ(exists(tree.path("d/sub")), !removes());
  EXPECT_EQ(exists(tree.path("d/b.txt")), !removes());
  EXPECT_TRUE(dialogs.shown().isEmpty());
  if (kind() == FolderRunKind::Trash) {
    EXPECT_EQ(contentsOf(trashed("b.txt")), QByteArray(100, 'b'));
  }
  if (kind() == FolderRunKind::Zip) {
    const QString base = archiveEntryName(tree.path("d/"));
    EXPECT_EQ(entriesOf(archivePath()), (QStringList{base + "a.txt", base + "b.txt", base + "c.txt"}));
  }
}

TEST_P(EachRun, ALinkInsideIsNeverFollowedAndItsTargetStaysUntouched) {
  const QString target = tree.file("outside/keep.txt", "precious");
  tree.file("outside/dir/inner.txt", "also precious");
  tree.file("d/plain.txt", "plain");
  ASSERT_TRUE(QFile::link(target, tree.path("d/file-link")));
  ASSERT_TRUE(QFile::link(tree.path("outside/dir"), tree.path("d/dir-link")));
  // Deleting and trashing ask about each link, a system file on this host; a zip run leaves them.
  const bool asks = kind() != FolderRunKind::Zip;
  if (asks) {
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Yes);
  }
  const FolderRunReport report = runParam("d");

  EXPECT_EQ(contentsOf(target), "precious");
  EXPECT_EQ(contentsOf(tree.path("outside/dir/inner.txt")), "also precious");
  const QStringList questions = dialogs.texts(MessageStyle::Question);
  if (asks) {
    EXPECT_EQ(questions.size(), 2);
    for (const QString& question : questions) EXPECT_TRUE(question.contains(" is a system file, ")) << question.toStdString();
    EXPECT_FALSE(exists(tree.path("d/file-link")));
    EXPECT_FALSE(exists(tree.path("d/dir-link")));
    EXPECT_FALSE(exists(tree.path("d")));
  } else {
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(report.notArchived, 2);
    EXPECT_TRUE(QFileInfo(tree.path("d/dir-link")).isSymLink());
    EXPECT_TRUE(folderRunReportText(report).contains("2 links or special files cannot be stored in an archive"));
    EXPECT_EQ(entriesOf(archivePath()), QStringList{archiveEntryName(tree.path("d/plain.txt"))});
  }
}

TEST_P(EachRun, CancelStopsAtTheNextEntryAndOnlyWhatWentIsCounted) {
  for (int i = 0; i < 5; ++i) tree.file(QStringLiteral("d/f%1.txt").arg(i), 100, 'x');
  FolderRunRecorder recorder(2);
  const FolderRunReport report = runParam("d", recorder);

  EXPECT_TRUE(report.aborted);
  EXPECT_FALSE(report.complete());
  EXPECT_EQ(recorder.reached.size(), 2);
  EXPECT_TRUE(exists(tree.path("d")));
  const qint64 stayed = QDir(tree.path("d")).entryList(QDir::Files).size();
  const QString text = folderRunReportText(report);
  EXPECT_EQ(report.failed, 0);
  if (kind() == FolderRunKind::Zip) {
    // The two files waiting for the archive were never saved: they stay, and nothing is counted.
    EXPECT_EQ(report.removedFiles, 0);
    EXPECT_EQ(stayed, 5);
    EXPECT_TRUE(text.startsWith("Zipped up 0 files (Note: Zip operation canceled ... not all files zipped)"));
  } else {
    EXPECT_EQ(report.removedFiles, 2);
    EXPECT_EQ(stayed, 3);
    EXPECT_EQ(totals(), std::make_pair(qint64(2), qint64(200)));
    EXPECT_TRUE(text.startsWith("Deleted 2 files for a savings of 200 bytes. (Note: Deletion operation canceled ... not all files deleted)"));
  }
}

TEST_P(EachRun, WhatTheSafeHarborProtectsInsideTheFolderStaysInPlace) {
  const QString keep = tree.path("d/keep/");
  lists.savedEntries = {keep, tree.path("d/tree/") + QStringLiteral("*.*")};
  lists.protectedTypes = {QStringLiteral("*.ko")};
  tree.file("d/keep/x.txt", "kept: the entry names its folder");
  tree.file("d/keep/deeper/y.txt", "goes: the entry does not cover sub-folders");
  tree.file("d/tree/a/b.txt", "kept: the entry covers every sub-folder");
  tree.file("d/module.KO", "kept: a protected type");
  tree.file("d/other.txt", "goes");
  dialogs.answer(Answer::Yes);
  const FolderRunReport report = runParam("d");

  ASSERT_EQ(dialogs.texts(MessageStyle::Warning).size(), 1);
  const QString warning = dialogs.texts(MessageStyle::Warning).first();
  EXPECT_TRUE(warning.contains(keep + " (" + exceptionReasonText(InstalledSoftwareReason) + ")")) << warning.toStdString();
  EXPECT_TRUE(warning.contains(tree.path("d/tree/*.*"))) << warning.toStdString();
  EXPECT_TRUE(warning.endsWith("Really delete?"));
  for (const char* kept : {"d/keep/x.txt", "d/tree/a/b.txt", "d/module.KO"}) EXPECT_TRUE(exists(tree.path(kept))) << kept;
  EXPECT_EQ(report.kept, 3);
  EXPECT_TRUE(folderRunReportText(report).contains("3 files on the Safe Harbor List were kept in place."));
  EXPECT_EQ(report.removedFiles, 2);
  EXPECT_TRUE(report.complete());
  EXPECT_EQ(exists(tree.path("d/other.txt")), !removes());
  EXPECT_EQ(exists(tree.path("d/keep/deeper")), !removes());
  EXPECT_TRUE(exists(tree.path("d/keep")));
  if (kind() == FolderRunKind::Zip) {
    EXPECT_EQ(entriesOf(archivePath()),
              (QStringList{archiveEntryName(tree.path("d/keep/deeper/y.txt")), archiveEntryName(tree.path("d/other.txt"))}));
  }
}

TEST_P(EachRun, AFolderSwappedForALinkDuringTheRunCannotRedirectIt) {
  tree.file("d/s/f1.txt", "one");
  tree.file("d/s/f2.txt", "two");
  tree.file("outside/f1.txt", "not yours");
  tree.file("outside/f2.txt", "not yours either");
  FolderRunRecorder recorder;
  bool swapped = false;
  recorder.onReached = [&](const QString&) {
    if (swapped) return;
    swapped = true;
    QDir().rename(tree.path("d/s"), tree.path("d/s-moved"));
    QFile::link(tree.path("outside"), tree.path("d/s"));
  };
  const FolderRunReport report = runParam("d", recorder);

  ASSERT_TRUE(swapped);
  EXPECT_EQ(contentsOf(tree.path("outside/f1.txt")), "not yours");
  EXPECT_EQ(contentsOf(tree.path("outside/f2.txt")), "not yours either");
  if (kind() == FolderRunKind::Delete) {
    // Removed through the folder the run holds open, wherever its name now leads.
    EXPECT_FALSE(exists(tree.path("d/s-moved/f1.txt")));
    EXPECT_FALSE(exists(tree.path("d/s-moved/f2.txt")));
  } else {
    // The trash and the archive work on paths, which lead elsewhere now: both files stay.
    EXPECT_EQ(report.failed, 2);
    EXPECT_TRUE(exists(tree.path("d/s-moved/f1.txt")));
    EXPECT_TRUE(exists(tree.path("d/s-moved/f2.txt")));
    EXPECT_TRUE(dialogs.texts(MessageStyle::Error).first().startsWith("The file is no longer where the run found it"));
  }
}

TEST_P(EachRun, NamesThatAreNotUtf8AreRemovedAsThemselves) {
  const QString latin = tree.file(platform::decodePath(QByteArray("d/\xE9t\xE9/caf\xE9.txt")), "latin");
  const QString marked = tree.file(QString::fromUtf8("d/caf\xEF\xBF\xBD.txt"), "marked");
  const FolderRunReport report = runParam("d");

  EXPECT_TRUE(dialogs.shown().isEmpty()) << dialogs.texts().join(" | ").toStdString();
  EXPECT_EQ(report.removedFiles, 2);
  EXPECT_EQ(report.folderRemoved, removes());
  EXPECT_EQ(pathExists(latin), !removes());
  EXPECT_EQ(pathExists(marked), !removes());
  if (kind() == FolderRunKind::Trash) {
    EXPECT_TRUE(pathExists(trashed(platform::decodePath(QByteArray("caf\xE9.txt")))));
    EXPECT_EQ(contentsOf(trashed(QString::fromUtf8("caf\xEF\xBF\xBD.txt"))), "marked");
  }
  if (kind() == FolderRunKind::Zip) {
    QStringList expected{archiveEntryName(latin), archiveEntryName(marked)};
    expected.sort();
    EXPECT_EQ(entriesOf(archivePath()), expected);
  }
}

// --- One run kind is enough for these ---

TEST_F(FolderRunTest, ReadOnlyAndHiddenAreAskedInThatOrderAndAnythingButYesStops) {
  struct Case {
    const char* name;
    QList<Answer> answers;
    int questions;
    bool removed;
  };
  const Case cases[] = {
      {"yes to both", {Answer::Yes, Answer::Yes}, 2, true},
      {"no to the first", {Answer::No}, 1, false},
      {"cancel to the second", {Answer::Yes, Answer::Cancel}, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.clear();
    const QString folder = QStringLiteral("case-") + QLatin1String(c.name).left(2);
    const QString secret = tree.file(folder + "/.secret", "s");
    ASSERT_TRUE(QFile::setPermissions(secret, QFileDevice::ReadOwner));
    for (Answer answer : c.answers) dialogs.answer(answer);
    const FolderRunReport report = run(folder, FolderRunKind::Delete);

    const QStringList questions = dialogs.texts(MessageStyle::Question);
    ASSERT_EQ(questions.size(), c.questions);
    EXPECT_EQ(questions[0], secret + " is read-only, " + kQuestionEnd);
    if (c.questions > 1) {
      EXPECT_EQ(questions[1], secret + " is hidden, " + kQuestionEnd);
    }
    EXPECT_EQ(exists(secret), !c.removed);
    EXPECT_EQ(report.aborted, !c.removed);
    EXPECT_EQ(exists(tree.path(folder)), !c.removed);
    if (!c.removed) {
      EXPECT_TRUE(folderRunReportText(report).contains("(Note: Deletion operation canceled ... not all files deleted)"));
    }
  }
}

TEST_F(FolderRunTest, AZipRunWithoutDeletingAsksNothingAndAReadOnlyFolderIsNeverAskedAbout) {
  tree.file("d/ro/plain.txt", "p");
  const QString secret = tree.file("d/.secret", "s");
  ASSERT_TRUE(QFile::setPermissions(secret, QFileDevice::ReadOwner));
  ASSERT_TRUE(QFile::setPermissions(tree.path("d/ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  const FolderRunReport zipped = run("d", FolderRunKind::Zip, false);
  EXPECT_TRUE(dialogs.shown().isEmpty());
  EXPECT_EQ(folderRunReportText(zipped), "Zipped up 2 files\nStored in the archive \"" + archivePath() + '"');
  EXPECT_TRUE(exists(secret));
  EXPECT_TRUE(exists(tree.path("d/ro/plain.txt")));
  EXPECT_EQ(readRemovalTotals().archivedFiles, 2);

  dialogs.answer(Answer::Yes);
  dialogs.answer(Answer::Yes);
  run("d", FolderRunKind::Delete);
  QFile::setPermissions(tree.path("d/ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(dialogs.texts(MessageStyle::Question),
            (QStringList{secret + " is read-only, " + kQuestionEnd, secret + " is hidden, " + kQuestionEnd}));
}

TEST_F(FolderRunTest, DecliningTheWarningTouchesNothing) {
  lists.savedEntries = {tree.path("d/keep/")};
  tree.file("d/keep/x.txt", "x");
  tree.file("d/y.txt", "y");
  dialogs.answer(Answer::No);
  const FolderRunReport report = run("d", FolderRunKind::Delete);
  EXPECT_FALSE(report.started);
  EXPECT_TRUE(exists(tree.path("d/y.txt")));
  EXPECT_EQ(folderRunReportText(report), QString());
  EXPECT_EQ(readRemovalTotals().deletedFiles, -1);
}

TEST_F(FolderRunTest, YesToTheWarningAboutTheFolderItselfRemovesIt) {
  tree.file("d/sub/y.txt", "y");
  check.protect(tree.path("d"), SystemFolderReason);
  dialogs.answer(Answer::Yes);
  const FolderRunReport report = run("d", FolderRunKind::Delete);
  EXPECT_EQ(dialogs.texts(MessageStyle::Warning),
            QStringList{"Warning: the folder or a sub-folder of the one to delete is marked NOT to be deleted because it is "
                        "in a system folder.  You may not want to delete it at this time.  Really delete?"});
  EXPECT_TRUE(report.folderRemoved);
  EXPECT_FALSE(exists(tree.path("d")));
}

TEST_F(FolderRunTest, AnEntryWrittenWithTheFoldersRealPathIsKeptWhenTheFolderIsReachedThroughALink) {
  tree.file("real/d/keep/x.txt", "x");
  tree.file("real/d/other.txt", "o");
  ASSERT_TRUE(QFile::link(tree.path("real"), tree.path("alias")));
  lists.savedEntries = {tree.path("real/d/keep/")};
  dialogs.answer(Answer::Yes);
  const FolderRunReport report = run("alias/d", FolderRunKind::Delete);
  EXPECT_TRUE(dialogs.texts(MessageStyle::Warning).first().contains(tree.path("alias/d/keep/")));
  EXPECT_TRUE(exists(tree.path("real/d/keep/x.txt")));
  EXPECT_FALSE(exists(tree.path("real/d/other.txt")));
  EXPECT_EQ(report.kept, 1);
}

TEST_F(FolderRunTest, AProtectedFolderNamedInBytesKeepsItselfAndNotItsLookAlike) {
  const QString latinFolder = platform::decodePath(tree.path("d/").toUtf8() + QByteArray("\xE9t\xE9"));
  const QString kept = tree.file(platform::decodePath(QByteArray("d/\xE9t\xE9/a.txt")), "kept");
  const QString gone = tree.file(QString::fromUtf8("d/\xEF\xBF\xBDt\xEF\xBF\xBD/a.txt"), "gone");
  lists.savedEntries = {latinFolder + u'/'};
  dialogs.answer(Answer::Yes);
  const FolderRunReport report = run("d", FolderRunKind::Delete);

  EXPECT_TRUE(dialogs.texts(MessageStyle::Warning).first().contains(tree.path("d/") + "\\xE9t\\xE9/"))
      << dialogs.texts(MessageStyle::Warning).first().toStdString();
  EXPECT_TRUE(pathExists(kept));
  EXPECT_FALSE(pathExists(gone));
  EXPECT_EQ(report.kept, 1);
  EXPECT_EQ(report.removedFiles, 1);
}

TEST_F(FolderRunTest, AFileThatCannotBeRemovedIsReportedAndNotCounted) {
  tree.file("d/a.txt", 100, 'a');
  tree.file("d/b.txt", 100, 'b');
  const QString stuck = tree.file("d/locked/stuck.txt", 100, 's');
  ASSERT_TRUE(QFile::setPermissions(tree.path("d/locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  FolderRunReport report;
  {
    const testkit::PermissionBitsApply asAnOrdinaryUser;
    report = run("d", FolderRunKind::Delete);
  }
  QFile::setPermissions(tree.path("d/locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Couldn't delete file - " + stuck + "\nPermission denied"});
  EXPECT_TRUE(exists(stuck));
  EXPECT_EQ(report.removedFiles, 2);
  EXPECT_EQ(report.failed, 1);
  EXPECT_FALSE(report.complete());
  EXPECT_EQ(folderRunReportText(report),
            "Deleted 2 files for a savings of 200 bytes.\n1 files or folders could not be removed and were left in place.\n"
            "The folder " + tree.path("d") + " was left in place, with what stayed in it.");
  EXPECT_EQ(readRemovalTotals().deletedFiles, 2);
  EXPECT_EQ(readRemovalTotals().deletedBytes, 200);
}

TEST_F(FolderRunTest, ATrashThatRefusesStopsTheRunAndWhatStayedIsNotCounted) {
  for (int i = 0; i < 3; ++i) tree.file(QStringLiteral("d/f%1.txt").arg(i), 100, 'x');
  FillingTrash filling(1);
  trash = &filling;
  const FolderRunReport report = run("d", FolderRunKind::Trash);
  EXPECT_EQ(dialogs.texts(MessageStyle::Error),
            QStringList{"An error occurred sending files to the trash.  The trash may be full.\nfull"});
  EXPECT_EQ(filling.taken.size(), 1);
  EXPECT_EQ(QDir(tree.path("d")).entryList(QDir::Files).size(), 2);
  EXPECT_TRUE(report.aborted);
  EXPECT_EQ(readRemovalTotals().trashedFiles, 1);
  EXPECT_EQ(readRemovalTotals().trashedBytes, 100);
}

TEST_F(FolderRunTest, AnAbortHalfWayThroughAZipRunLeavesEveryRemovedFileInAReadableArchive) {
  QStringList files;
  for (int i = 0; i < 9; ++i) files.append(tree.file(QStringLiteral("d/f%1.txt").arg(i), QByteArray(1000 + i, char('a' + i))));
  batch.files = 2;
  FolderRunRecorder recorder(5);
  const FolderRunReport report = run("d", FolderRunKind::Zip, recorder);

  QStringList gone;
  for (const QString& f : files) {
    if (!exists(f)) gone.append(f);
  }
  EXPECT_TRUE(report.aborted);
  EXPECT_EQ(gone.size(), 4);
  EXPECT_EQ(report.removedFiles, 4);
  EXPECT_EQ(readRemovalTotals().archivedFiles, 4);
  TempTree restored;
  ZipReader reader;
  ASSERT_TRUE(reader.open(archivePath(), nullptr));
  QuietExtraction quiet;
  reader.extractAll(restored.root(), quiet);
  for (const QString& f : gone) EXPECT_EQ(contentsOf(restored.root() + f).size(), 1000 + files.indexOf(f)) << f.toStdString();
}

TEST_F(FolderRunTest, ATreeDeeperThanTheOpenFileLimitIsRemovedWhole) {
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  QString relative = QStringLiteral("d");
  for (int depth = 0; depth < 40; ++depth) {
    relative += QStringLiteral("/l%1").arg(depth);
    tree.file(relative + QStringLiteral("/f.txt"), "deep");
  }
  struct rlimit low = saved;
  // Leaves the walk a handful of descriptors, so upper folders are given back and opened again.
  low.rlim_cur = 128;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  const FolderRunReport report = run("d", FolderRunKind::Delete);
  setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_EQ(report.removedFiles, 40);
  EXPECT_TRUE(report.folderRemoved);
  EXPECT_TRUE(dialogs.shown().isEmpty()) << dialogs.texts().join('|').toStdString();
}

TEST_F(FolderRunTest, AMountPointInsideIsNotEnteredAndKeepsItsContents) {
  struct Case {
    const char* name;
    std::function<testkit::TestMount(const QString& source, const QString& target)> mount;
  };
  // A bind mount shares the device of the folder it shows: only its mount tells it apart.
  const Case cases[] = {
      {"bind", [](const QString& source, const QString& target) { return testkit::TestMount::bind(source, target); }},
      {"tmpfs", [](const QString&, const QString& target) { return testkit::TestMount::tmpfs(target, 1 << 20); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString folder = QStringLiteral("d-") + QLatin1String(c.name);
    const QString source = tree.folder(folder + "-source");
    const QString mountPoint = tree.folder(folder + "/mnt");
    tree.file(folder + "/other.txt", "goes");
    const testkit::TestMount mount = c.mount(source, mountPoint);
    if (!mount.mounted()) GTEST_SKIP() << "no mount point inside the folder: " << mount.skipReason().toStdString();
    tree.file(folder + "/mnt/data.txt", "on another mount");
    const FolderRunReport report = run(folder, FolderRunKind::Delete);

    EXPECT_EQ(report.otherMounts, QStringList{mountPoint});
    EXPECT_EQ(contentsOf(mountPoint + "/data.txt"), "on another mount");
    EXPECT_FALSE(exists(tree.path(folder + "/other.txt")));
    EXPECT_TRUE(dialogs.texts(MessageStyle::Error).isEmpty());
    EXPECT_TRUE(folderRunReportText(report).contains("The folder " + mountPoint +
                                                     " is another mounted file system: it was not entered and keeps its contents."));
  }
}

}  // namespace
}  // namespace tessaly
