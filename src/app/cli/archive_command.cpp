#include <QDateTime>

#include "app/cli/cli_command.h"
#include "app/cli/removal_steps.h"
#include "core/deletion/removal_run.h"
#include "platform/host_files.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("zip-delete --tag TAG --folder DIR [--comment TEXT] FILE...");
const QString kTagOption = QStringLiteral("tag");
const QString kFolderOption = QStringLiteral("folder");
const QString kCommentOption = QStringLiteral("comment");

void declareOptions(QCommandLineParser& parser) {
  parser.addOption(valueOption(kTagOption, QStringLiteral("TAG"), QStringLiteral("The tool's part of the archive name.")));
  parser.addOption(valueOption(kFolderOption, QStringLiteral("DIR"), QStringLiteral("The archive folder.")));
  parser.addOption(valueOption(kCommentOption, QStringLiteral("TEXT"), QStringLiteral("The archive's comment.")));
}

int runZipDelete(const QCommandLineParser& parser) {
  ArchiveRunOptions options;
  options.when = QDateTime::currentDateTime();
  options.tag = parser.value(kTagOption);
  options.folder = parser.value(kFolderOption);
  options.comment = parser.value(kCommentOption);
  QStringList files;
  for (const QString& argument : parser.positionalArguments()) files.append(platform::absolutePath(argument));
  if (options.folder.isEmpty() || files.isEmpty()) return fail(QStringLiteral("Usage: tessaly-cli ") + kUsage);
  MessagesToStderr messages;
  QuietRun observer;
  const RunOutcome outcome = archivePlannedFiles(planRemovals(filesFreeToRemove(files)), options, systemRemover(), observer);
  // An archive that was never written is never named.
  if (outcome.removedFiles > 0)
    printOut(QStringLiteral("%1 files (%2 bytes) archived into %3 and deleted\n")
                 .arg(outcome.removedFiles)
                 .arg(outcome.removedBytes)
                 .arg(archivePathFor(options)));
  else
    printOut(QStringLiteral("No file was archived\n"));
  return outcome.removedFiles == files.size() ? 0 : 1;
}

const bool registered = registerCommand({QStringLiteral("zip-delete"), kUsage,
                                         QStringLiteral("archive the files into the run's zip archive, then delete them"),
                                         declareOptions, runZipDelete});

}  // namespace
}  // namespace tessaly::cli
