#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
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

enum class AddResult { Queued, Refused, Aborted };

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

  // Reads a regular file once and queues it for the next commit: Refused with the reason
  // when it cannot be read, Aborted when the progress answered so while it was read (it is
  // then not queued).
  AddResult add(const QString& path, QString* reason, ArchiveProgress* progress = nullptr);
  int pendingCount() const { return int(pending_.size()); }
  qint64 pendingBytes() const { return pendingBytes_; }
  // Each save copies the archive's earlier entries, so a batch must grow with the archive
  // for that copying to stay a fraction of the run.
  bool batchFull() const;

  // Saves and checks the queued files; the queue is empty afterwards. When the archive's
  // disk is full the batch is saved in smaller parts, so the files that fit are archived.
  CommitResult commit(ArchiveProgress* progress);

  struct Pending;

 private:
  enum class PartResult { Done, Aborted, DiskFull };
  enum class SaveStatus { Saved, Aborted, DiskFull, Failed };
  PartResult saveInParts(std::vector<Pending*> entries, ArchiveProgress* progress, CommitResult& result);
  SaveStatus saveOnce(std::vector<Pending*>& entries, ArchiveProgress* progress, CommitResult& result, QString* reason);
  void checkSaved(const std::vector<Pending*>& entries, CommitResult& result);
  bool openSpool(QString* reason);

  QString archivePath_;
  QString comment_;
  BatchLimits limits_;
  std::vector<std::unique_ptr<Pending>> pending_;
  std::unique_ptr<QFile> spool_;  // deflated data of the queued files, beside the archive
  qint64 pendingBytes_ = 0;
};

}  // namespace tessaly
