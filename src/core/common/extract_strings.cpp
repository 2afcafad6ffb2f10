#include "core/common/extract_strings.h"

#include <limits>

#include "core/common/dialogs.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

constexpr qint64 kChunkSize = 2048;

bool readable(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ';
}

}  // namespace

bool StringsExtraction::start(const QString& sourceFile, const QString& outputFile, int minimumLength,
                              int maximumLength) {
  minimumLength_ = minimumLength;
  maximumLength_ = maximumLength;
  if (!platform::openForReading(sourceFile, &source_, nullptr)) {
    showError(QStringLiteral("Could not open file ") + platform::displayPath(sourceFile));
    return false;
  }
  output_.setFileName(outputFile);
  if (!output_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    showError(QStringLiteral("Could not open file ") + outputFile);
    return false;
  }
  size_ = source_.size();
  return true;
}

bool StringsExtraction::step(qint64 budget) {
  if (finished_) return true;
  char chunk[kChunkSize];
  for (qint64 read = 0; read < qMax<qint64>(budget, 1);) {
    const qint64 count = source_.read(chunk, sizeof chunk);
    if (count <= 0) {
      finished_ = true;
      break;
    }
    scanChunk(chunk, count);
    read += count;
    done_ += count;
  }
  if (finished_) {
    output_.close();
    source_.close();
    // A full disk must not pass for a file without strings.
    if (output_.error() != QFileDevice::NoError) {
      failed_ = true;
      showError(QStringLiteral("Could not write file ") + output_.fileName());
    }
  }
  return finished_;
}

void StringsExtraction::scanChunk(const char* chunk, qint64 count) {
  QByteArray run;
  qint64 runLength = 0;  // counts skipped characters too, so an overlong run is dropped
  for (qint64 i = 0; i < count; ++i) {
    if (readable(chunk[i])) {
      ++runLength;
      if (runLength <= maximumLength_ + 1) run += chunk[i];
      continue;
    }
    if (runLength > minimumLength_ && runLength <= maximumLength_ + 1 && run != lastWritten_) {
      output_.write(run);
      output_.write("\n");
      lastWritten_ = run;
    }
    run.clear();
    runLength = 0;
  }
}

int StringsExtraction::percentDone() const {
  if (finished_) return 100;
  if (size_ <= 0) return 0;
  // All bytes read is not done until the end of the file has been seen.
  return int(qMin<qint64>(done_ * 100 / size_, 99));
}

bool extractStrings(const QString& sourceFile, const QString& outputFile, int minimumLength, int maximumLength) {
  StringsExtraction extraction;
  if (!extraction.start(sourceFile, outputFile, minimumLength, maximumLength)) return false;
  extraction.step(std::numeric_limits<qint64>::max());
  return !extraction.failed();
}

}  // namespace tessaly
