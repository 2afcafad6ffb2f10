#include <gtest/gtest.h>

#include <QFile>
#include <set>

#include "core/common/date_texts.h"
#include "core/common/text_routines.h"
#include "core/dates/files_by_date.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

qint64 noonOn(int year, int month, int day) { return QDateTime(QDate(year, month, day), QTime(12, 0)).toSecsSinceEpoch(); }

// Files whose last access and last write lie on the days around March 2024, a hidden file and
// a hidden folder among them.
class FilesByDateFixture : public ::testing::Test {
 protected:
  FilesByDateFixture() {
    drives.add(QStringLiteral("/"), platform::DriveKind::Fixed);
    dated("Feb29.txt", noonOn(2024, 2, 29), noonOn(2024, 4, 1));
    dated("Mar01.txt", noonOn(2024, 3, 1), noonOn(2024, 3, 31));
    dated("Sub/Mar31.txt", noonOn(2024, 3, 31), noonOn(2024, 3, 1));
    dated("Sub/Apr01.dat", noonOn(2024, 4, 1), noonOn(2024, 2, 29));
    dated(".Mar15.txt", noonOn(2024, 3, 15), noonOn(2024, 3, 15));
    dated(".hidden/Mar16.txt", noonOn(2024, 3, 16), noonOn(2024, 3, 16));
  }

  void dated(const char* relative, qint64 access, qint64 write) {
    tree.file(QString::fromUtf8(relative), QByteArrayLiteral("x"));
    tree.setTimes(QString::fromUtf8(relative), access, write);
  }

  FileTable search(const DateQuery& query, const QString& pattern = QStringLiteral("*.*")) {
    FilesByDateSearch files(query, pattern);
    files.run({{tree.root(), tree.root()}});
    EXPECT_EQ(files.foundCount(), files.table().rowCount());
    return files.table();
  }

  static std::set<QString> names(const FileTable& table) {
    std::set<QString> found;
    for (qsizetype row = 0; row < table.rowCount(); ++row) found.insert(table.cellText(row, 0));
    return found;
  }

  testkit::FakeDriveTable drives;
  testkit::FakeFileTypes types;
  testkit::ScriptedDialogs dialogs;
  testkit::TempTree tree;
};

TEST_F(FilesByDateFixture, EachKindAndRangeFindsTheFilesOfItsBoundaryDays) {
  const QDate march1(2024, 3, 1), march31(2024, 3, 31);
  const struct {
    DateKind kind;
    DateRange range;
    std::set<QString> found;
  } cases[] = {
      {DateKind::Accessed, DateRange::InBetween, {"Mar01.txt", "Mar31.txt"}},
      {DateKind::Accessed, DateRange::OnOrBefore, {"Feb29.txt", "Mar01.txt"}},
      {DateKind::Accessed, DateRange::OnOrAfter, {"Mar01.txt", "Mar31.txt", "Apr01.dat"}},
      {DateKind::Modified, DateRange::InBetween, {"Mar01.txt", "Mar31.txt"}},
      {DateKind::Modified, DateRange::OnOrBefore, {"Mar31.txt", "Apr01.dat"}},
      {DateKind::Modified, DateRange::OnOrAfter, {"Feb29.txt", "Mar01.txt", "Mar31.txt"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(names(search({c.kind, c.range, march1, march31})), c.found)
        << dateKindTitle(c.kind).toStdString() << ", range " << int(c.range);
  }
  EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(FilesByDateFixture, ThePatternLeavesOutOtherNamesAndNeverReachesHiddenFiles) {
  const DateQuery always{DateKind::Accessed, DateRange::OnOrAfter, QDate(1980, 1, 1), {}};
  EXPECT_EQ(names(search(always, QStringLiteral("*.TXT"))), (std::set<QString>{"Feb29.txt", "Mar01.txt", "Mar31.txt"}));
  EXPECT_EQ(names(search(always, QStringLiteral("apr*"))), std::set<QString>{"Apr01.dat"});
}

TEST_F(FilesByDateFixture, ARowShowsTheFilesNameDatesSizeFolderAndType) {
  types.add(QStringLiteral(".txt"), QStringLiteral("txtfile"), QStringLiteral("Text Document"));
  // A 5 GB file costs nothing on disk: it is sparse.
  QFile huge(tree.file(QStringLiteral("Sub/Huge.txt")));
  ASSERT_TRUE(huge.open(QIODevice::ReadWrite) && huge.resize(qint64(5) << 30));
  huge.close();
  tree.setTimes(QStringLiteral("Sub/Huge.txt"), noonOn(2024, 3, 10), noonOn(2023, 5, 6));

  const FileTable table = search({DateKind::Accessed, DateRange::InBetween, QDate(2024, 3, 10), QDate(2024, 3, 10)});
  EXPECT_EQ(table.headings, (QStringList{"Filename", "Accessed", "Created", "Modified", "Size", "Folder", "Type"}));
  ASSERT_EQ(table.rowCount(), 1);
  const FoundFile& file = *table.fileOf(0);
  const QString created = file.creationStamp == 0 ? QString() : stampDateText(file.creationStamp);
  const QStringList expected = {"Huge.txt",        shortDateText(QDate(2024, 3, 10)), created,
                                shortDateText(QDate(2023, 5, 6)), formatThousands(qint64(5) << 30),
                                tree.path("Sub"), "Text Document"};
  for (int column = 0; column < table.columnCount(); ++column)
    EXPECT_EQ(table.cellText(0, column), expected[column]) << table.headings[column].toStdString();
}

TEST_F(FilesByDateFixture, AFolderThatIsGoneIsReportedAndTheOthersAreStillSearched) {
  FilesByDateSearch files({DateKind::Accessed, DateRange::OnOrAfter, QDate(1980, 1, 1), {}}, QStringLiteral("*.*"));
  files.run({{tree.path("gone"), tree.path("gone")}, {tree.path("Sub"), tree.path("Sub")}});
  EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Can't open drive ") + tree.path("gone")});
  EXPECT_EQ(names(files.table()), (std::set<QString>{"Mar31.txt", "Apr01.dat"}));
}

}  // namespace
}  // namespace tessaly
