#include "core/safeharbor/folder_entries.h"

#include <QDir>
#include <QSet>
#include <algorithm>

namespace tessaly {
namespace {

// True when some ancestor-or-self folder of the text (a prefix ending in "/") is in folders.
bool insideAny(const QString& text, const QSet<QString>& folders) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'/' && folders.contains(text.left(i + 1))) return true;
  }
  return false;
}

}  // namespace

bool needsCleaning(QStringView folder) {
  if (folder == u"." || folder == u"..") return true;
  const qsizetype n = folder.size();
  // One pass: the check asks this of every path.
  for (qsizetype i = 0; i + 1 < n; ++i) {
    if (folder[i] != u'/') continue;
    const QChar next = folder[i + 1];
    if (next == u'/') return true;
    if (next != u'.') continue;
    if (i + 2 == n || folder[i + 2] == u'/') return true;
    if (folder[i + 2] == u'.' && (i + 3 == n || folder[i + 3] == u'/')) return true;
  }
  return false;
}

bool coversSubFolders(QStringView entry) { return entry.endsWith(allFilesMark); }

QString entryFolder(const QString& entry) {
  return coversSubFolders(entry) ? entry.chopped(allFilesMark.size()) : entry;
}

QString withTrailingSlash(const QString& folder) {
  return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString normalizedFolder(const QString& folder) {
  if (folder.isEmpty()) return {};
  if (!needsCleaning(folder)) return withTrailingSlash(folder);
  QString cleaned = QDir::cleanPath(folder);
  // cleanPath keeps a ".." that climbs above "/", but the system resolves "/.." to "/" itself:
  // "/../usr/lib" is /usr/lib and must be protected like it.
  while (cleaned == u"/.." || cleaned.startsWith(u"/../")) cleaned.remove(0, 3);
  return withTrailingSlash(cleaned.isEmpty() ? QStringLiteral("/") : cleaned);
}

QString normalizedEntry(const QString& entry) {
  const QString folder = normalizedFolder(entryFolder(entry));
  if (folder.isEmpty()) return {};
  return coversSubFolders(entry) ? folder + allFilesMark : folder;
}

bool entrySortsBefore(const QString& a, const QString& b) {
  const int folded = a.compare(b, Qt::CaseInsensitive);
  return folded != 0 ? folded < 0 : a < b;
}

void sortEntries(QStringList& entries) { std::sort(entries.begin(), entries.end(), entrySortsBefore); }

void pruneCoveredFolders(QStringList& list, QStringList& work) {
  work.clear();
  QSet<QString> recursiveFolders;
  for (const QString& entry : std::as_const(list)) {
    if (!coversSubFolders(entry)) continue;
    // A "*.*" entry listed twice comes back once.
    if (!work.contains(entry)) work.append(entry);
    recursiveFolders.insert(entryFolder(entry));
  }
  // Every entry inside a "*.*" folder goes, that entry itself included; nested "*.*" entries
  // come back from work.
  list.removeIf([&](const QString& entry) { return insideAny(entry, recursiveFolders); });
  list.append(work);
  sortEntries(list);
}

}  // namespace tessaly
