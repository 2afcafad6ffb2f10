#include "core/common/file_types.h"

#include <algorithm>

#include "platform/file_type_source.h"

namespace tessaly {
namespace {

constexpr qsizetype kLongestExtension = 5;  // the dot and up to four characters

}  // namespace

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
  // Spellings of one extension become neighbours, the one with lower-case letters first, since
  // a lower-case code is the larger: of "*.C" and "*.c" the list offers "*.c", as users type it.
  std::sort(known.begin(), known.end(), [](const QString& a, const QString& b) {
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.compare(b, Qt::CaseSensitive) > 0;
  });
  QStringList result;
  if (withAll) result.append(QStringLiteral("*.*"));
  QString previous;
  for (const QString& ext : known) {
    const bool anotherSpelling = !previous.isEmpty() && ext.compare(previous, Qt::CaseInsensitive) == 0;
    if (ext.startsWith(u'.') && ext.size() <= kLongestExtension && !anotherSpelling) result.append(u'*' + ext);
    previous = ext;
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
