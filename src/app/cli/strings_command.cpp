#include <QCommandLineParser>
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

int runStrings(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file to read."));
  if (!parser.parse(QStringList{QStringLiteral("strings")} + arguments))
    return fail(parser.errorText() + QStringLiteral(". Usage: tessaly-cli ") + kUsage);
  if (parser.positionalArguments().size() != 1) return fail(QStringLiteral("Give one file. Usage: tessaly-cli ") + kUsage);

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
     runStrings});

}  // namespace
}  // namespace tessaly::cli
