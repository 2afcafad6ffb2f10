#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <unordered_map>

#include "core/safeharbor/protection_check.h"

namespace tessaly {

// What the host contributes to the safe harbor besides folders.txt.
struct HostFolders {
  QString searchPath;         // the PATH value, folders separated by ":"
  QStringList systemFolders;  // each protected with all its sub-folders
};
HostFolders hostFolders();

// The safe harbor lists of the program and the check every tool asks. Paths are compared as
// they are written, letter case included, because this host's paths are case-significant.
class SafeHarbor final : public ProtectionCheck {
 public:
  using HostSource = std::function<HostFolders()>;
  explicit SafeHarbor(HostSource host = hostFolders);

  // The protected extensions, then the folder lists; sets missing().
  void load();
  // lbExt from the stored keep list; nothing while the list was never stored.
  void ReadSafeHarborExtensions();
  // lb1, lbSearchPath and lbWindows from folders.txt and the host.
  void GetSearchPath();
  // The same from given texts (what GetSearchPath reads).
  void setFolderLists(const QStringList& savedEntries, bool saved, const HostFolders& host);
  void setProtectedTypes(const QStringList& patterns);

  // folders.txt did not exist at the last loading: the tools must not open.
  bool missing() const { return safeHarborMissing; }

  bool isInExceptionList(const QString& path, bool isFile, int* reason) override;
  void forgetLastChecked() override;

  const QStringList& folderEntries() const { return lb1; }
  const QStringList& searchPathFolders() const { return lbSearchPath; }
  const QStringList& systemFolderEntries() const { return lbWindows; }
  const QStringList& protectedTypes() const { return lbExt; }
  QString lastChecked() const { return lastCheckedFolder.left(lastCheckedLength); }
  // The last answer came from the one-entry cache, without a search.
  bool answeredFromCache() const { return lastAnswerCached; }

 private:
  // A folder looked up by its text and a hash computed while walking the path, so that each
  // ancestor costs one step of the hash rather than hashing its whole text again.
  struct FolderKey {
    QStringView text;
    size_t hash;
  };
  struct FolderHash {
    using is_transparent = void;
    size_t operator()(const QString& text) const;
    size_t operator()(const FolderKey& key) const { return key.hash; }
  };
  struct FolderEqual {
    using is_transparent = void;
    bool operator()(const QString& a, const QString& b) const { return a == b; }
    bool operator()(const FolderKey& a, const QString& b) const { return a.text == b; }
    bool operator()(const QString& a, const FolderKey& b) const { return a == b.text; }
  };

  void normalizeExceptionList();
  void rebuildIndex();
  int folderReason(QStringView folder) const;
  bool matchesProtectedType(QStringView path) const;

  HostSource host_;
  QStringList lb1, lbSearchPath, lbWindows, lbExt, lb2;
  bool safeHarborMissing = true;
  // Per folder text: bit k set when list k (lbWindows, lbSearchPath, lb1) holds it as an exact
  // entry, bit k + 3 when it holds it as a "*.*" entry. The check looks up each ancestor of
  // the asked folder, so no covering entry can be missed whatever the list order.
  std::unordered_map<QString, quint8, FolderHash, FolderEqual> index_;
  // The cache's folder is the first lastCheckedLength characters of lastCheckedFolder, which
  // shares the asked path's text instead of copying it.
  QString lastCheckedFolder;
  qsizetype lastCheckedLength = 0;
  int lastReason = NotProtected;
  bool lastAnswerCached = false;
};

// The program's one safe harbor, shared by the main window and the tools.
SafeHarbor& safeHarbor();
// The check the tools ask: the program's safe harbor unless a test installed its own.
ProtectionCheck& protectionCheck();
// The caller keeps ownership; nullptr restores the program's safe harbor.
void setProtectionCheck(ProtectionCheck* check);

}  // namespace tessaly
