#include "core/walk/directory_walk.h"

#include "core/common/dialogs.h"
#include "core/common/file_types.h"
#include "core/walk/tree_walker.h"
#include "platform/directory_reader.h"
#include "platform/drive_table.h"

namespace tessaly {
namespace {

QString withoutTrailingSlash(QString path) {
  while (path.size() > 1 && path.endsWith(u'/')) path.chop(1);
  return path;
}

}  // namespace

QString rootDrive(const QString& root) {
  const QString mountPoint = platform::driveHolding(root).mountPoint;
  return mountPoint.isEmpty() ? root : mountPoint;
}

// A path no listed drive holds counts as ready, as an item without a drive letter did.
bool rootDriveReady(const QString& root) {
  const QString mountPoint = platform::driveHolding(root).mountPoint;
  return mountPoint.isEmpty() || pathDriveReady(mountPoint);
}

DirectoryWalk::DirectoryWalk(WalkRequest request, WalkVisitor& visitor, WalkPacer* pacer)
    : request_(std::move(request)), visitor_(visitor), pacer_(pacer) {}

void DirectoryWalk::walkRoots(const QList<WalkRoot>& roots, const std::function<void(const WalkRoot&)>& perRoot) {
  aborted_ = false;  // each call is a new scan; an earlier abort must not end it
  for (const WalkRoot& root : roots) {
    // After an abort the later roots return at once, without being opened.
    if (aborted_) return;
    if (!rootDriveReady(root.path)) continue;
    const bool entered = walkRoot(root.path, [&] {
      if (perRoot) perRoot(root);
    });
    if (!entered) dialogs().quietMessage(MessageStyle::Error, QStringLiteral("Can't open drive ") + root.text);
  }
}

bool DirectoryWalk::walk(const QString& root) { return walkRoot(root, {}); }

bool DirectoryWalk::walkRoot(const QString& root, const std::function<void()>& beforeWalk) {
  const QString path = withoutTrailingSlash(root);
  platform::OpenFolder folder = platform::OpenFolder::openRoot(path);
  platform::EntryStatus status;
  if (!folder.isOpen() || !folder.status(&status)) return false;
  if (beforeWalk) beforeWalk();
  TreeWalker walker(request_, visitor_, pacer_, aborted_);
  walker.run(std::move(folder), status, path);
  return true;
}

bool matchesPattern(const QString& name, const QString& pattern) {
  if (pattern == QStringLiteral("*.*") || pattern == QStringLiteral("*")) return true;
  // Classic wildcard matching with one backtrack point, comparing case-folded characters.
  const auto match = [&name](QStringView wild) {
    qsizetype n = 0, w = 0, starW = -1, starN = 0;
    while (n < name.size()) {
      if (w < wild.size() && wild[w] == u'*') {
        starW = w++;
        starN = n;
      } else if (w < wild.size() && (wild[w] == u'?' || wild[w].toCaseFolded() == name[n].toCaseFolded())) {
        ++w;
        ++n;
      } else if (starW >= 0) {
        w = starW + 1;
        n = ++starN;
      } else {
        return false;
      }
    }
    while (w < wild.size() && wild[w] == u'*') ++w;
    return w == wild.size();
  };
  if (match(pattern)) return true;
  // "readme.*" also takes a name without any extension, as users of such patterns expect.
  return pattern.endsWith(QStringLiteral(".*")) && !name.contains(u'.') && match(QStringView(pattern).chopped(2));
}

bool passesMask(quint8 attributes, quint8 mask) {
  constexpr quint8 kSpecial = HiddenAttribute | SystemAttribute | VolumeLabelAttribute | DirectoryAttribute;
  return (attributes & kSpecial & ~mask) == 0;
}

}  // namespace tessaly
