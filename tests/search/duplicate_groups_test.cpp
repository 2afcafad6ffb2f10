#include <gtest/gtest.h>

#include "core/common/date_texts.h"
#include "core/search/duplicate_groups.h"
#include "core/search/result_rows.h"
#include "support/fake_host.h"

namespace tessaly {
namespace {

struct FixtureFile {
  const char* folder;
  const char* name;
  qint64 size;
  int writeDay;  // day of January 2020; the time of day is the day number in hours
};

// The same small set of files, grouped by each match mode.
const FixtureFile kFiles[] = {
    {"/a", "README.TXT", 100, 1}, {"/b", "readme.txt", 100, 1}, {"/c", "readme.txt", 200, 2},
    {"/a", "photo.jpg", 300, 1},  {"/b", "photo.jpg", 300, 3},  {"/c", "notes.doc", 200, 2},
    {"/d", "other.jpg", 300, 3},  {"/d", "single.bin", 999, 4}, {"/d", "readme.txt", 200, 2},
    {"/d", "pear.png", 300, 3},
};

class DuplicateGroups : public ::testing::Test {
 protected:
  void SetUp() override {
    types.add(QStringLiteral(".jpg"), {}, QStringLiteral("JPEG Image"));
    types.add(QStringLiteral(".png"), {}, QStringLiteral("PNG Image"));
    types.add(QStringLiteral(".txt"), {}, QStringLiteral("Text Document"));
    types.add(QStringLiteral(".doc"), {}, QStringLiteral("Word Document"));
    types.add(QStringLiteral(".bin"), {}, QStringLiteral("Binary"));
    quint64 inode = 1;
    for (const FixtureFile& f : kFiles) {
      WalkEntry entry;
      entry.name = QString::fromUtf8(f.name);
      entry.size = f.size;
      const DosStamp stamp = packDosStamp(QDateTime(QDate(2020, 1, f.writeDay), QTime(f.writeDay, 0)));
      entry.writeStamp = stamp;
      entry.accessStamp = stamp;
      entry.device = 7;
      entry.inode = inode++;
      collection.add(QString::fromUtf8(f.folder), entry);
    }
  }

  // Each result row as "folder/name" and "+" for shaded, "-" for plain.
  QStringList groupsOf(MatchMode mode) {
    sortCollection(collection, mode);
    QStringList rows;
    for (const ResultEntry& entry : addDups(collection, mode)) {
      const FoundFile& file = collection.files()[entry.file];
      rows.append((entry.shaded ? u'+' : u'-') + collection.fullPath(file));
    }
    return rows;
  }

  testkit::FakeFileTypes types;
  FileCollection collection;
};

TEST_F(DuplicateGroups, EachMatchModeGroupsNeighboursWithEqualKeysAndShadesGroupsInTurn) {
  const struct {
    MatchMode mode;
    QStringList rows;
  } cases[] = {
      {MatchMode::FilenameOnly,
       {"+/a/photo.jpg", "+/b/photo.jpg", "-/a/README.TXT", "-/b/readme.txt", "-/c/readme.txt", "-/d/readme.txt"}},
      // Two groups of one name but different sizes share one shade.
      {MatchMode::FilenameAndSize,
       {"+/a/photo.jpg", "+/b/photo.jpg", "-/a/README.TXT", "-/b/readme.txt", "-/c/readme.txt", "-/d/readme.txt"}},
      {MatchMode::FilenameSizeAndDate, {"+/a/README.TXT", "+/b/readme.txt", "+/c/readme.txt", "+/d/readme.txt"}},
      {MatchMode::SizeOnly,
       {"+/a/README.TXT", "+/b/readme.txt", "-/c/notes.doc", "-/c/readme.txt", "-/d/readme.txt", "+/d/other.jpg",
        "+/d/pear.png", "+/a/photo.jpg", "+/b/photo.jpg"}},
      // photo.jpg of /b joins its group although photo.jpg of /a, of another date, sorts
      // between them by name.
      {MatchMode::SizeAndDate,
       {"+/a/README.TXT", "+/b/readme.txt", "-/c/notes.doc", "-/c/readme.txt", "-/d/readme.txt", "+/d/other.jpg",
        "+/d/pear.png", "+/b/photo.jpg"}},
      // other.jpg joins the photos although pear.png sorts between them by name.
      {MatchMode::SizeAndType,
       {"+/a/README.TXT", "+/b/readme.txt", "-/c/readme.txt", "-/d/readme.txt", "+/d/other.jpg", "+/a/photo.jpg",
        "+/b/photo.jpg"}},
      // A new shade where the type or the time differs from the row above.
      {MatchMode::TypeAndDate,
       {"+/d/other.jpg", "+/b/photo.jpg", "-/a/README.TXT", "-/b/readme.txt", "+/c/readme.txt", "+/d/readme.txt"}},
  };
  for (const auto& c : cases) EXPECT_EQ(groupsOf(c.mode), c.rows) << "mode " << int(c.mode);
}

TEST_F(DuplicateGroups, FilesWithoutAnyDuplicateGiveNoRows) {
  FileCollection single;
  WalkEntry entry;
  entry.name = QStringLiteral("alone.txt");
  single.add(QStringLiteral("/x"), entry);
  sortCollection(single, MatchMode::FilenameOnly);
  EXPECT_TRUE(addDups(single, MatchMode::FilenameOnly).empty());
}

TEST(DuplicateKeys, KeyFieldsAreComparedOneByOneNotAsOneJoinedText) {
  // Joined, "a1" + "234" and "a12" + "34" would read the same.
  FileCollection collection;
  WalkEntry first;
  first.name = QStringLiteral("a1");
  first.size = 234;
  WalkEntry second;
  second.name = QStringLiteral("a12");
  second.size = 34;
  collection.add(QStringLiteral("/x"), first);
  collection.add(QStringLiteral("/y"), second);
  sortCollection(collection, MatchMode::FilenameAndSize);
  EXPECT_TRUE(addDups(collection, MatchMode::FilenameAndSize).empty());
}

TEST(DuplicateKeys, NamesMatchAfterBlanksAreTrimmedAndOnlyAsciiLettersAreFolded) {
  EXPECT_EQ(compareKeyText(u" Report.DOC ", u"report.doc"), 0);
  EXPECT_NE(compareKeyText(u"\u00c9t\u00e9.txt", u"\u00e9t\u00e9.txt"), 0);
}

// Two files of one name and size in different folders, with the given write stamps.
FileCollection twoCopies(const QString& first, const QString& second, DosStamp firstStamp = 0, DosStamp secondStamp = 0) {
  FileCollection collection;
  WalkEntry entry;
  entry.size = 10;
  entry.name = first;
  entry.writeStamp = firstStamp;
  collection.add(QStringLiteral("/x"), entry);
  entry.name = second;
  entry.writeStamp = secondStamp;
  collection.add(QStringLiteral("/y"), entry);
  return collection;
}

TEST(DuplicateKeys, TheRowsOfOneGroupShareOneShadeWhenTheirNamesDifferOnlyInBlanks) {
  FileCollection collection = twoCopies(QStringLiteral("a.txt"), QStringLiteral("a.txt "));
  sortCollection(collection, MatchMode::FilenameOnly);
  const std::vector<ResultEntry> rows = addDups(collection, MatchMode::FilenameOnly);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_TRUE(rows[0].shaded);
  EXPECT_TRUE(rows[1].shaded);
}

TEST(DuplicateKeys, AStampThatDoesNotUnpackMatchesTheDateAndTimeItShows) {
  const DosStamp month13 = (13u << 21) | (1u << 16) | (10u << 11);
  const DosStamp noonOfFirstDay = packDosStamp(QDateTime(QDate(1980, 1, 1), QTime(12, 0)));
  FileCollection collection = twoCopies(QStringLiteral("a.txt"), QStringLiteral("a.txt"), month13, noonOfFirstDay);
  sortCollection(collection, MatchMode::FilenameSizeAndDate);
  const FileTable table =
      resultTable(collection, addDups(collection, MatchMode::FilenameSizeAndDate), true);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.cellText(0, 2), table.cellText(1, 2));
  EXPECT_EQ(table.cellText(0, 3), table.cellText(1, 3));
  EXPECT_EQ(table.cellText(0, 3), longTimeText(QTime(12, 0)));
}

TEST(DuplicateKeys, ADuplicateRowShowsItsFileInTheSevenColumnsWhateverTheMode) {
  testkit::FakeFileTypes types;
  types.add(QStringLiteral(".txt"), {}, QStringLiteral("Text Document"));
  FileCollection collection;
  WalkEntry entry;
  entry.name = QStringLiteral("Big.txt");
  entry.size = 1234567;
  entry.writeStamp = packDosStamp(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 8)));
  collection.add(QStringLiteral("/Mixed/Case"), entry);
  entry.inode = 1;
  collection.add(QStringLiteral("/other"), entry);
  sortCollection(collection, MatchMode::SizeOnly);
  const FileTable table = resultTable(collection, addDups(collection, MatchMode::SizeOnly), true);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.headings, QStringList({"Filename", "Size", "Modified", "Time", "Access", "Folder", "Type"}));
  const QStringList expected = QStringList() << "Big.txt" << "1,234,567" << shortDateText(QDate(2021, 3, 4))
                                             << longTimeText(QTime(5, 6, 8)) << "" << "/Mixed/Case" << "Text Document";
  QStringList cells;
  for (int column = 0; column < table.columnCount(); ++column) cells.append(table.cellText(0, column));
  EXPECT_EQ(cells, expected);
  EXPECT_TRUE(table.rows[0].shaded);
}

}  // namespace
}  // namespace tessaly
