#include "app/cli/cli_command.h"
#include "app/cli/search_options.h"
#include "core/clean/temporary_scan.h"
#include "core/safeharbor/pattern_lines.h"
#include "core/search/duplicate_search.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("quick-clean [--patterns P,P...] PATH...");
const QString kPatternsOption = QStringLiteral("patterns");

void declareOptions(QCommandLineParser& parser) {
  parser.addOption(valueOption(kPatternsOption, QStringLiteral("P,P..."),
                               QStringLiteral("The temporary file types to look for, such as \"*.tmp,*.bak\" "
                                              "(quick clean's stored list by default).")));
}

// The pattern lines the search takes: those given, or every line quick clean shows.
QStringList chosenPatternLines(const QCommandLineParser& parser) {
  if (!parser.isSet(kPatternsOption)) return readQuickCleanPatternLines();
  QStringList lines;
  for (const QString& pattern : parser.value(kPatternsOption).split(u',', Qt::SkipEmptyParts))
    lines.append(patternLine(pattern.trimmed()));
  return lines;
}

int runQuickClean(const QCommandLineParser& parser) {
  const QStringList patterns = chosenPatternLines(parser);
  if (patterns.isEmpty()) return failUsage(QStringLiteral("Select at least one file extension"), kUsage);
  if (parser.positionalArguments().isEmpty()) return failUsage(QStringLiteral("No folder given."), kUsage);
  const std::optional<QList<WalkRoot>> roots = folderRoots(parser.positionalArguments());
  if (!roots) return 2;

  MessagesToStderr messages;
  TemporaryFileScan scan(patterns);
  scan.run(*roots);
  if (messages.failed()) return 1;
  const FileTable table = scan.table();
  if (table.rowCount() == 0) fail(kNoFilesFound);
  printGrid(table, false);
  return 0;
}

const bool registered = registerCommand({QStringLiteral("quick-clean"), kUsage,
                                         QStringLiteral("The temporary files below each PATH (hidden folders and "
                                                        "other drives aside), largest first, as the quick clean "
                                                        "grid's tab-separated rows, heading first."),
                                         declareOptions, runQuickClean});

}  // namespace
}  // namespace tessaly::cli
