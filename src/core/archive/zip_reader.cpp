#include "core/archive/zip_reader.h"

#include <zip.h>

#include <QFile>

#include "core/archive/entry_attributes.h"
#include "core/archive/zip_error_text.h"
#include "core/common/dialogs.h"
#include "platform/host_path.h"
#include "platform/restore_folder.h"

namespace tessaly {
namespace {

using platform::RestoreFailure;
using platform::RestoreFolder;

constexpr qint64 kCopyChunk = 1 << 16;
// A file from an archive that records no mode gets what a new file gets.
constexpr quint32 kDefaultPermissions = 0644;

const QString kLinkEntry = QStringLiteral("The entry is a link, and links are not restored.");

QString countOf(int count) { return QString::number(count); }

class EntryExtraction {
 public:
  EntryExtraction(zip_t* archive, qint64 index, const QString& name, ExtractionObserver& observer, QString* password)
      : archive_(archive), index_(zip_uint64_t(index)), name_(name), observer_(observer), password_(password) {}

  // The entry below the destination; what went wrong has been reported.
  RestoreFailure run(const RestoreFolder& destination);

 private:
  RestoreFailure fail(RestoreFailure kind, const QString& reason, const QString& engineText = {}) {
    observer_.entryFailed({name_, reason, engineText});
    return kind;
  }
  std::optional<quint32> storedMode() const;
  qint64 modifiedTime() const;
  zip_file_t* openData();

  zip_t* archive_;
  zip_uint64_t index_;
  const QString& name_;
  ExtractionObserver& observer_;
  QString* password_;
};

std::optional<quint32> EntryExtraction::storedMode() const {
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(archive_, index_, 0, &system, &attributes) != 0 || system != ZIP_OPSYS_UNIX)
    return std::nullopt;
  const quint32 mode = modeOfExternalAttributes(attributes);
  return mode == 0 ? std::nullopt : std::optional<quint32>(mode);
}

qint64 EntryExtraction::modifiedTime() const {
  for (const zip_flags_t where : {ZIP_FL_CENTRAL, ZIP_FL_LOCAL}) {
    zip_uint16_t length = 0;
    const zip_uint8_t* field = zip_file_extra_field_get_by_id(archive_, index_, kExtendedTimestampField, 0, &length, where);
    if (const std::optional<qint64> seconds = modifiedTimeOf(field, length)) return *seconds;
  }
  zip_stat_t st;
  return zip_stat_index(archive_, index_, 0, &st) == 0 && (st.valid & ZIP_STAT_MTIME) ? qint64(st.mtime) : 0;
}

zip_file_t* EntryExtraction::openData() {
  zip_file_t* data = zip_fopen_index(archive_, index_, 0);
  if (!data && zip_error_code_zip(zip_get_error(archive_)) == ZIP_ER_NOPASSWD) {
    if (!password_->isEmpty() || observer_.needPassword(password_))
      data = zip_fopen_index_encrypted(archive_, index_, 0, password_->toUtf8().constData());
    if (!data && zip_error_code_zip(zip_get_error(archive_)) == ZIP_ER_WRONGPASSWD && observer_.needPassword(password_))
      data = zip_fopen_index_encrypted(archive_, index_, 0, password_->toUtf8().constData());
  }
  return data;
}

RestoreFailure EntryExtraction::run(const RestoreFolder& destination) {
  QStringList parts = extractionParts(name_);
  if (parts.isEmpty()) return fail(RestoreFailure::Refused, QStringLiteral("The path leads out of the destination folder."));
  RestoreFailure failure = RestoreFailure::None;
  QString reason;
  if (name_.endsWith(u'/')) {
    destination.enter(parts, &failure, &reason);
    return failure == RestoreFailure::None ? failure : fail(failure, reason);
  }
  const std::optional<quint32> mode = storedMode();
  if (mode && (*mode & kFileTypeMask) == kLinkType) return fail(RestoreFailure::Refused, kLinkEntry);
  const QString fileName = parts.takeLast();
  const platform::OpenFolder folder = destination.enter(parts, &failure, &reason);
  if (failure != RestoreFailure::None) return fail(failure, reason);

  zip_file_t* data = openData();
  if (!data) {
    const QString engineText = QString::fromUtf8(zip_strerror(archive_));
    zip_error_clear(archive_);
    return fail(RestoreFailure::System, QString(), engineText);
  }
  QFile out;
  failure = RestoreFolder::createFile(folder, fileName, &out, &reason);
  if (failure != RestoreFailure::None) {
    zip_fclose(data);
    return fail(failure, failure == RestoreFailure::Exists
                             ? QStringLiteral("A file of that name is there already, and it is never replaced.")
                             : reason);
  }
  QByteArray buffer(kCopyChunk, Qt::Uninitialized);
  QString engineText;
  for (;;) {
    const zip_int64_t got = zip_fread(data, buffer.data(), zip_uint64_t(buffer.size()));
    if (got < 0) engineText = QString::fromUtf8(zip_file_strerror(data));
    if (got <= 0) break;
    if (out.write(buffer.constData(), got) != got) {
      reason = out.errorString();
      break;
    }
  }
  zip_fclose(data);
  if (engineText.isEmpty() && reason.isEmpty() &&
      RestoreFolder::finishFile(folder, fileName, &out, mode.value_or(kDefaultPermissions), modifiedTime(), &reason))
    return RestoreFailure::None;
  out.close();
  RestoreFolder::discardFile(folder, fileName);
  return fail(RestoreFailure::System, reason, engineText);
}

}  // namespace

QString extractionSummaryText(const ExtractionSummary& summary) {
  if (summary.complete()) return QStringLiteral("Files were unzipped");
  QString text = QStringLiteral("%1 of %2 files were unzipped; %3 were not.")
                     .arg(countOf(summary.extracted), countOf(summary.entries), countOf(summary.entries - summary.extracted));
  if (summary.existing > 0)
    text += QStringLiteral("\n%1 already there: an existing file is never replaced.").arg(summary.existing);
  if (summary.refused > 0)
    text += QStringLiteral("\n%1 refused: the path leaves the destination folder, passes a link that is not followed, or is a link.")
                .arg(summary.refused);
  if (summary.failed > 0) text += QStringLiteral("\n%1 could not be written or read.").arg(summary.failed);
  if (summary.notReached > 0) text += QStringLiteral("\n%1 not reached: the extraction was stopped.").arg(summary.notReached);
  return text;
}

void showEntryFailure(const QString& archiveName, const EntryFailure& failure) {
  QString text = QStringLiteral("Cannot extract ") + platform::displayPath(failure.entryName) + QStringLiteral(" from ") +
                 platform::displayPath(archiveName);
  if (!failure.reason.isEmpty()) text += u'\n' + failure.reason;
  showError(text);
  if (!failure.engineText.isEmpty()) showError(failure.engineText);
}

QStringList extractionParts(const QString& entryName) {
  QString name = entryName;
  if (name.startsWith(u'/')) name.remove(0, 1);
  if (name.isEmpty() || name.startsWith(u'/')) return {};
  QStringList kept;
  for (const QString& part : name.split(u'/', Qt::SkipEmptyParts)) {
    if (part == QStringLiteral("..")) return {};
    if (part != QStringLiteral(".")) kept.append(part);
  }
  return kept;
}

QString extractionTarget(const QString& destination, const QString& entryName) {
  const QStringList parts = extractionParts(entryName);
  if (parts.isEmpty()) return {};
  QString folder = destination;
  while (folder.size() > 1 && folder.endsWith(u'/')) folder.chop(1);
  return (folder.endsWith(u'/') ? folder : folder + u'/') + parts.join(u'/');
}

ZipReader::~ZipReader() {
  if (archive_) zip_discard(archive_);
}

bool ZipReader::open(const QString& archivePath, QString* reason) {
  int error = 0;
  zip_t* opened = zip_open(platform::encodePath(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (!opened) {
    if (reason) *reason = zipErrorText(error);
    return false;
  }
  if (archive_) zip_discard(archive_);
  archive_ = opened;
  archivePath_ = archivePath;
  entries_.clear();
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  // Raw names: a name that is not UTF-8 is the file's own bytes, not a guess at a code page.
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive_, zip_uint64_t(i), ZIP_FL_ENC_RAW);
    entries_.append(name ? platform::decodePath(name, qsizetype(qstrlen(name))) : QString());
  }
  int commentLength = 0;
  const char* comment = zip_get_archive_comment(archive_, &commentLength, ZIP_FL_ENC_GUESS);
  comment_ = comment ? QString::fromUtf8(comment, commentLength) : QString();
  return true;
}

ExtractionSummary ZipReader::extractAll(const QString& destination, ExtractionObserver& observer) {
  ExtractionSummary summary;
  if (!archive_) return summary;
  summary.entries = int(entries_.size());
  RestoreFolder folder;
  QString openFailure;
  const bool opened = folder.open(destination, &openFailure);
  QString password;
  for (qsizetype i = 0; i < entries_.size(); ++i) {
    RestoreFailure failure = RestoreFailure::System;
    if (opened) failure = EntryExtraction(archive_, i, entries_[i], observer, &password).run(folder);
    else observer.entryFailed({entries_[i], openFailure, QString()});
    switch (failure) {
      case RestoreFailure::None: ++summary.extracted; break;
      case RestoreFailure::Exists: ++summary.existing; break;
      case RestoreFailure::Refused: ++summary.refused; break;
      case RestoreFailure::System: ++summary.failed; break;
    }
    if (observer.reportProgress(int((i + 1) * 100 / entries_.size()))) {
      summary.notReached = int(entries_.size() - i - 1);
      break;
    }
  }
  return summary;
}

}  // namespace tessaly
