#include <QFileInfo>

#include "app/cli/cli_command.h"
#include "core/search/file_crc.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral("crc FILE...");

int runCrc(const QCommandLineParser& parser) {
  const QStringList arguments = parser.positionalArguments();
  if (arguments.isEmpty()) return failUsage(QStringLiteral("No file given."), kUsage);
  // Every file is checked before any line is written, so a failed run prints nothing.
  for (const QString& path : arguments) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return fail(QStringLiteral("Cannot read the file ") + path);
  }
  QString text;
  for (const QString& path : arguments) text += QString::asprintf("%8X", fileCRC(path)) + u'\t' + path + u'\n';
  printOut(text);
  return 0;
}

const bool registered =
    registerCommand({QStringLiteral("crc"), kUsage,
                     QStringLiteral("Each file's checksum (the sum of the CRC-32 of its 2048-byte blocks) and its path."),
                     {}, runCrc});

}  // namespace
}  // namespace tessaly::cli
