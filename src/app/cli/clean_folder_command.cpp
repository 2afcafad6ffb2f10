#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "app/cli/cli_command.h"
#include "core/archive/archive_settings.h"
#include "core/deletion/folder_refusals.h"
#include "core/deletion/folder_run.h"
#include "core/safeharbor/safe_harbor.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("clean-folder (--delete | --trash | --zip [--keep-files]) [--yes] FOLDER");

// The command line has no Cancel button and nothing to show while it runs.
class QuietFolderRun final : public FolderRunObserver {
 public:
  void fileReached(qint64, const QString&) override {}
  void fileStarted(int, const QString&) override {}
  bool archiveProgress(int) override { return false; }
  bool abortRequested() override { return false; }
};

int runCleanFolder(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption deleteOption(QStringLiteral("delete"), QStringLiteral("Delete every file and folder."));
  const QCommandLineOption trashOption(QStringLiteral("trash"), QStringLiteral("Send the files to the trash and remove the emptied folders."));
  const QCommandLineOption zipOption(QStringLiteral("zip"), QStringLiteral("Zip the files into the archive folder, then delete them."));
  const QCommandLineOption keepOption(QStringLiteral("keep-files"), QStringLiteral("With --zip: leave the files in place."));
  const QCommandLineOption yesOption(QStringLiteral("yes"), QStringLiteral("Answer Yes to the safe harbor warning and the questions."));
  parser.addOptions({deleteOption, trashOption, zipOption, keepOption, yesOption});
  parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder to clean."));
  const QString usage = QStringLiteral("Usage: tessaly-cli ") + kUsage;
  if (!parser.parse(QStringList{QStringLiteral("clean-folder")} + arguments)) return fail(parser.errorText() + u'\n' + usage);
  const int kinds = int(parser.isSet(deleteOption)) + int(parser.isSet(trashOption)) + int(parser.isSet(zipOption));
  if (kinds != 1 || parser.positionalArguments().size() != 1 || (parser.isSet(keepOption) && !parser.isSet(zipOption)))
    return fail(usage);

  const QString folder = QDir::cleanPath(QFileInfo(parser.positionalArguments().first()).absoluteFilePath());
  const QString refusal = folderDeletionRefusal(folder);
  if (!refusal.isEmpty()) return fail(refusal);

  FolderRunRequest request;
  request.folder = folder;
  request.kind = parser.isSet(deleteOption) ? FolderRunKind::Delete : parser.isSet(trashOption) ? FolderRunKind::Trash : FolderRunKind::Zip;
  request.deleteAfterZip = !parser.isSet(keepOption);
  request.archive = {readArchiveFolder(), kFolderArchiveTag, readArchiveComment(), QDateTime::currentDateTime(), {}};

  MessagesToStderr messages(parser.isSet(yesOption));
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
                                         runCleanFolder});

}  // namespace
}  // namespace tessaly::cli
