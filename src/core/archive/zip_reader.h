#pragma once

#include <QString>
#include <QStringList>

#include "core/archive/archive_progress.h"

typedef struct zip zip_t;

namespace tessaly {

// One entry that could not be extracted, and why.
struct EntryFailure {
  QString entryName;
  QString reason;      // the system's or the program's words; may be empty
  QString engineText;  // the zip engine's own words, when the failure is the engine's
};

// What extraction asks of its caller.
class ExtractionObserver : public ArchiveProgress {
 public:
  // An entry is encrypted: false when the user gives no password.
  virtual bool needPassword(QString* password) = 0;
  virtual void entryFailed(const EntryFailure& failure) = 0;
};

// What became of the entries of one extraction.
struct ExtractionSummary {
  int entries = 0;
  int extracted = 0;
  int existing = 0;    // left as they were: an existing file is never replaced
  int refused = 0;     // would have left the destination, passed a link not followed, or made a link
  int failed = 0;      // the system or the zip engine could not write or read them
  int notReached = 0;  // the extraction was stopped before them
  bool complete() const { return extracted == entries; }
};

// "Files were unzipped" when every entry was; otherwise how many were and were not, and why.
QString extractionSummaryText(const ExtractionSummary& summary);

// The failure's boxes: "Cannot extract " entry " from " archive, with the reason on a second
// line, then the zip engine's own words in a box of their own when it has any.
void showEntryFailure(const QString& archiveName, const EntryFailure& failure);

// An archive opened for reading: its entries, its comment, and extraction below a folder.
class ZipReader {
 public:
  ZipReader() = default;
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  // False with the engine's reason when the file is not a readable archive; the reader
  // then stays as it was.
  bool open(const QString& archivePath, QString* reason);
  bool isOpen() const { return archive_ != nullptr; }
  const QString& archivePath() const { return archivePath_; }
  // Entry names keep the bytes they were stored with (see platform/host_path.h).
  const QStringList& entries() const { return entries_; }
  const QString& comment() const { return comment_; }

  // Every entry goes to the destination joined with its stored path, folders made on the
  // way, with its permission bits and modification time. Nothing is ever written outside the
  // destination and nothing existing is replaced. Stops when the observer asks to abort.
  ExtractionSummary extractAll(const QString& destination, ExtractionObserver& observer);

 private:
  zip_t* archive_ = nullptr;
  QString archivePath_;
  QStringList entries_;
  QString comment_;
};

// The folders and the name an entry is written to below the destination, or empty when the
// entry would leave it (a ".." part, an absolute path after its leading slash) or has no name.
QStringList extractionParts(const QString& entryName);
// The path inside destination where an entry belongs, or empty as above.
QString extractionTarget(const QString& destination, const QString& entryName);

}  // namespace tessaly
