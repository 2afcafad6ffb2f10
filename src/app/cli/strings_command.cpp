#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include "app/cli/cli_command.h"
#include "core/common/extract_strings.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("strings FILE");
// The lengths the viewer's "Peek at strings" uses.
constexpr int kMinimumLength = 5;
constexpr int kMaximumLength = 100;

int runStrings(const QCommandLineParser& parser) {
  if (parser.positionalArguments().size() != 1) return failUsage(QStringLiteral("Give one file."), kUsage);

  QTemporaryFile strings(QDir::tempPath() + QStringLiteral("/strXXXXXX"));
  if (!strings.open()) return fail(QStringLiteral("Cannot make a temporary file in ") + QDir::tempPath());
  strings.close();
  MessagesToStderr messages;
  if (!extractStrings(parser.positionalArguments().first(), strings.fileName(), kMinimumLength, kMaximumLength))
    return 1;
  QFile written(strings.fileName());
  if (!written.open(QIODevice::ReadOnly)) return fail(QStringLiteral("Cannot read ") + strings.fileName());
  printOut(QString::fromLatin1(written.readAll()));
  return 0;
}

const bool registered = registerCommand(
    {QStringLiteral("strings"), kUsage,
     QStringLiteral("The readable strings of a file (runs of 6 to 101 letters, digits and blanks), one a line, "
                    "as the viewer's \"Peek at strings\" lists them."),
     [](QCommandLineParser& parser) {
       parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file to read."));
     },
     runStrings});

}  // namespace
}  // namespace tessaly::cli
