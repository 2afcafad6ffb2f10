#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>

#include "app/cli/cli_command.h"
#include "core/inspect/file_details.h"
#include "core/inspect/version_lines.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("details FILE...");

int runDetails(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The files to describe."), QStringLiteral("FILE..."));
  if (!parser.parse(QStringList{QStringLiteral("details")} + arguments))
    return fail(parser.errorText() + QStringLiteral(". Usage: tessaly-cli ") + kUsage);
  const QStringList files = parser.positionalArguments();
  if (files.isEmpty()) return fail(QStringLiteral("No file given. Usage: tessaly-cli ") + kUsage);
  // Every file is looked at before any line is written, so a failed run prints nothing.
  QList<FileDetails> described;
  for (const QString& file : files) {
    const std::optional<FileDetails> details = readFileDetails(QFileInfo(file).absoluteFilePath());
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
     runDetails});

}  // namespace
}  // namespace tessaly::cli
