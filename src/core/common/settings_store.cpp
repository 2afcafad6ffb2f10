#include "core/common/settings_store.h"

#include <QSettings>

#include "core/common/text_routines.h"
#include "platform/xdg_paths.h"

namespace tessaly {
namespace {

QSettings openHive() { return QSettings(platform::hiveFilePath(), QSettings::IniFormat); }

}  // namespace

bool parseStoredInteger(const QString& text, qint64* value) {
  bool ok = false;
  const QString trimmed = text.trimmed();
  if (trimmed.size() > 2 && (trimmed.startsWith(QStringLiteral("0x")) || trimmed.startsWith(QStringLiteral("0X")))) {
    *value = trimmed.mid(2).toLongLong(&ok, 16);
  } else {
    *value = trimmed.toLongLong(&ok, 10);
  }
  return ok;
}

IniView::IniView(QString keyPath) : keyPath_(std::move(keyPath)) {}

QString IniView::groupFor(const QString& section) const {
  QString group = keyPath_;
  group.replace(u'\\', u'/');
  return section.isEmpty() ? group : group + u'/' + section;
}

QString IniView::readString(const QString& section, const QString& key, const QString& defaultValue) const {
  const QSettings hive = openHive();
  const QVariant value = hive.value(groupFor(section) + u'/' + key);
  return value.isValid() ? value.toString() : defaultValue;
}

qint64 IniView::readInteger(const QString& section, const QString& key, qint64 defaultValue) const {
  qint64 value = 0;
  const QString text = readString(section, key, QString());
  return parseStoredInteger(text, &value) ? value : defaultValue;
}

void IniView::writeString(const QString& section, const QString& key, const QString& value) const {
  QSettings hive = openHive();
  hive.setValue(groupFor(section) + u'/' + key, value);
}

void IniView::writeInteger(const QString& section, const QString& key, qint64 value) const {
  writeString(section, key, QString::number(value));
}

QStringList IniView::readList(const QString& section, const QStringList& defaults) const {
  const QSettings hive = openHive();
  const QString group = groupFor(section) + u'/';
  qint64 count = -1;
  if (!parseStoredInteger(hive.value(group + QStringLiteral("Number")).toString(), &count)) count = -1;
  if (count < 0) return defaults;
  QStringList entries;
  for (qint64 n = 1; n <= count; ++n) {
    const QString entry = hive.value(group + QStringLiteral("File") + QString::number(n)).toString();
    if (!entry.isEmpty()) entries.append(entry);
  }
  return entries;
}

void IniView::writeList(const QString& section, const QStringList& entries) const {
  QSettings hive = openHive();
  const QString group = groupFor(section) + u'/';
  hive.setValue(group + QStringLiteral("Number"), QString::number(entries.size()));
  for (qsizetype n = 0; n < entries.size(); ++n)
    hive.setValue(group + QStringLiteral("File") + QString::number(n + 1), entries[n]);
}

IniView programSettings() { return IniView(settingsKeyPath()); }

}  // namespace tessaly
