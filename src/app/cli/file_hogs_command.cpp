#include "app/cli/cli_command.h"
#include "app/cli/search_options.h"

namespace tessaly::cli {
namespace {

const QString kUsage =
    QStringLiteral("file-hogs [--larger N | --smaller N | --between N M] [--unit bytes|KB] [--pattern P] PATH...");

int runFileHogs(const QCommandLineParser& parser) { return runSearchCommand(parser, false, kUsage); }

const bool registered = registerCommand(
    {QStringLiteral("file-hogs"), kUsage,
     QStringLiteral("The files that pass the size condition, largest first, as tab-separated lines. "
                    "Defaults: --larger 250 --unit KB --pattern \"*.*\"."),
     [](QCommandLineParser& parser) { declareSearchOptions(parser, false); }, runFileHogs});

}  // namespace
}  // namespace tessaly::cli
