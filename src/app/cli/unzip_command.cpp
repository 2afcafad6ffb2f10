#include <QCommandLineParser>

#include "app/cli/cli_command.h"
#include "core/archive/zip_reader.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("unzip ARCHIVE DESTINATION [--list]");

// Failures become lines on stderr, as the window shows them in boxes; no password is asked.
class ScriptExtraction final : public ExtractionObserver {
 public:
  explicit ScriptExtraction(QString archiveName) : archiveName_(std::move(archiveName)) {}
  bool reportProgress(int) override { return false; }
  bool needPassword(QString*) override { return false; }
  void entryFailed(const EntryFailure& failure) override { showEntryFailure(archiveName_, failure); }

 private:
  QString archiveName_;
};

const QString kListOption = QStringLiteral("list");

void declareOptions(QCommandLineParser& parser) {
  parser.addOption(QCommandLineOption(
      kListOption, QStringLiteral("List the entries, one a line, instead of restoring them; DESTINATION may be left out.")));
}

int runUnzip(const QCommandLineParser& parser) {
  const QStringList positional = parser.positionalArguments();
  const bool listing = parser.isSet(kListOption);
  if (positional.size() != 2 && !(listing && positional.size() == 1))
    return failUsage(QStringLiteral("An archive and a destination folder."), kUsage);

  const QString archivePath = platform::absolutePath(positional[0]);
  ZipReader reader;
  QString reason;
  if (!reader.open(archivePath, &reason))
    return fail(QStringLiteral("Cannot open the archive ") + platform::displayPath(archivePath) + u'\n' + reason);
  if (listing) {
    // The names as they are stored, byte for byte, so a script can use them.
    for (const QString& entry : reader.entries()) printOut(entry + u'\n');
    return 0;
  }
  MessagesToStderr messages;
  ScriptExtraction observer(archivePath.mid(archivePath.lastIndexOf(u'/') + 1));
  const ExtractionSummary summary = reader.extractAll(platform::absolutePath(positional[1]), observer);
  printOut(extractionSummaryText(summary) + u'\n');
  return summary.complete() ? 0 : 1;
}

const bool registered = registerCommand(
    {QStringLiteral("unzip"), kUsage,
     QStringLiteral("restore an archive's files below DESTINATION (\"/\" puts them back where they were), or list its entries"),
     declareOptions, runUnzip});

}  // namespace
}  // namespace tessaly::cli
