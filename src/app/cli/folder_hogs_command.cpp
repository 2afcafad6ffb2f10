#include <QFileInfo>

#include "app/cli/cli_command.h"
#include "core/folderhogs/folder_hogs.h"
#include "core/grid/grid_text.h"

namespace tessaly::cli {
namespace {

constexpr auto kUsage = "folder-hogs [--main|--all] [--html FILE] PATH...";

int runFolderHogs(const QStringList& arguments) {
  FolderHogsMode mode = FolderHogsMode::MainFolders;
  QString htmlFile;
  QList<WalkRoot> roots;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QStringLiteral("--main")) {
      mode = FolderHogsMode::MainFolders;
    } else if (argument == QStringLiteral("--all")) {
      mode = FolderHogsMode::AllFolders;
    } else if (argument == QStringLiteral("--html")) {
      if (++i == arguments.size()) return fail(QStringLiteral("--html needs a file name. Usage: tessaly-cli ") + kUsage);
      htmlFile = arguments[i];
    } else if (argument.startsWith(u'-') && argument != QStringLiteral("-")) {
      return fail(QStringLiteral("Unknown option \"%1\". Usage: tessaly-cli %2").arg(argument, QLatin1String(kUsage)));
    } else {
      // An added folder is stored as its full path, so a relative one is made absolute.
      const QString path = QFileInfo(argument).absoluteFilePath();
      roots.append({path, path});
    }
  }
  if (roots.isEmpty()) return fail(QStringLiteral("No folder given. Usage: tessaly-cli ") + kUsage);

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

const bool registered = registerCommand({QStringLiteral("folder-hogs"), QLatin1String(kUsage),
                                         QStringLiteral("The folders that take the most space, largest first, "
                                                        "as tab-separated lines (--main: folders below each PATH "
                                                        "with their whole subtree, the default; --all: every folder)."),
                                         runFolderHogs});

}  // namespace
}  // namespace tessaly::cli
