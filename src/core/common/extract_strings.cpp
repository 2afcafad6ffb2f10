#include "core/common/extract_strings.h"

#include <QFile>

#include "core/common/dialogs.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

bool readable(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ';
}

}  // namespace

bool extractStrings(const QString& sourceFile, const QString& outputFile, int minimumLength, int maximumLength) {
  QFile source;
  if (!platform::openForReading(sourceFile, &source, nullptr)) {
    showError(QStringLiteral("Could not open file ") + platform::displayPath(sourceFile));
    return false;
  }
  QFile output(outputFile);
  if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    showError(QStringLiteral("Could not open file ") + outputFile);
    return false;
  }
  QByteArray lastWritten;
  QByteArray run;
  char chunk[2048];
  for (;;) {
    const qint64 count = source.read(chunk, sizeof chunk);
    if (count <= 0) break;
    run.clear();
    qint64 runLength = 0;  // counts skipped characters too, so an overlong run is dropped
    for (qint64 i = 0; i < count; ++i) {
      if (readable(chunk[i])) {
        ++runLength;
        if (runLength <= maximumLength + 1) run += chunk[i];
        continue;
      }
      if (runLength > minimumLength && runLength <= maximumLength + 1 && run != lastWritten) {
        output.write(run);
        output.write("\n");
        lastWritten = run;
      }
      run.clear();
      runLength = 0;
    }
  }
  return true;
}

}  // namespace tessaly
