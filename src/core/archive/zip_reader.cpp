#include "core/archive/zip_reader.h"

#include <zip.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/archive/file_mode.h"
#include "core/archive/zip_error_text.h"

namespace tessaly {
namespace {

// True when the folder, after resolving every link in it, still lies at or below root.
bool staysInside(const QString& canonicalRoot, const QString& folder) {
  const QString resolved = QFileInfo(folder).canonicalFilePath();
  if (resolved.isEmpty()) return false;
  return resolved == canonicalRoot || resolved.startsWith(canonicalRoot.endsWith(u'/') ? canonicalRoot : canonicalRoot + u'/');
}

// Creates the folders from root down to folder, refusing any existing link on the way.
bool makeFoldersInside(const QString& root, const QString& folder) {
  const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
  if (canonicalRoot.isEmpty()) return false;
  const QString relative = QDir(root).relativeFilePath(folder);
  QString current = QDir::cleanPath(root);
  for (const QString& part : relative.split(u'/', Qt::SkipEmptyParts)) {
    if (part == QStringLiteral(".")) continue;
    current = QDir::cleanPath(current + u'/' + part);
    const QFileInfo info(current);
    if (info.isSymLink()) return false;
    if (!info.exists() && !QDir().mkdir(current)) return false;
    if (!QFileInfo(current).isDir() || !staysInside(canonicalRoot, current)) return false;
  }
  return true;
}

}  // namespace

QString extractionTarget(const QString& destination, const QString& entryName) {
  QString name = entryName;
  if (name.startsWith(u'/')) name.remove(0, 1);
  if (name.isEmpty() || name.startsWith(u'/')) return {};
  QStringList kept;
  for (const QString& part : name.split(u'/', Qt::SkipEmptyParts)) {
    if (part == QStringLiteral("..")) return {};
    if (part != QStringLiteral(".")) kept.append(part);
  }
  if (kept.isEmpty()) return {};
  const QString folder = QDir::cleanPath(destination);
  return (folder.endsWith(u'/') ? folder : folder + u'/') + kept.join(u'/');
}

ZipReader::~ZipReader() {
  if (archive_) zip_discard(archive_);
}

bool ZipReader::open(const QString& archivePath, QString* reason) {
  int error = 0;
  zip_t* opened = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (!opened) {
    if (reason) *reason = zipErrorText(error);
    return false;
  }
  if (archive_) zip_discard(archive_);
  archive_ = opened;
  archivePath_ = archivePath;
  entries_.clear();
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) entries_.append(QString::fromUtf8(zip_get_name(archive_, zip_uint64_t(i), ZIP_FL_ENC_GUESS)));
  int commentLength = 0;
  const char* comment = zip_get_archive_comment(archive_, &commentLength, ZIP_FL_ENC_GUESS);
  comment_ = comment ? QString::fromUtf8(comment, commentLength) : QString();
  return true;
}

int ZipReader::extractAll(const QString& destination, ExtractionObserver& observer) {
  if (!archive_) return 0;
  QString password;
  int written = 0;
  for (qsizetype i = 0; i < entries_.size(); ++i) {
    if (extractEntry(i, destination, observer, &password)) ++written;
    observer.reportProgress(int((i + 1) * 100 / entries_.size()));
  }
  return written;
}

bool ZipReader::extractEntry(qint64 index, const QString& destination, ExtractionObserver& observer, QString* password) {
  const QString& name = entries_[index];
  const QString target = extractionTarget(destination, name);
  if (target.isEmpty()) {
    observer.entryFailed(name, QString());
    return false;
  }
  if (name.endsWith(u'/')) {
    if (!makeFoldersInside(destination, target)) observer.entryFailed(name, QString());
    return false;
  }
  const QFileInfo targetInfo(target);
  if (!makeFoldersInside(destination, targetInfo.path()) || targetInfo.exists() || targetInfo.isSymLink()) {
    observer.entryFailed(name, QString());
    return false;
  }

  zip_file_t* entry = zip_fopen_index(archive_, zip_uint64_t(index), 0);
  if (!entry && zip_error_code_zip(zip_get_error(archive_)) == ZIP_ER_NOPASSWD) {
    if (!password->isEmpty() || observer.needPassword(password))
      entry = zip_fopen_index_encrypted(archive_, zip_uint64_t(index), 0, password->toUtf8().constData());
    if (!entry && zip_error_code_zip(zip_get_error(archive_)) == ZIP_ER_WRONGPASSWD && observer.needPassword(password))
      entry = zip_fopen_index_encrypted(archive_, zip_uint64_t(index), 0, password->toUtf8().constData());
  }
  if (!entry) {
    observer.entryFailed(name, QString::fromUtf8(zip_strerror(archive_)));
    zip_error_clear(archive_);
    return false;
  }

  // NewOnly creates the file exclusively, so a link that appeared meanwhile is never followed.
  QFile out(target);
  bool ok = out.open(QIODevice::WriteOnly | QIODevice::NewOnly);
  QString engineText;
  char buffer[1 << 16];
  while (ok) {
    const zip_int64_t got = zip_fread(entry, buffer, sizeof buffer);
    if (got < 0) {
      engineText = QString::fromUtf8(zip_file_strerror(entry));
      ok = false;
    } else if (got == 0) {
      break;
    } else {
      ok = out.write(buffer, got) == got;
    }
  }
  zip_fclose(entry);
  if (!ok) {
    if (out.isOpen()) out.remove();
    observer.entryFailed(name, engineText);
    return false;
  }
  zip_stat_t st;
  if (zip_stat_index(archive_, zip_uint64_t(index), 0, &st) == 0 && (st.valid & ZIP_STAT_MTIME))
    out.setFileTime(QDateTime::fromSecsSinceEpoch(st.mtime), QFileDevice::FileModificationTime);
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(archive_, zip_uint64_t(index), 0, &system, &attributes) == 0 &&
      system == ZIP_OPSYS_UNIX && (attributes >> 16) != 0)
    out.setPermissions(permissionsOf(attributes >> 16));
  return true;
}

}  // namespace tessaly
