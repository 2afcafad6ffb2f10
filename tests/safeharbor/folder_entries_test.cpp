#include <gtest/gtest.h>

#include "core/safeharbor/folder_entries.h"

namespace tessaly {
namespace {

TEST(PruneCoveredFolders, RemovesEveryEntryInsideAFolderProtectedWithAllSubFolders) {
  QStringList list{"/opt/acme/bin/", "/opt/acme/", "/opt/acme/*.*", "/opt/acmeold/", "/srv/",
                   "/opt/acme/lib/*.*", "/opt/acme/*.*", "/tmp/opt/acme/"};
  QStringList work;
  pruneCoveredFolders(list, work);
  EXPECT_EQ(list, (QStringList{"/opt/acme/*.*", "/opt/acme/lib/*.*", "/opt/acmeold/", "/srv/", "/tmp/opt/acme/"}));
  EXPECT_EQ(work, (QStringList{"/opt/acme/*.*", "/opt/acme/lib/*.*"}));
}

TEST(PruneCoveredFolders, ComparesLetterCaseBecausePathsAreCaseSignificant) {
  QStringList list{"/opt/Acme/", "/opt/acme/*.*", "/opt/acme/x/"};
  QStringList work;
  pruneCoveredFolders(list, work);
  EXPECT_EQ(list, (QStringList{"/opt/Acme/", "/opt/acme/*.*"}));
}

TEST(NormalizedEntry, EndsTheFolderWithASlashBeforeAnyAllFilesMarkAndKeepsCase) {
  EXPECT_EQ(normalizedEntry("/usr/Lib"), "/usr/Lib/");
  EXPECT_EQ(normalizedEntry("/usr/lib*.*"), "/usr/lib/*.*");
  EXPECT_EQ(normalizedEntry("/usr//lib/./x/../*.*"), "/usr/lib/*.*");
  EXPECT_EQ(normalizedEntry("/etc/"), "/etc/");
  EXPECT_EQ(normalizedEntry("/"), "/");
  EXPECT_EQ(normalizedEntry(""), "");
  EXPECT_EQ(normalizedEntry("*.*"), "");
}

TEST(SortEntries, OrdersWithoutRegardToCaseAndBreaksTiesByCase) {
  QStringList entries{"/b/", "/B/", "/a/", "/A/*.*"};
  sortEntries(entries);
  EXPECT_EQ(entries, (QStringList{"/a/", "/A/*.*", "/B/", "/b/"}));
}

}  // namespace
}  // namespace tessaly
