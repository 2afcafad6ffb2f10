#include "app/cli/cli_command.h"
#include "app/cli/search_options.h"

namespace tessaly::cli {
namespace {

const QString kUsage =
    QStringLiteral("file-hogs [--larger N | --smaller N | --between N M] [--unit bytes|KB] [--pattern P] PATH...");

int runFileHogs(const QStringList& arguments) {
  const std::optional<SearchArguments> parsed = parseSearchArguments(arguments, false, kUsage);
  if (!parsed) return 2;
  useProgramDateFormat();
  MessagesToStderr messages;
  DuplicateSearch search(parsed->settings);
  search.scan(parsed->roots);
  if (messages.failed()) return 1;
  if (search.table().rows.empty()) fail(kNoFilesFound);
  printGrid(search.table(), false);
  return 0;
}

const bool registered = registerCommand(
    {QStringLiteral("file-hogs"), kUsage,
     QStringLiteral("The files that pass the size condition, largest first, as tab-separated lines. "
                    "Defaults: --larger 250 --unit KB --pattern \"*.*\"."),
     runFileHogs});

}  // namespace
}  // namespace tessaly::cli
