#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tessaly {

// Writes the readable runs (letters, digits, blanks) of a file to a new text file, one run
// a line, runs of more than minimum and at most maximum + 1 characters, consecutive
// repeats once. Runs do not continue across 2048-byte chunks. The work goes a slice at a time,
// so a window can show its progress and stop it.
class StringsExtraction {
 public:
  // Opens the source and creates the output; false, after the error box, when either fails.
  bool start(const QString& sourceFile, const QString& outputFile, int minimumLength, int maximumLength);
  // Reads about budget more bytes of the source; true once it is all read (or a write failed,
  // which is reported once).
  bool step(qint64 budget);
  int percentDone() const;
  bool failed() const { return failed_; }

 private:
  void scanChunk(const char* chunk, qint64 count);

  QFile source_;
  QFile output_;
  int minimumLength_ = 0;
  int maximumLength_ = 0;
  qint64 size_ = 0;
  qint64 done_ = 0;
  bool finished_ = false;
  bool failed_ = false;
  QByteArray lastWritten_;
};

// The whole extraction at once. False, after the error box, when a file cannot be opened or
// the output cannot be written.
bool extractStrings(const QString& sourceFile, const QString& outputFile, int minimumLength, int maximumLength);

}  // namespace tessaly
