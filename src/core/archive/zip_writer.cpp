#include "core/archive/zip_writer.h"

#include <zip.h>
#include <zlib.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "core/archive/archive_naming.h"
#include "core/archive/file_mode.h"
#include "platform/file_sync.h"

namespace tessaly {

// One queued file and what was read of it while the archive was written.
struct ZipWriter::Pending {
  QString path;
  QByteArray entryName;
  qint64 size = 0;
  time_t modified = 0;
  quint32 mode = 0;
  // Filled by the source while libzip reads it.
  QFile file;
  quint32 crc = 0;
  qint64 bytesRead = 0;
  QString readFailure;
};

namespace {

constexpr int kBatchFiles = 2000;
constexpr qint64 kBatchMinimumBytes = 64LL << 20;

zip_int64_t pendingSource(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  auto* entry = static_cast<ZipWriter::Pending*>(state);
  switch (command) {
    case ZIP_SOURCE_OPEN:
      entry->crc = quint32(crc32(0, nullptr, 0));
      entry->bytesRead = 0;
      entry->file.setFileName(entry->path);
      if (QFileInfo(entry->path).isSymLink() || !entry->file.open(QIODevice::ReadOnly)) {
        entry->readFailure = entry->file.errorString();
        return -1;
      }
      return 0;
    case ZIP_SOURCE_READ: {
      const qint64 got = entry->file.read(static_cast<char*>(data), qint64(std::min<zip_uint64_t>(length, 1 << 30)));
      if (got < 0) {
        entry->readFailure = entry->file.errorString();
        return -1;
      }
      entry->crc = quint32(crc32(entry->crc, static_cast<const Bytef*>(data), uInt(got)));
      entry->bytesRead += got;
      if (got == 0 && entry->bytesRead != entry->size) {
        entry->readFailure = QStringLiteral("the file changed while it was archived");
        return -1;
      }
      return got;
    }
    case ZIP_SOURCE_CLOSE:
      entry->file.close();
      return 0;
    case ZIP_SOURCE_STAT: {
      auto* st = static_cast<zip_stat_t*>(data);
      zip_stat_init(st);
      st->valid = ZIP_STAT_SIZE | ZIP_STAT_MTIME;
      st->size = zip_uint64_t(entry->size);
      st->mtime = entry->modified;
      return sizeof(*st);
    }
    case ZIP_SOURCE_ERROR: {
      int* codes = static_cast<int*>(data);
      codes[0] = ZIP_ER_READ;
      codes[1] = 0;
      return 2 * sizeof(int);
    }
    case ZIP_SOURCE_FREE:
      entry->file.close();
      return 0;
    case ZIP_SOURCE_SUPPORTS:
      return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                            ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
      return -1;
  }
}

QString zipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  const QString text = QString::fromUtf8(zip_error_strerror(&error));
  zip_error_fini(&error);
  return text;
}

struct SaveProgress {
  ArchiveProgress* progress = nullptr;
  bool aborted = false;
};

void onSaveProgress(zip_t*, double fraction, void* state) {
  auto* save = static_cast<SaveProgress*>(state);
  if (save->progress && save->progress->reportProgress(int(fraction * 100))) save->aborted = true;
}

int onSaveCancel(zip_t*, void* state) { return static_cast<SaveProgress*>(state)->aborted ? 1 : 0; }

}  // namespace

ZipWriter::ZipWriter(QString archivePath, QString comment)
    : archivePath_(std::move(archivePath)), comment_(std::move(comment)) {}

ZipWriter::~ZipWriter() = default;

bool ZipWriter::add(const QString& path, QString* reason) {
  const QFileInfo info(path);
  if (info.isSymLink() || !info.isFile()) {
    *reason = QStringLiteral("not a regular file");
    return false;
  }
  QFile probe(path);
  if (!probe.open(QIODevice::ReadOnly)) {
    *reason = probe.errorString();
    return false;
  }
  auto entry = std::make_unique<Pending>();
  entry->path = path;
  entry->entryName = archiveEntryName(path).toUtf8();
  entry->size = info.size();
  entry->modified = time_t(info.lastModified().toSecsSinceEpoch());
  entry->mode = unixModeOf(info.permissions());
  pendingBytes_ += entry->size;
  pending_.push_back(std::move(entry));
  return true;
}

bool ZipWriter::batchFull() const {
  const qint64 archiveBytes = QFileInfo(archivePath_).size();
  return pendingCount() >= kBatchFiles || pendingBytes_ >= std::max(kBatchMinimumBytes, archiveBytes);
}

CommitResult ZipWriter::commit(ArchiveProgress* progress) {
  CommitResult result;
  std::vector<std::unique_ptr<Pending>> batch;
  batch.swap(pending_);
  pendingBytes_ = 0;
  auto fail = [&](Pending& entry, const QString& reason) { result.failed.append({entry.path, reason}); };

  // A file that cannot be read fails the whole save; it is taken out and the save repeated.
  std::vector<Pending*> toSave;
  for (auto& entry : batch) toSave.push_back(entry.get());
  while (!toSave.empty()) {
    int openError = 0;
    zip_t* archive = zip_open(QFile::encodeName(archivePath_).constData(), ZIP_CREATE, &openError);
    if (!archive) {
      for (Pending* entry : toSave) fail(*entry, zipErrorText(openError));
      return result;
    }
    const QByteArray comment = comment_.toUtf8();
    zip_set_archive_comment(archive, comment.constData(), zip_uint16_t(comment.size()));
    std::vector<Pending*> added;
    for (Pending* entry : toSave) {
      // An entry of the same name holds an earlier file that may exist nowhere else.
      if (zip_name_locate(archive, entry->entryName.constData(), ZIP_FL_ENC_UTF_8) >= 0) {
        fail(*entry, QStringLiteral("the archive already holds a file of that name"));
        continue;
      }
      entry->readFailure.clear();
      zip_source_t* source = zip_source_function(archive, pendingSource, entry);
      const zip_int64_t index = source ? zip_file_add(archive, entry->entryName.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
      if (index < 0) {
        if (source) zip_source_free(source);
        fail(*entry, QString::fromUtf8(zip_strerror(archive)));
        continue;
      }
      zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFAULT, 0);
      zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, (entry->mode | 0100000) << 16);
      added.push_back(entry);
    }
    if (added.empty()) {
      zip_discard(archive);
      return result;
    }
    SaveProgress save{progress};
    zip_register_progress_callback_with_state(archive, 0.01, onSaveProgress, nullptr, &save);
    zip_register_cancel_callback_with_state(archive, onSaveCancel, nullptr, &save);
    if (zip_close(archive) == 0) {
      toSave = added;
      break;
    }
    const QString engineError = QString::fromUtf8(zip_strerror(archive));
    zip_discard(archive);
    if (save.aborted) {
      for (Pending* entry : added) result.abandoned.append(entry->path);
      return result;
    }
    std::vector<Pending*> readable;
    for (Pending* entry : added) {
      if (entry->readFailure.isEmpty()) readable.push_back(entry);
      else fail(*entry, entry->readFailure);
    }
    if (readable.size() == added.size()) {
      for (Pending* entry : added) fail(*entry, engineError);
      return result;
    }
    toSave = readable;
  }
  if (toSave.empty()) return result;

  if (!platform::syncToDisk(archivePath_)) {
    for (Pending* entry : toSave) fail(*entry, QStringLiteral("the archive could not be written to disk"));
    return result;
  }
  int openError = 0;
  zip_t* saved = zip_open(QFile::encodeName(archivePath_).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &openError);
  if (!saved) {
    for (Pending* entry : toSave) fail(*entry, QStringLiteral("the saved archive cannot be read: ") + zipErrorText(openError));
    return result;
  }
  for (Pending* entry : toSave) {
    zip_stat_t st;
    const bool same = zip_stat(saved, entry->entryName.constData(), ZIP_FL_ENC_UTF_8, &st) == 0 &&
                      (st.valid & ZIP_STAT_SIZE) && (st.valid & ZIP_STAT_CRC) && qint64(st.size) == entry->bytesRead &&
                      st.crc == entry->crc && entry->bytesRead == entry->size;
    if (same) result.archived.append(entry->path);
    else fail(*entry, QStringLiteral("the saved entry does not match the file"));
  }
  zip_discard(saved);
  return result;
}

}  // namespace tessaly
