#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <memory>
#include <vector>

#include "core/archive/archive_progress.h"

namespace tessaly {

struct ArchiveFailure {
  QString path;
  QString reason;
};

// When a batch is worth saving: enough files, or enough bytes relative to the archive.
struct BatchLimits {
  int files = 2000;
  qint64 minimumBytes = 64LL << 20;
};

// The outcome of saving one batch.
struct CommitResult {
  QStringList archived;           // saved, read back and checked: safe to remove
  QList<ArchiveFailure> failed;   // not in the archive; the files must stay
  QStringList abandoned;          // the save was aborted: neither saved nor failed
};

// Adds files to one archive in batches. Each commit writes the archive once (libzip saves
// through a temporary file and a rename), syncs it to disk, opens it again and checks the
// size and CRC of every entry of the batch, so a caller removes only files whose copy can
// be read back, whatever happens to the process afterwards.
class ZipWriter {
 public:
  ZipWriter(QString archivePath, QString comment, BatchLimits limits = {});
  ~ZipWriter();
  ZipWriter(const ZipWriter&) = delete;
  ZipWriter& operator=(const ZipWriter&) = delete;

  const QString& archivePath() const { return archivePath_; }

  // Queues a regular file for the next commit; false with the reason when it cannot be read.
  bool add(const QString& path, QString* reason);
  int pendingCount() const { return int(pending_.size()); }
  qint64 pendingBytes() const { return pendingBytes_; }
  // Each save copies the archive's earlier entries, so a batch must grow with the archive
  // for that copying to stay a fraction of the run.
  bool batchFull() const;

  // Saves and checks the queued files; the queue is empty afterwards.
  CommitResult commit(ArchiveProgress* progress);

  struct Pending;

 private:
  CommitResult saveBatch(std::vector<Pending*> toSave, ArchiveProgress* progress);
  QString archivePath_;
  QString comment_;
  BatchLimits limits_;
  std::vector<std::unique_ptr<Pending>> pending_;
  std::unique_ptr<QTemporaryFile> spool_;  // deflated data of the queued files
  qint64 pendingBytes_ = 0;
};

}  // namespace tessaly
