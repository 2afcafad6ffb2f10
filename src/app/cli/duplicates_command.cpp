#include "app/cli/cli_command.h"
#include "app/cli/search_options.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral(
    "duplicates [--match 0..6] [--larger N | --smaller N | --between N M] [--unit bytes|KB] [--pattern P] PATH...");

int runDuplicates(const QCommandLineParser& parser) { return runSearchCommand(parser, true, kUsage); }

const bool registered = registerCommand(
    {QStringLiteral("duplicates"), kUsage,
     QStringLiteral("Duplicate files by the match mode (0 filename, 1 and size, 2 and date/time, 3 size, 4 size and "
                    "date/time, 5 size and type, 6 type and date/time), in groups, each row ending in its shade "
                    "(shaded or plain). Defaults: --match 0 --larger 250 --unit KB --pattern \"*.*\"."),
     [](QCommandLineParser& parser) { declareSearchOptions(parser, true); }, runDuplicates});

}  // namespace
}  // namespace tessaly::cli
