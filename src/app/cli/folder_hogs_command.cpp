#include <QFileInfo>

#include "app/cli/cli_command.h"
#include "core/folderhogs/folder_hogs.h"
#include "core/grid/grid_text.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("folder-hogs [--main|--all] [--html FILE] PATH...");

const QString kMainOption = QStringLiteral("main");
const QString kAllOption = QStringLiteral("all");
const QString kHtmlOption = QStringLiteral("html");

void declareOptions(QCommandLineParser& parser) {
  parser.addOption({kMainOption, QStringLiteral("Main folders only (the default).")});
  parser.addOption({kAllOption, QStringLiteral("Every folder.")});
  parser.addOption(valueOption(kHtmlOption, QStringLiteral("FILE"), QStringLiteral("Also writes the grid as a web page.")));
}

int runFolderHogs(const QCommandLineParser& parser) {
  if (parser.isSet(kMainOption) && parser.isSet(kAllOption))
    return failUsage(QStringLiteral("Give one of --main and --all."), kUsage);
  const FolderHogsMode mode = parser.isSet(kAllOption) ? FolderHogsMode::AllFolders : FolderHogsMode::MainFolders;
  const QString htmlFile = parser.value(kHtmlOption);
  QList<WalkRoot> roots;
  for (const QString& argument : parser.positionalArguments()) {
    // An added folder is stored as its full path, so a relative one is made absolute.
    const QString path = QFileInfo(argument).absoluteFilePath();
    roots.append({path, path});
  }
  if (roots.isEmpty()) return failUsage(QStringLiteral("No folder given."), kUsage);

  MessagesToStderr messages;
  FolderHogsScan scan(mode);
  scan.run(roots);
  if (messages.failed()) return 1;

  const ResultTable table = scan.table();
  if (!htmlFile.isEmpty()) {
    if (!writeWebPage(table, htmlFile)) return fail(QStringLiteral("Cannot write the web page ") + htmlFile);
    return 0;
  }
  const QStringList lines = gridAsTabLines(table);
  printOut(lines.join(u'\n') + u'\n');
  return 0;
}

const bool registered = registerCommand({QStringLiteral("folder-hogs"), kUsage,
                                         QStringLiteral("The folders that take the most space, largest first, "
                                                        "as tab-separated lines (--main: folders below each PATH "
                                                        "with their whole subtree, the default; --all: every folder)."),
                                         declareOptions, runFolderHogs});

}  // namespace
}  // namespace tessaly::cli
