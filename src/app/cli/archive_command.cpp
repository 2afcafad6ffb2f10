#include <QDateTime>

#include "app/cli/cli_command.h"
#include "core/common/dialogs.h"
#include "core/deletion/partition.h"
#include "core/deletion/removal_run.h"
#include "core/safeharbor/safe_harbor.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly::cli {
namespace {

// The command line has no one to press Cancel; failures go to stderr through showError.
class QuietRun final : public RemovalObserver {
 public:
  void fileStarted(int, const QString&) override {}
  bool archiveProgress(int) override { return false; }
  bool abortRequested() override { return false; }
};

int runZipDelete(const QStringList& arguments) {
  ArchiveRunOptions options;
  options.when = QDateTime::currentDateTime();
  QStringList files;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if ((argument == QStringLiteral("--tag") || argument == QStringLiteral("--folder") ||
         argument == QStringLiteral("--comment")) && i + 1 < arguments.size()) {
      QString& target = argument == QStringLiteral("--tag") ? options.tag
                        : argument == QStringLiteral("--folder") ? options.folder : options.comment;
      target = arguments[++i];
    } else {
      files.append(platform::absolutePath(argument));
    }
  }
  if (options.folder.isEmpty() || files.isEmpty())
    return fail(QStringLiteral("Usage: tessaly-cli zip-delete --tag TAG --folder DIR [--comment TEXT] FILE..."));
  MessagesToStderr messages;
  // There is no safe harbor panel to move files off here: a protected file is only reported.
  safeHarbor().load();
  const Partition partition = partitionFiles(files, protectionCheck(), {});
  for (const QString& kept : partition.protectedFiles)
    showError(QStringLiteral("Kept, it is on the Safe Harbor List - ") + platform::displayPath(kept) + QStringLiteral(" (") +
              exceptionReasonText(protectionReasonOf(kept, protectionCheck())) + u')');
  QuietRun observer;
  const RunOutcome outcome = archivePlannedFiles(planRemovals(partition.toDelete), options, systemRemover(), observer);
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

const bool registered = registerCommand({QStringLiteral("zip-delete"),
                                         QStringLiteral("zip-delete --tag TAG --folder DIR [--comment TEXT] FILE..."),
                                         QStringLiteral("archive the files into the run's zip archive, then delete them"),
                                         runZipDelete});

}  // namespace
}  // namespace tessaly::cli
