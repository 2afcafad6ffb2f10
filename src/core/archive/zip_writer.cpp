#include "core/archive/zip_writer.h"

#include <zip.h>
#include <zlib.h>

#include <QHash>
#include <algorithm>

#include "core/archive/archive_naming.h"
#include "core/archive/entry_attributes.h"
#include "core/archive/zip_error_text.h"
#include "platform/directory_reader.h"
#include "platform/file_sync.h"
#include "platform/host_files.h"
#include "platform/host_path.h"

namespace tessaly {

// One queued file: read once when queued, deflated into the spool when that makes it smaller.
struct ZipWriter::Pending {
  QString path;
  QByteArray entryName;  // the path's own bytes
  qint64 size = 0;
  qint64 modified = 0;
  quint32 permissions = 0;
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
// Raw deflate data, as a zip entry holds it: no zlib header, the largest window.
constexpr int kRawDeflateWindow = -15;
constexpr int kDeflateMemoryLevel = 8;
constexpr double kSaveProgressStep = 0.01;
constexpr int kFullPercent = 100;
const QString kChangedWhileRead = QStringLiteral("The file changed while it was archived.");

quint32 emptyCrc() { return quint32(crc32(0, nullptr, 0)); }

QString folderOf(const QString& path) {
  const qsizetype slash = path.lastIndexOf(u'/');
  return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

zip_int64_t pendingSource(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  auto* entry = static_cast<ZipWriter::Pending*>(state);
  switch (command) {
    case ZIP_SOURCE_OPEN:
      entry->served = 0;
      entry->servedCrc = emptyCrc();
      if (entry->deflated) return 0;
      return platform::openForReading(entry->path, &entry->file, &entry->readFailure) ? 0 : -1;
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
        entry->readFailure = kChangedWhileRead;
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
      st->mtime = time_t(entry->modified);
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

// Tells the progress of one file, once per whole percent; true when the answer is to abort.
class FileProgress {
 public:
  FileProgress(ArchiveProgress* progress, qint64 size) : progress_(progress), size_(size) {}
  bool report(qint64 done) {
    if (!progress_) return false;
    const int percent = size_ > 0 ? int(done * kFullPercent / size_) : kFullPercent;
    if (percent == lastPercent_) return false;
    lastPercent_ = percent;
    return progress_->reportProgress(percent);
  }

 private:
  ArchiveProgress* progress_;
  qint64 size_;
  int lastPercent_ = -1;
};

// Deflates a file chunk by chunk into the spool. When the spool cannot take more (its disk
// is full) the file is stored instead.
class SpoolDeflater {
 public:
  explicit SpoolDeflater(QFile& spool) : spool_(spool), offset_(spool.size()), out_(kChunk, Qt::Uninitialized) {
    deflateInit2(&z_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kRawDeflateWindow, kDeflateMemoryLevel, Z_DEFAULT_STRATEGY);
    deflating_ = spool_.seek(offset_);
  }
  ~SpoolDeflater() { deflateEnd(&z_); }

  void feed(const char* data, qint64 length, qint64 totalRead) {
    if (!deflating_) return;
    z_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    z_.avail_in = uInt(length);
    const int flush = length == 0 ? Z_FINISH : Z_NO_FLUSH;
    int status = Z_OK;
    do {
      z_.next_out = reinterpret_cast<Bytef*>(out_.data());
      z_.avail_out = uInt(kChunk);
      status = deflate(&z_, flush);
      const qint64 produced = kChunk - z_.avail_out;
      if (produced > 0 && spool_.write(out_.constData(), produced) != produced) deflating_ = false;
    } while (deflating_ && (z_.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END)));
    if (totalRead >= kTrialBytes && qint64(z_.total_out) >= totalRead) deflating_ = false;
  }

  // Whether the deflated form is kept; the spool gives back what it is not.
  bool keep(qint64 total, qint64* offset, qint64* length) {
    const bool smaller = deflating_ && qint64(z_.total_out) < total;
    *offset = offset_;
    *length = smaller ? qint64(z_.total_out) : 0;
    if (!smaller) spool_.resize(offset_);
    return smaller;
  }

 private:
  QFile& spool_;
  qint64 offset_;
  z_stream z_{};
  QByteArray out_;
  bool deflating_ = true;
};

enum class ReadResult { Read, Failed, Aborted };

// Reads the file once: its CRC, and its deflated form in the spool when that is smaller.
ReadResult readAndDeflate(ZipWriter::Pending& entry, QFile& spool, ArchiveProgress* progress, QString* reason) {
  QFile file;
  if (!platform::openForReading(entry.path, &file, reason)) return ReadResult::Failed;
  SpoolDeflater deflater(spool);
  FileProgress fileProgress(progress, entry.size);
  QByteArray in(kChunk, Qt::Uninitialized);
  quint32 crc = emptyCrc();
  qint64 total = 0;
  for (;;) {
    if (fileProgress.report(total)) {
      deflater.keep(0, &entry.spoolOffset, &entry.spoolLength);
      return ReadResult::Aborted;
    }
    const qint64 got = file.read(in.data(), kChunk);
    if (got < 0) {
      *reason = file.errorString();
      deflater.keep(0, &entry.spoolOffset, &entry.spoolLength);
      return ReadResult::Failed;
    }
    crc = quint32(crc32(crc, reinterpret_cast<const Bytef*>(in.constData()), uInt(got)));
    total += got;
    deflater.feed(in.constData(), got, total);
    if (got == 0) break;
  }
  entry.deflated = deflater.keep(total, &entry.spoolOffset, &entry.spoolLength);
  entry.crc = crc;
  entry.spool = &spool;
  if (total != entry.size) {
    *reason = kChangedWhileRead;
    return ReadResult::Failed;
  }
  fileProgress.report(total);
  return ReadResult::Read;
}

// The entries by their stored bytes. libzip's own look-up by name compares names converted
// from the code page a name without the UTF-8 flag is guessed to be in, so it cannot find
// such a name by its bytes.
QHash<QByteArray, zip_int64_t> entriesByRawName(zip_t* archive) {
  QHash<QByteArray, zip_int64_t> byName;
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  byName.reserve(qsizetype(count));
  for (zip_int64_t i = 0; i < count; ++i) {
    if (const char* name = zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_RAW)) byName.insert(QByteArray(name), i);
  }
  return byName;
}

// The saved entry has the file's size and CRC, and its data inflates to exactly that.
bool readsBackAs(zip_t* archive, zip_int64_t index, const ZipWriter::Pending& entry) {
  zip_stat_t st;
  if (index < 0 || zip_stat_index(archive, zip_uint64_t(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
      !(st.valid & ZIP_STAT_CRC) || qint64(st.size) != entry.size || st.crc != entry.crc)
    return false;
  zip_file_t* data = zip_fopen_index(archive, zip_uint64_t(index), 0);
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

// Adds the entry with its mode and exact time; false with the engine's reason.
bool addEntry(zip_t* archive, ZipWriter::Pending* entry, QString* reason) {
  // A name that is not UTF-8 is stored as its bytes, without the UTF-8 flag.
  const zip_flags_t encoding = platform::hasRawBytes(entry->path) ? ZIP_FL_ENC_GUESS : ZIP_FL_ENC_UTF_8;
  zip_source_t* source = zip_source_function(archive, pendingSource, entry);
  const zip_int64_t index = source ? zip_file_add(archive, entry->entryName.constData(), source, encoding) : -1;
  if (index < 0) {
    if (source) zip_source_free(source);
    *reason = zipFailureText(zip_get_error(archive));
    return false;
  }
  const zip_uint64_t at = zip_uint64_t(index);
  zip_set_file_compression(archive, at, entry->deflated ? ZIP_CM_DEFAULT : ZIP_CM_STORE, 0);
  zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX, externalAttributesOf(entry->permissions));
  const QByteArray stamp = extendedTimestamp(entry->modified);
  if (!stamp.isEmpty())
    zip_file_extra_field_set(archive, at, kExtendedTimestampField, ZIP_EXTRA_FIELD_NEW,
                             reinterpret_cast<const zip_uint8_t*>(stamp.constData()), zip_uint16_t(stamp.size()),
                             ZIP_FL_LOCAL | ZIP_FL_CENTRAL);
  return true;
}

struct SaveProgress {
  ArchiveProgress* progress = nullptr;
  bool aborted = false;
};

void onSaveProgress(zip_t*, double fraction, void* state) {
  auto* save = static_cast<SaveProgress*>(state);
  if (save->progress && save->progress->reportProgress(int(fraction * kFullPercent))) save->aborted = true;
}

int onSaveCancel(zip_t*, void* state) { return static_cast<SaveProgress*>(state)->aborted ? 1 : 0; }

}  // namespace

ZipWriter::ZipWriter(QString archivePath, QString comment, BatchLimits limits)
    : archivePath_(std::move(archivePath)), comment_(std::move(comment)), limits_(limits) {}

ZipWriter::~ZipWriter() = default;

// The spool lies beside the archive: the temporary folder may be held in memory, and a
// large file's deflated data must not fill it.
bool ZipWriter::openSpool(QString* reason) {
  if (spool_) return true;
  auto spool = std::make_unique<QFile>();
  if (!platform::openScratchFile(folderOf(archivePath_), spool.get(), reason)) return false;
  spool_ = std::move(spool);
  return true;
}

AddResult ZipWriter::add(const QString& path, QString* reason, ArchiveProgress* progress) {
  platform::EntryStatus status;
  if (!platform::pathStatus(path, &status, reason)) return AddResult::Refused;
  if (status.kind != platform::EntryStatus::File) {
    *reason = QStringLiteral("It is not a regular file.");
    return AddResult::Refused;
  }
  if (!openSpool(reason)) return AddResult::Refused;
  auto entry = std::make_unique<Pending>();
  entry->path = path;
  entry->entryName = platform::encodePath(archiveEntryName(path));
  entry->size = status.size;
  entry->modified = status.writeSeconds;
  entry->permissions = status.permissions;
  switch (readAndDeflate(*entry, *spool_, progress, reason)) {
    case ReadResult::Failed: return AddResult::Refused;
    case ReadResult::Aborted: return AddResult::Aborted;
    case ReadResult::Read: break;
  }
  pendingBytes_ += entry->size;
  pending_.push_back(std::move(entry));
  return AddResult::Queued;
}

bool ZipWriter::batchFull() const {
  platform::EntryStatus archive;
  const qint64 archiveBytes = platform::pathStatus(archivePath_, &archive) ? archive.size : 0;
  return pendingCount() >= limits_.files || pendingBytes_ >= std::max(limits_.minimumBytes, archiveBytes);
}

CommitResult ZipWriter::commit(ArchiveProgress* progress) {
  std::vector<std::unique_ptr<Pending>> batch;
  batch.swap(pending_);
  pendingBytes_ = 0;
  std::vector<Pending*> toSave;
  for (auto& entry : batch) toSave.push_back(entry.get());
  CommitResult result;
  if (!toSave.empty()) saveInParts(toSave, progress, result);
  if (spool_) spool_->resize(0);
  return result;
}

// A full disk refuses the whole batch; its first half may still fit, and then perhaps part
// of the rest. Once a single file does not fit, the rest of the batch is not tried again.
ZipWriter::PartResult ZipWriter::saveInParts(std::vector<Pending*> entries, ArchiveProgress* progress,
                                             CommitResult& result) {
  const auto failAll = [&result](const std::vector<Pending*>& failing, const QString& why) {
    for (Pending* entry : failing) result.failed.append({entry->path, why});
  };
  QString reason;
  switch (saveOnce(entries, progress, result, &reason)) {
    case SaveStatus::Saved:
      checkSaved(entries, result);
      return PartResult::Done;
    case SaveStatus::Aborted:
      for (Pending* entry : entries) result.abandoned.append(entry->path);
      return PartResult::Aborted;
    case SaveStatus::Failed:
      failAll(entries, reason);
      return PartResult::Done;
    case SaveStatus::DiskFull:
      break;
  }
  if (entries.size() == 1) {
    failAll(entries, reason);
    return PartResult::DiskFull;
  }
  const auto middle = entries.begin() + qsizetype(entries.size() / 2);
  const std::vector<Pending*> rest(middle, entries.end());
  entries.erase(middle, entries.end());
  switch (saveInParts(entries, progress, result)) {
    case PartResult::Done:
      return saveInParts(rest, progress, result);
    case PartResult::Aborted:
      for (Pending* entry : rest) result.abandoned.append(entry->path);
      return PartResult::Aborted;
    case PartResult::DiskFull:
      failAll(rest, reason);
      return PartResult::DiskFull;
  }
  return PartResult::Done;
}

// One write of the archive with these entries. A file that cannot be read fails the whole
// write; it is taken out (reported in result) and the write repeated.
ZipWriter::SaveStatus ZipWriter::saveOnce(std::vector<Pending*>& entries, ArchiveProgress* progress,
                                          CommitResult& result, QString* reason) {
  while (!entries.empty()) {
    int openError = 0;
    zip_t* archive = zip_open(platform::encodePath(archivePath_).constData(), ZIP_CREATE, &openError);
    if (!archive) {
      *reason = zipErrorText(openError);
      return SaveStatus::Failed;
    }
    const QByteArray comment = comment_.toUtf8();
    zip_set_archive_comment(archive, comment.constData(), zip_uint16_t(comment.size()));
    std::vector<Pending*> added;
    QHash<QByteArray, zip_int64_t> names = entriesByRawName(archive);
    for (Pending* entry : entries) {
      QString refusal;
      // An entry of the same name holds an earlier file that may exist nowhere else.
      if (names.contains(entry->entryName)) {
        result.failed.append({entry->path, QStringLiteral("The archive already holds a file of that name.")});
      } else if (!addEntry(archive, entry, &refusal)) {
        result.failed.append({entry->path, refusal});
      } else {
        entry->readFailure.clear();
        entry->file.close();
        names.insert(entry->entryName, -1);
        added.push_back(entry);
      }
    }
    entries = added;
    if (added.empty()) {
      zip_discard(archive);
      return SaveStatus::Saved;
    }
    SaveProgress save{progress};
    zip_register_progress_callback_with_state(archive, kSaveProgressStep, onSaveProgress, nullptr, &save);
    zip_register_cancel_callback_with_state(archive, onSaveCancel, nullptr, &save);
    if (zip_close(archive) == 0) return SaveStatus::Saved;
    *reason = zipFailureText(zip_get_error(archive));
    const bool diskFull = zipFailedForSpace(zip_get_error(archive));
    zip_discard(archive);
    if (save.aborted) return SaveStatus::Aborted;
    std::vector<Pending*> readable;
    for (Pending* entry : added) {
      if (entry->readFailure.isEmpty()) readable.push_back(entry);
      else result.failed.append({entry->path, entry->readFailure});
    }
    if (readable.size() == added.size()) return diskFull ? SaveStatus::DiskFull : SaveStatus::Failed;
    entries = readable;
  }
  return SaveStatus::Saved;
}

void ZipWriter::checkSaved(const std::vector<Pending*>& entries, CommitResult& result) {
  if (entries.empty()) return;
  if (!platform::syncToDisk(archivePath_)) {
    for (Pending* entry : entries) result.failed.append({entry->path, QStringLiteral("The archive could not be written to disk.")});
    return;
  }
  int openError = 0;
  zip_t* saved = zip_open(platform::encodePath(archivePath_).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &openError);
  if (!saved) {
    for (Pending* entry : entries)
      result.failed.append({entry->path, QStringLiteral("The saved archive cannot be read: ") + zipErrorText(openError)});
    return;
  }
  const QHash<QByteArray, zip_int64_t> names = entriesByRawName(saved);
  for (Pending* entry : entries) {
    if (readsBackAs(saved, names.value(entry->entryName, -1), *entry)) result.archived.append(entry->path);
    else result.failed.append({entry->path, QStringLiteral("The saved entry does not match the file.")});
  }
  zip_discard(saved);
}

}  // namespace tessaly
