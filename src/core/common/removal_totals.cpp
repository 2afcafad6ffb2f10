#include "core/common/removal_totals.h"

#include "core/common/date_texts.h"
#include "core/common/settings_store.h"

namespace tessaly {
namespace {

const QString kSection = QStringLiteral("Tessaly");

void addToTotal(const IniView& store, const QString& key, qint64 amount) {
  const qint64 stored = store.readInteger(kSection, key, -1);
  store.writeInteger(kSection, key, stored > 0 ? stored + amount : amount);
}

void stampStartDay(const IniView& store, const QString& key, const QDate& today) {
  if (store.readInteger(kSection, key, -1) == -1) store.writeInteger(kSection, key, dayNumber(today));
}

}  // namespace

RemovalTotals readRemovalTotals() {
  const IniView store = programSettings();
  RemovalTotals t;
  t.deletedFiles = store.readInteger(kSection, QStringLiteral("Ndelete"), -1);
  t.deletedBytes = store.readInteger(kSection, QStringLiteral("SizeDelete"), -1);
  t.trashedFiles = store.readInteger(kSection, QStringLiteral("NWaste"), -1);
  t.trashedBytes = store.readInteger(kSection, QStringLiteral("SizeWaste"), -1);
  t.deletionStartDay = store.readInteger(kSection, QStringLiteral("DelDate"), -1);
  t.archivedFiles = store.readInteger(kSection, QStringLiteral("NZip"), -1);
  t.archivedBytes = store.readInteger(kSection, QStringLiteral("SizeZip"), -1);
  t.archiveStartDay = store.readInteger(kSection, QStringLiteral("ZipDate"), -1);
  return t;
}

void recordDeletions(RemovalKind kind, qint64 files, qint64 bytes, const QDate& today) {
  const IniView store = programSettings();
  const bool trashed = kind == RemovalKind::Trashed;
  // All four counters are written, the other kind's with nothing added: an absent one becomes 0.
  addToTotal(store, QStringLiteral("Ndelete"), trashed ? 0 : files);
  addToTotal(store, QStringLiteral("SizeDelete"), trashed ? 0 : bytes);
  addToTotal(store, QStringLiteral("NWaste"), trashed ? files : 0);
  addToTotal(store, QStringLiteral("SizeWaste"), trashed ? bytes : 0);
  stampStartDay(store, QStringLiteral("DelDate"), today);
}

void recordArchived(qint64 files, qint64 bytes, const QDate& today) {
  const IniView store = programSettings();
  addToTotal(store, QStringLiteral("NZip"), files);
  addToTotal(store, QStringLiteral("SizeZip"), bytes);
  stampStartDay(store, QStringLiteral("ZipDate"), today);
}

void resetRemovalTotals() {
  const IniView store = programSettings();
  for (const char* key : {"Ndelete", "SizeDelete", "NWaste", "SizeWaste", "DelDate", "NZip", "SizeZip", "ZipDate"})
    store.writeInteger(kSection, QString::fromLatin1(key), -1);
}

}  // namespace tessaly
