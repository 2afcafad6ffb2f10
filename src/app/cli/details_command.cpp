#include <QDateTime>

#include "app/cli/cli_command.h"
#include "core/inspect/file_details.h"
#include "core/inspect/version_lines.h"
#include "platform/host_files.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("details FILE...");

int runDetails(const QCommandLineParser& parser) {
  const QStringList files = parser.positionalArguments();
  if (files.isEmpty()) return failUsage(QStringLiteral("No file given."), kUsage);
  // Every file is looked at before any line is written, so a failed run prints nothing.
  QList<FileDetails> described;
  for (const QString& file : files) {
    const std::optional<FileDetails> details = readFileDetails(platform::absolutePath(file));
    if (!details) return fail(QStringLiteral("Cannot find the file ") + file);
    described.append(*details);
  }
  const QDateTime now = QDateTime::currentDateTime();
  QStringList blocks;
  for (const FileDetails& details : described) {
    QString block;
    for (const auto& [label, value] : detailsFields(detailsTexts(details, now), versionItems(details.path)))
      block += label + u'\t' + value + u'\n';
    blocks.append(block);
  }
  printOut(blocks.join(u'\n'));
  return 0;
}

const bool registered = registerCommand(
    {QStringLiteral("details"), kUsage,
     QStringLiteral("What the details window shows of each file, as label<TAB>value lines: name, type, size, "
                    "clusters, the three dates, attributes and the version items of a Windows program; "
                    "an empty line between files."),
     [](QCommandLineParser& parser) {
       parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The files to describe."),
                                    QStringLiteral("FILE..."));
     },
     runDetails});

}  // namespace
}  // namespace tessaly::cli
