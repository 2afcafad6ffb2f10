#include "core/archive/archive_naming.h"

#include <QLocale>

#include "core/common/text_routines.h"
#include "platform/xdg_paths.h"

namespace tessaly {

QString archiveTimeText(const QDateTime& when) {
  const QDate date = when.date();
  const QTime time = when.time();
  return QStringLiteral("%1%2%3%4%5")
      .arg(date.day(), 2, 10, QLatin1Char('0'))
      .arg(QLocale().monthName(date.month(), QLocale::ShortFormat))
      .arg(date.year() % 100, 2, 10, QLatin1Char('0'))
      .arg(time.hour(), 2, 10, QLatin1Char('0'))
      .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QString archiveFileName(const QString& folder, const QString& tag, const QString& drivePart, const QDateTime& when) {
  const QString base = folder.isEmpty() ? platform::homeFolder() : folder;
  return joinPath(base, QStringLiteral("Drive-") + drivePart + u'-' + tag + archiveTimeText(when) + QStringLiteral(".zip"));
}

QString archiveEntryName(const QString& path) {
  QString name = path;
  while (name.startsWith(u'/')) name.remove(0, 1);
  return name;
}

QString archiveDrivePart(const QString& archivePath) {
  const QString name = archivePath.mid(archivePath.lastIndexOf(u'/') + 1);
  const qsizetype start = name.indexOf(QStringLiteral("Drive-"), 0, Qt::CaseInsensitive);
  if (start < 0) return {};
  const qsizetype from = start + 6;
  const qsizetype end = name.indexOf(u'-', from);
  return name.mid(from, end < 0 ? -1 : end - from);
}

}  // namespace tessaly
