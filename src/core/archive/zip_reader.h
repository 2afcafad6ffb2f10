#pragma once

#include <QString>
#include <QStringList>

#include "core/archive/archive_progress.h"

typedef struct zip zip_t;

namespace tessaly {

// What extraction asks of its caller.
class ExtractionObserver : public ArchiveProgress {
 public:
  // An entry is encrypted: false when the user gives no password.
  virtual bool needPassword(QString* password) = 0;
  // One entry could not be extracted; engineText is the zip engine's own words, when it has any.
  virtual void entryFailed(const QString& entryName, const QString& engineText) = 0;
};

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
  const QStringList& entries() const { return entries_; }
  const QString& comment() const { return comment_; }

  // Every entry goes to the destination joined with its stored path, folders created on the
  // way. Nothing is ever written outside the destination and nothing existing is replaced.
  // Returns the number of files written.
  int extractAll(const QString& destination, ExtractionObserver& observer);

 private:
  bool extractEntry(qint64 index, const QString& destination, ExtractionObserver& observer, QString* password);
  zip_t* archive_ = nullptr;
  QString archivePath_;
  QStringList entries_;
  QString comment_;
};

// The path inside destination where an entry belongs, or empty when the entry would leave it
// (a ".." part, an absolute path after its leading slash) or has no name.
QString extractionTarget(const QString& destination, const QString& entryName);

}  // namespace tessaly
