#include "app/cli/cli_command.h"
#include "platform/browser_caches.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("cache-folders");

int runCacheFolders(const QCommandLineParser& parser) {
  if (!parser.positionalArguments().isEmpty()) return failUsage(QStringLiteral("No arguments are taken."), kUsage);
  QString lines;
  for (const QString& folder : platform::browserCacheFolders()) lines += folder + u'\n';
  printOut(lines);
  return 0;
}

const bool registered = registerCommand({QStringLiteral("cache-folders"), kUsage,
                                         QStringLiteral("The cache folders of the web browsers installed for the "
                                                        "user, one a line, as \"Initialize\" in the internet cache "
                                                        "window adds them."),
                                         {}, runCacheFolders});

}  // namespace
}  // namespace tessaly::cli
