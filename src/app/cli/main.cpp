#include <QCoreApplication>
#include <algorithm>

#include "app/cli/cli_command.h"
#include "core/common/date_texts.h"
#include "platform/host_path.h"

using tessaly::cli::CliCommand;

namespace {

QString helpText() {
  std::vector<CliCommand> sorted = tessaly::cli::commands();
  std::sort(sorted.begin(), sorted.end(), [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
  QString text = QStringLiteral("Usage: tessaly-cli COMMAND [OPTIONS]\n\nCommands:\n");
  for (const CliCommand& command : sorted)
    text += QStringLiteral("  %1\n      %2\n").arg(command.usage, command.summary);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // Decoded without loss, so a file name that is not UTF-8 reaches the file it names.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(tessaly::platform::decodePath(argv[i], qsizetype(qstrlen(argv[i]))));
  if (arguments.isEmpty() || arguments.first() == QStringLiteral("--help") || arguments.first() == QStringLiteral("-h")) {
    tessaly::cli::printOut(helpText());
    return arguments.isEmpty() ? 2 : 0;
  }
  // Dates with four-digit years and numeric months, as the program shows them.
  tessaly::setShortDateFormat(tessaly::fix2000(tessaly::shortDateFormat()));
  const QString name = arguments.takeFirst();
  for (const CliCommand& command : tessaly::cli::commands()) {
    if (command.name == name) return tessaly::cli::runCommand(command, arguments);
  }
  return tessaly::cli::fail(QStringLiteral("Unknown command \"%1\". Try tessaly-cli --help.").arg(name));
}
