#include <gtest/gtest.h>

#include <random>

#include "core/safeharbor/safe_harbor.h"

namespace tessaly {
namespace {

// The check written straight from the rules, entry by entry, with nothing sorted or indexed.
struct BruteForceHarbor {
  QStringList lists[3];  // the system folders, the search path, everything (reasons 1, 2, 3)
  QStringList types;

  static bool entryCovers(const QString& entry, const QString& folder) {
    const bool recursive = entry.endsWith(QStringLiteral("*.*"));
    QString entryFolder = recursive ? entry.chopped(3) : entry;
    if (!entryFolder.endsWith(u'/')) entryFolder += u'/';
    return recursive ? folder.startsWith(entryFolder) : folder == entryFolder;
  }

  int reason(const QString& path, bool isFile) const {
    QString folder = isFile ? path.left(path.lastIndexOf(u'/') + 1) : path;
    if (!folder.endsWith(u'/')) folder += u'/';
    for (int k = 0; k < 3; ++k) {
      for (const QString& entry : lists[k]) {
        if (entryCovers(entry, folder)) return k + 1;
      }
    }
    if (!isFile) return 0;
    const QString name = path.mid(path.lastIndexOf(u'/') + 1).toLower();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString byExtension = u'*' + (dot < 0 ? QString() : name.mid(dot));
    for (const QString& type : types) {
      if (type.toLower() == byExtension || type.toLower() == name) return 4;
    }
    return 0;
  }
};

class RandomHarbor {
 public:
  explicit RandomHarbor(unsigned seed) : rng_(seed) {}

  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  QString folder(int maxDepth) {
    static const char* names[] = {"a", "b", "ab", "A", "a b", "\xc3\xa4", "lib", "library"};
    QString text = QStringLiteral("/");
    const int depth = below(maxDepth + 1);
    for (int i = 0; i < depth; ++i) text += QString::fromUtf8(names[below(8)]) + u'/';
    return text;
  }

  // Entries in every written form: with and without the slash, with "*.*".
  QString entry() {
    QString text = folder(4);
    switch (below(4)) {
      case 0: return text + QStringLiteral("*.*");
      case 1: return text.size() > 1 ? text.chopped(1) + QStringLiteral("*.*") : text + QStringLiteral("*.*");
      case 2: return text.size() > 1 ? text.chopped(1) : text;
      default: return text;
    }
  }

  QString fileName() {
    static const char* names[] = {"x.txt", "X.TXT", "ab", "Ab", "noext", ".txt", "y.sys", "lib.SyS"};
    return QString::fromUtf8(names[below(8)]);
  }

 private:
  std::mt19937 rng_;
};

TEST(SafeHarborProperty, NeverDisagreesWithTheRulesOnRandomListsAndPaths) {
  RandomHarbor random(20240611u);
  for (int round = 0; round < 1500; ++round) {
    QStringList saved, searchPath, system;
    for (int i = random.below(12); i > 0; --i) saved.append(random.entry());
    for (int i = random.below(4); i > 0; --i) searchPath.append(random.folder(3));
    for (int i = random.below(3); i > 0; --i) system.append(random.folder(2));
    QStringList types;
    if (random.below(2)) types = {"*.txt", "AB"};

    BruteForceHarbor expected;
    for (const QString& folder : system) expected.lists[0].append(folder + QStringLiteral("*.*"));
    expected.lists[1] = searchPath;
    expected.lists[2] = saved + searchPath + expected.lists[0];
    expected.types = types;

    SafeHarbor harbor([] { return HostFolders{}; });
    harbor.setFolderLists(saved, true, HostFolders{searchPath.join(u':'), system});
    harbor.setProtectedTypes(types);
    for (int question = 0; question < 40; ++question) {
      const bool isFile = random.below(3) != 0;
      QString path = random.folder(5);
      if (isFile) {
        path += random.fileName();
      } else if (path.size() > 1 && random.below(2)) {
        path.chop(1);
      }
      int reason = -1;
      const bool isProtected = harbor.isInExceptionList(path, isFile, &reason);
      ASSERT_EQ(reason, expected.reason(path, isFile))
          << "path " << path.toStdString() << " saved " << saved.join(u' ').toStdString() << " path "
          << searchPath.join(u':').toStdString() << " system " << system.join(u' ').toStdString();
      ASSERT_EQ(isProtected, reason > 0);
    }
  }
}

}  // namespace
}  // namespace tessaly
