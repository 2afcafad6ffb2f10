#include "core/safeharbor/safe_harbor.h"

#include <bit>

#include "core/common/settings_store.h"
#include "core/safeharbor/folder_entries.h"
#include "core/safeharbor/folders_file.h"
#include "platform/system_folders.h"
#include "core/safeharbor/pattern_lines.h"

namespace tessaly {
namespace {

constexpr int listCount = 3;  // lbWindows, lbSearchPath, lb1: reasons 1, 2, 3
constexpr quint8 exactBits = 0b111;

// FNV-1a over the UTF-16 code units.
constexpr size_t hashSeed = 14695981039346656037ull;
inline size_t hashStep(size_t hash, QChar c) { return (hash ^ c.unicode()) * 1099511628211ull; }

void appendOnce(QStringList& list, const QString& entry) {
  if (!list.contains(entry)) list.append(entry);
}

void normalizeEach(QStringList& list) {
  QStringList normalized;
  normalized.reserve(list.size());
  for (const QString& entry : std::as_const(list)) {
    const QString form = normalizedEntry(entry);
    if (!form.isEmpty()) normalized.append(form);
  }
  normalized.removeDuplicates();
  list = normalized;
}

}  // namespace

HostFolders hostFolders() { return {platform::searchPathVariable(), platform::systemFolders()}; }

SafeHarbor::SafeHarbor(HostSource host) : host_(std::move(host)) {}

void SafeHarbor::load() {
  ReadSafeHarborExtensions();
  GetSearchPath();
}

void SafeHarbor::ReadSafeHarborExtensions() {
  setProtectedTypes(programSettings().readList(kProtectedTypesSection, {}));
}

void SafeHarbor::setProtectedTypes(const QStringList& patterns) {
  lbExt.clear();
  for (const QString& pattern : patterns) {
    if (!pattern.isEmpty()) lbExt.append(pattern.toLower());
  }
  sortEntries(lbExt);
  forgetLastChecked();
}

void SafeHarbor::GetSearchPath() { setFolderLists(readFoldersFile(), foldersFileExists(), host_()); }

void SafeHarbor::setFolderLists(const QStringList& savedEntries, bool saved, const HostFolders& host) {
  safeHarborMissing = !saved;
  lb1 = savedEntries;
  lbSearchPath.clear();
  lbWindows.clear();
  for (const QString& piece : host.searchPath.split(u':', Qt::SkipEmptyParts)) {
    const QString folder = withTrailingSlash(piece);
    appendOnce(lb1, folder);
    appendOnce(lbSearchPath, folder);
  }
  for (const QString& folder : host.systemFolders) {
    const QString entry = withTrailingSlash(folder) + allFilesMark;
    appendOnce(lb1, entry);
    appendOnce(lbWindows, entry);
  }
  normalizeExceptionList();
  pruneCoveredFolders(lb1, lb2);
  rebuildIndex();
  // A reload can change any answer, so the cached one goes too.
  forgetLastChecked();
}

void SafeHarbor::normalizeExceptionList() {
  normalizeEach(lb1);
  normalizeEach(lbSearchPath);
  normalizeEach(lbWindows);
  sortEntries(lbSearchPath);
  sortEntries(lbWindows);
}

void SafeHarbor::rebuildIndex() {
  index_.clear();
  const QStringList* lists[listCount] = {&lbWindows, &lbSearchPath, &lb1};
  for (int k = 0; k < listCount; ++k) {
    for (const QString& entry : *lists[k]) {
      if (coversSubFolders(entry))
        index_[entryFolder(entry)] |= quint8(1u << (k + listCount));
      else
        index_[entry] |= quint8(1u << k);
    }
  }
}

size_t SafeHarbor::FolderHash::operator()(const QString& text) const {
  size_t hash = hashSeed;
  for (QChar c : text) hash = hashStep(hash, c);
  return hash;
}

int SafeHarbor::folderReason(QStringView folder) const {
  quint8 found = 0;
  size_t hash = hashSeed;
  for (qsizetype i = 0; i < folder.size(); ++i) {
    hash = hashStep(hash, folder[i]);
    if (folder[i] != u'/') continue;
    const auto it = index_.find(FolderKey{folder.left(i + 1), hash});
    if (it == index_.end()) continue;
    found |= it->second >> listCount;                          // "*.*" entries of an ancestor
    if (i == folder.size() - 1) found |= it->second & exactBits;  // entries of the folder itself
  }
  found &= exactBits;
  return found == 0 ? NotProtected : std::countr_zero(unsigned(found)) + 1;
}

bool SafeHarbor::matchesProtectedType(QStringView path) const {
  const QStringView name = path.mid(path.lastIndexOf(u'/') + 1);
  const qsizetype dot = name.lastIndexOf(u'.');
  const QStringView extension = dot < 0 ? QStringView() : name.mid(dot);
  for (const QString& entry : lbExt) {
    const QStringView pattern(entry);
    if (pattern.startsWith(u'*') && pattern.mid(1).compare(extension, Qt::CaseInsensitive) == 0) return true;
    if (pattern.compare(name, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

bool SafeHarbor::isInExceptionList(const QString& path, bool isFile, int* reason) {
  // The folder is a prefix of source: of the path itself for a file, so no text is copied.
  QString source = path;
  qsizetype length = 0;
  if (isFile) {
    length = path.lastIndexOf(u'/') + 1;
  } else {
    if (!path.isEmpty() && !path.endsWith(u'/')) source += u'/';
    length = source.size();
  }
  if (needsCleaning(QStringView(source).left(length))) {
    source = normalizedFolder(source.left(length));
    length = source.size();
  }
  const QStringView folder = QStringView(source).left(length);
  lastAnswerCached = lastCheckedLength > 0 && lbExt.isEmpty() &&
                     folder == QStringView(lastCheckedFolder).left(lastCheckedLength);
  if (!lastAnswerCached) {
    lastCheckedFolder = source;
    lastCheckedLength = length;
    lastReason = folderReason(folder);
    if (lastReason == NotProtected && isFile && matchesProtectedType(path)) lastReason = ProtectedTypeReason;
  }
  if (reason) *reason = lastReason;
  return lastReason > NotProtected;
}

void SafeHarbor::forgetLastChecked() {
  lastCheckedFolder.clear();
  lastCheckedLength = 0;
  lastReason = NotProtected;
}

SafeHarbor& safeHarbor() {
  static SafeHarbor instance;
  return instance;
}

namespace {
ProtectionCheck* installedCheck = nullptr;
}

ProtectionCheck& protectionCheck() { return installedCheck ? *installedCheck : safeHarbor(); }

void setProtectionCheck(ProtectionCheck* check) { installedCheck = check; }

}  // namespace tessaly
