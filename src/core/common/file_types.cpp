#include "core/common/file_types.h"

#include <algorithm>

#include "platform/file_type_source.h"

namespace tessaly {

QString fileTypeDescription(const QString& ext) {
  if (ext == QStringLiteral("*.")) return QStringLiteral("No extension");
  if (ext.isEmpty()) return {};
  const platform::FileTypeEntry entry = platform::fileTypeSource().lookup(ext);
  QString result = entry.description.isEmpty() ? entry.className : entry.description;
  if (result.isEmpty() && !ext.contains(u'*')) {
    QString upper = ext.mid(1);
    for (QChar& c : upper) {
      if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    }
    result = upper + QStringLiteral(" File");
  }
  return result;
}

QStringList registeredExtensions(bool withAll) {
  QStringList known = platform::fileTypeSource().knownExtensions();
  std::sort(known.begin(), known.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  QStringList result;
  if (withAll) result.append(QStringLiteral("*.*"));
  for (const QString& ext : known) {
    if (ext.startsWith(u'.') && ext.size() <= 5) result.append(u'*' + ext);
  }
  return result;
}

platform::DiskSpace getDiskSpace(const QString& root) { return platform::driveTable().space(root); }

bool pathDriveReady(const QString& path) { return platform::driveTable().ready(path); }

QString extensionOf(const QString& fileName) {
  const qsizetype slash = fileName.lastIndexOf(u'/');
  const qsizetype dot = fileName.lastIndexOf(u'.');
  if (dot <= slash) return {};
  return fileName.mid(dot);
}

}  // namespace tessaly
