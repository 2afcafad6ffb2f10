#pragma once

#include <zip.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "core/archive/zip_reader.h"

// Extraction without a user: no password, no progress, the failed entries noted.
class QuietExtraction final : public tessaly::ExtractionObserver {
 public:
  bool reportProgress(int) override { return false; }
  bool needPassword(QString*) override { return false; }
  void entryFailed(const tessaly::EntryFailure& failure) override { failed.append(failure.entryName); }
  QStringList failed;
};

// Writes an archive entry by entry with libzip directly, for archives the program itself
// would never make (climbing names, encrypted entries).
inline bool craftArchive(const QString& path, const std::vector<std::pair<QByteArray, QByteArray>>& entries,
                         const char* password = nullptr) {
  int error = 0;
  zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return false;
  for (const auto& [name, data] : entries) {
    zip_source_t* source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
    const zip_int64_t index = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) return false;
    if (password) zip_file_set_encryption(archive, zip_uint64_t(index), ZIP_EM_AES_256, password);
  }
  return zip_close(archive) == 0;
}

// The entry of exactly these name bytes (libzip's own look-up compares converted names).
inline zip_int64_t rawIndex(zip_t* archive, const QByteArray& name) {
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    if (name == zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_RAW)) return i;
  }
  return -1;
}

// Gives an entry of an archive a Unix mode (type and permission bits).
inline bool setEntryMode(const QString& archivePath, const QByteArray& name, quint32 mode) {
  int error = 0;
  zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), 0, &error);
  if (!archive) return false;
  const zip_int64_t index = rawIndex(archive, name);
  const bool set = index >= 0 && zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, mode << 16) == 0;
  return zip_close(archive) == 0 && set;
}

// The archive holds an entry of exactly these name bytes.
inline bool holdsRawName(const QString& archivePath, const QByteArray& name) {
  int error = 0;
  zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &error);
  if (!archive) return false;
  const bool found = rawIndex(archive, name) >= 0;
  zip_discard(archive);
  return found;
}

// The compression method libzip recorded for an entry; -2 when the entry is missing.
inline int storedMethod(const QString& archivePath, const QByteArray& name) {
  int error = 0;
  zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &error);
  if (!archive) return -2;
  zip_stat_t st;
  const int method = zip_stat(archive, name.constData(), 0, &st) == 0 ? int(st.comp_method) : -2;
  zip_discard(archive);
  return method;
}
