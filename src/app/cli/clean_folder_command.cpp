#include <QDateTime>

#include "app/cli/cli_command.h"
#include "core/archive/archive_settings.h"
#include "core/deletion/folder_refusals.h"
#include "core/deletion/folder_run.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/host_files.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("clean-folder (--delete | --trash | --zip [--keep-files]) [--yes] FOLDER");
const QString kDeleteOption = QStringLiteral("delete");
const QString kTrashOption = QStringLiteral("trash");
const QString kZipOption = QStringLiteral("zip");
const QString kKeepOption = QStringLiteral("keep-files");
const QString kYesOption = QStringLiteral("yes");

// The command line has no Cancel button and nothing to show while it runs.
class QuietFolderRun final : public FolderRunObserver {
 public:
  void fileReached(qint64, const QString&) override {}
  void fileStarted(int, const QString&) override {}
  bool archiveProgress(int) override { return false; }
  bool abortRequested() override { return false; }
};

void declareOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {kDeleteOption, QStringLiteral("Delete every file and folder.")},
      {kTrashOption, QStringLiteral("Send the files to the trash and remove the emptied folders.")},
      {kZipOption, QStringLiteral("Zip the files into the archive folder, then delete them.")},
      {kKeepOption, QStringLiteral("With --zip: leave the files in place.")},
      {kYesOption, QStringLiteral("Answer Yes to the safe harbor warning and the questions.")},
  });
  parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder to clean."));
}

int runCleanFolder(const QCommandLineParser& parser) {
  const int kinds = int(parser.isSet(kDeleteOption)) + int(parser.isSet(kTrashOption)) + int(parser.isSet(kZipOption));
  if (kinds != 1) return failUsage(QStringLiteral("Give one of --delete, --trash and --zip."), kUsage);
  if (parser.isSet(kKeepOption) && !parser.isSet(kZipOption)) return failUsage(QStringLiteral("--keep-files goes with --zip."), kUsage);
  if (parser.positionalArguments().size() != 1) return failUsage(QStringLiteral("Give one folder."), kUsage);

  FolderRunRequest request;
  request.folder = platform::absolutePath(parser.positionalArguments().first());
  const QString refusal = folderDeletionRefusal(request.folder);
  if (!refusal.isEmpty()) return fail(refusal);
  request.kind = parser.isSet(kDeleteOption) ? FolderRunKind::Delete
                 : parser.isSet(kTrashOption) ? FolderRunKind::Trash
                                              : FolderRunKind::Zip;
  request.deleteAfterZip = !parser.isSet(kKeepOption);
  request.archive = {readArchiveFolder(), kFolderArchiveTag, readArchiveComment(), QDateTime::currentDateTime(), {}};

  MessagesToStderr messages(parser.isSet(kYesOption));
  safeHarbor().load();
  FolderRunServices services{&protectionCheck(), storedHarborLists(), &platform::desktopTrash()};
  QuietFolderRun observer;
  const FolderRunReport report = runFolderDeletion(request, services, observer);
  const QString text = folderRunReportText(report);
  if (!text.isEmpty()) printOut(text + u'\n');
  return report.complete() && !messages.failed() ? 0 : 1;
}

const bool registered = registerCommand({QStringLiteral("clean-folder"), kUsage,
                                         QStringLiteral("delete a folder tree, send its files to the trash, or zip them"),
                                         declareOptions, runCleanFolder});

}  // namespace
}  // namespace tessaly::cli
