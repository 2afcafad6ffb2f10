#include "core/archive/zip_writer.h"

#include <zip.h>
#include <zlib.h>

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cstring>

#include "core/archive/archive_naming.h"
#include "core/archive/file_mode.h"
#include "core/archive/zip_error_text.h"
#include "platform/file_sync.h"

namespace tessaly {

// One queued file: read once when queued, deflated into the spool when that makes it smaller.
struct ZipWriter::Pending {
  QString path;
  QByteArray entryName;
  qint64 size = 0;
  time_t modified = 0;
  quint32 mode = 0;
  quint32 crc = 0;
  bool deflated = false;
  qint64 spoolOffset = 0, spoolLength = 0;
  QFile* spool = nullptr;
  // While libzip reads the entry.
  QFile file;
  qint64 served = 0;
  quint32 servedCrc = 0;
  QString readFailure;
};

namespace {

constexpr qint64 kChunk = 256 * 1024;
// Deflate is dropped for a file whose first megabyte it cannot shrink (already compressed data).
constexpr qint64 kTrialBytes = 1 << 20;

quint32 emptyCrc() { return quint32(crc32(0, nullptr, 0)); }

zip_int64_t pendingSource(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  auto* entry = static_cast<ZipWriter::Pending*>(state);
  switch (command) {
    case ZIP_SOURCE_OPEN:
      entry->served = 0;
      entry->servedCrc = emptyCrc();
      if (entry->deflated) return 0;
      entry->file.setFileName(entry->path);
      if (QFileInfo(entry->path).isSymLink() || !entry->file.open(QIODevice::ReadOnly)) {
        entry->readFailure = entry->file.errorString();
        return -1;
      }
      return 0;
    case ZIP_SOURCE_READ: {
      const qint64 wanted = qint64(std::min<zip_uint64_t>(length, 1 << 30));
      if (entry->deflated) {
        const qint64 left = entry->spoolLength - entry->served;
        if (!entry->spool->seek(entry->spoolOffset + entry->served)) return -1;
        const qint64 got = entry->spool->read(static_cast<char*>(data), std::min(wanted, left));
        if (got < 0) return -1;
        entry->served += got;
        return got;
      }
      const qint64 got = entry->file.read(static_cast<char*>(data), wanted);
      if (got < 0) {
        entry->readFailure = entry->file.errorString();
        return -1;
      }
      entry->servedCrc = quint32(crc32(entry->servedCrc, static_cast<const Bytef*>(data), uInt(got)));
      entry->served += got;
      // A stored file is read a second time; it must still be what was queued.
      if ((got == 0 && (entry->served != entry->size || entry->servedCrc != entry->crc)) || entry->served > entry->size) {
        entry->readFailure = QStringLiteral("the file changed while it was archived");
        return -1;
      }
      return got;
    }
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_FREE:
      entry->file.close();
      return 0;
    case ZIP_SOURCE_STAT: {
      // With the method, sizes and CRC given, libzip copies deflated data as it is.
      auto* st = static_cast<zip_stat_t*>(data);
      zip_stat_init(st);
      st->valid = ZIP_STAT_SIZE | ZIP_STAT_MTIME | ZIP_STAT_CRC | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD;
      st->size = zip_uint64_t(entry->size);
      st->mtime = entry->modified;
      st->crc = entry->crc;
      st->comp_method = entry->deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
      st->comp_size = zip_uint64_t(entry->deflated ? entry->spoolLength : entry->size);
      return sizeof(*st);
    }
    case ZIP_SOURCE_ERROR: {
      int* codes = static_cast<int*>(data);
      codes[0] = ZIP_ER_READ;
      codes[1] = 0;
      return 2 * sizeof(int);
    }
    case ZIP_SOURCE_SUPPORTS:
      return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                            ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SUPPORTS, -1);
    default:
      return -1;
  }
}

// Reads the file once: its CRC, and its deflated form in the spool when that is smaller.
bool readAndDeflate(ZipWriter::Pending& entry, QFile& spool, QString* reason) {
  QFile file(entry.path);
  if (!file.open(QIODevice::ReadOnly)) {
    *reason = file.errorString();
    return false;
  }
  z_stream z{};
  deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  entry.spoolOffset = spool.size();
  spool.seek(entry.spoolOffset);
  QByteArray in(kChunk, Qt::Uninitialized), out(kChunk, Qt::Uninitialized);
  quint32 crc = emptyCrc();
  qint64 total = 0;
  bool deflating = true, ok = true;
  for (;;) {
    const qint64 got = file.read(in.data(), kChunk);
    if (got < 0) {
      *reason = file.errorString();
      ok = false;
      break;
    }
    crc = quint32(crc32(crc, reinterpret_cast<const Bytef*>(in.constData()), uInt(got)));
    total += got;
    if (deflating) {
      z.next_in = reinterpret_cast<Bytef*>(in.data());
      z.avail_in = uInt(got);
      const int flush = got == 0 ? Z_FINISH : Z_NO_FLUSH;
      int status = Z_OK;
      do {
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = uInt(kChunk);
        status = deflate(&z, flush);
        const qint64 produced = kChunk - z.avail_out;
        if (produced > 0 && spool.write(out.constData(), produced) != produced) {
          *reason = spool.errorString();
          ok = false;
        }
      } while (ok && (z.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END)));
      if (total >= kTrialBytes && qint64(z.total_out) >= total) deflating = false;
    }
    if (!ok || got == 0) break;
  }
  const qint64 compressed = qint64(z.total_out);
  deflateEnd(&z);
  if (ok && total != entry.size) {
    *reason = QStringLiteral("the file changed while it was read");
    ok = false;
  }
  entry.crc = crc;
  entry.deflated = ok && deflating && compressed < total;
  entry.spoolLength = entry.deflated ? compressed : 0;
  if (!entry.deflated) spool.resize(entry.spoolOffset);
  entry.spool = &spool;
  return ok;
}

// The saved entry has the file's size and CRC, and its data inflates to exactly that.
bool readsBackAs(zip_t* archive, const ZipWriter::Pending& entry) {
  zip_stat_t st;
  if (zip_stat(archive, entry.entryName.constData(), ZIP_FL_ENC_UTF_8, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
      !(st.valid & ZIP_STAT_CRC) || qint64(st.size) != entry.size || st.crc != entry.crc)
    return false;
  zip_file_t* data = zip_fopen_index(archive, st.index, 0);
  if (!data) return false;
  QByteArray buffer(kChunk, Qt::Uninitialized);
  quint32 crc = emptyCrc();
  qint64 total = 0;
  zip_int64_t got = 0;
  while ((got = zip_fread(data, buffer.data(), zip_uint64_t(buffer.size()))) > 0) {
    crc = quint32(crc32(crc, reinterpret_cast<const Bytef*>(buffer.constData()), uInt(got)));
    total += got;
  }
  zip_fclose(data);
  return got == 0 && total == entry.size && crc == entry.crc;
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

ZipWriter::ZipWriter(QString archivePath, QString comment, BatchLimits limits)
    : archivePath_(std::move(archivePath)), comment_(std::move(comment)), limits_(limits) {}

ZipWriter::~ZipWriter() = default;

bool ZipWriter::add(const QString& path, QString* reason) {
  const QFileInfo info(path);
  if (info.isSymLink() || !info.isFile()) {
    *reason = QStringLiteral("not a regular file");
    return false;
  }
  if (!spool_) {
    spool_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/tessaly-spool-XXXXXX"));
    if (!spool_->open()) {
      *reason = spool_->errorString();
      spool_.reset();
      return false;
    }
  }
  auto entry = std::make_unique<Pending>();
  entry->path = path;
  entry->entryName = archiveEntryName(path).toUtf8();
  entry->size = info.size();
  entry->modified = time_t(info.lastModified().toSecsSinceEpoch());
  entry->mode = unixModeOf(info.permissions());
  if (!readAndDeflate(*entry, *spool_, reason)) return false;
  pendingBytes_ += entry->size;
  pending_.push_back(std::move(entry));
  return true;
}

bool ZipWriter::batchFull() const {
  const qint64 archiveBytes = QFileInfo(archivePath_).size();
  return pendingCount() >= limits_.files || pendingBytes_ >= std::max(limits_.minimumBytes, archiveBytes);
}

CommitResult ZipWriter::commit(ArchiveProgress* progress) {
  std::vector<std::unique_ptr<Pending>> batch;
  batch.swap(pending_);
  pendingBytes_ = 0;
  std::vector<Pending*> toSave;
  for (auto& entry : batch) toSave.push_back(entry.get());
  CommitResult result = saveBatch(toSave, progress);
  if (spool_) spool_->resize(0);
  return result;
}

CommitResult ZipWriter::saveBatch(std::vector<Pending*> toSave, ArchiveProgress* progress) {
  CommitResult result;
  auto fail = [&](Pending& entry, const QString& reason) { result.failed.append({entry.path, reason}); };

  // A file that cannot be read fails the whole save; it is taken out and the save repeated.
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
      entry->file.close();
      zip_source_t* source = zip_source_function(archive, pendingSource, entry);
      const zip_int64_t index = source ? zip_file_add(archive, entry->entryName.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
      if (index < 0) {
        if (source) zip_source_free(source);
        fail(*entry, QString::fromUtf8(zip_strerror(archive)));
        continue;
      }
      zip_set_file_compression(archive, zip_uint64_t(index), entry->deflated ? ZIP_CM_DEFAULT : ZIP_CM_STORE, 0);
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
    if (readsBackAs(saved, *entry)) result.archived.append(entry->path);
    else fail(*entry, QStringLiteral("the saved entry does not match the file"));
  }
  zip_discard(saved);
  return result;
}

}  // namespace tessaly
