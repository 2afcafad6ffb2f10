#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/common/date_texts.h"
#include "core/inspect/file_details.h"
#include "core/walk/directory_walk.h"
#include "inspect/details_host.h"
#include "support/temp_tree.h"

namespace tessaly {
namespace {

const QDateTime kNow(QDate(2024, 5, 15), QTime(12, 0));

class FileDetailsTest : public ::testing::Test {
 protected:
  testkit::TempTree tree;
  testkit::DetailsHost host;
};

TEST_F(FileDetailsTest, TheClusterLineCountsTheClustersTheSizeTakesRoundedUp) {
  const struct {
    qint64 size;
    qint64 clusterSize;
    const char* line;
  } cases[] = {
      {4096, 4096, "Cluster size: 4,096  Clusters used : 1"},
      {4097, 4096, "Cluster size: 4,096  Clusters used : 2"},
      {0, 4096, "Cluster size: 4,096  Clusters used : 0"},
      {1, 512, "Cluster size: 512  Clusters used : 1"},
      {5'000'000'000, 65536, "Cluster size: 65,536  Clusters used : 76,294"},
      {100, 0, "Cluster size: unknown"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(wastedClusterSpace(c.size, c.clusterSize), QString::fromLatin1(c.line)) << c.size << "/" << c.clusterSize;
}

TEST_F(FileDetailsTest, AFileIsDescribedByItsEntryItsTypeAndItsDrivesBlockSize) {
  const QString path = tree.file(QStringLiteral(".notes.txt"), QByteArray(4097, 'x'));
  tree.setTimes(QStringLiteral(".notes.txt"), QDateTime(QDate(2010, 6, 1), QTime(8, 0)).toSecsSinceEpoch(),
                QDateTime(QDate(2001, 3, 14), QTime(9, 30)).toSecsSinceEpoch());
  QFile::setPermissions(path, QFile::ReadOwner);
  const std::optional<FileDetails> details = readFileDetails(path);
  ASSERT_TRUE(details);
  const DetailsTexts texts = detailsTexts(*details, kNow);
  EXPECT_EQ(texts.name, path);
  EXPECT_EQ(texts.type, "Text Document");
  EXPECT_EQ(texts.bytes, "4,097 bytes");
  EXPECT_EQ(texts.clusters, "Cluster size: 4,096  Clusters used : 2");
  EXPECT_EQ(texts.modified, "3/14/2001  23 yrs 2 mons ago");
  EXPECT_EQ(texts.accessed, "6/1/2010  13 yrs 11 mons ago");
  EXPECT_EQ(texts.attributes, " ReadOnly Hidden");
  EXPECT_FALSE(readFileDetails(tree.path(QStringLiteral("gone.txt"))));
}

TEST_F(FileDetailsTest, FoldersLinksAndFilesWithoutAnExtensionGetTheirAttributesAndType) {
  const QString folder = tree.folder(QStringLiteral("folder"));
  const QString plain = tree.file(QStringLiteral("README"), "x");
  ASSERT_TRUE(QFile::link(plain, tree.path(QStringLiteral("link.txt"))));
  EXPECT_EQ(attributesText(readFileDetails(folder)->attributes), " Directory");
  EXPECT_EQ(attributesText(readFileDetails(tree.path(QStringLiteral("link.txt")))->attributes), " System");
  EXPECT_EQ(readFileDetails(plain)->attributes, 0);
  EXPECT_EQ(readFileDetails(plain)->type, QString());
  EXPECT_EQ(attributesText(0x3F), " ReadOnly Hidden System VolumeID Directory Archive");
}

TEST_F(FileDetailsTest, ADateRowGivesTheDateAndHowLongAgoOrThreeQuestionMarks) {
  EXPECT_EQ(dateRowText(0, kNow), "???");
  EXPECT_EQ(dateRowText(packDosStamp(QDateTime(QDate(2024, 5, 14), QTime(1, 0))), kNow), "5/14/2024  Yesterday");
  // A stamp that does not unpack shows 1 January 1980, as the file lines do.
  EXPECT_TRUE(dateRowText(0xFFFFFFFFu, kNow).startsWith("1/1/1980  "));
}

TEST_F(FileDetailsTest, ThePrintedReportShowsTheThreeDifferentDatesOnItsThreeDateLines) {
  FileDetails details;
  details.path = QStringLiteral("/data/report.txt");
  details.type = QStringLiteral("Text Document");
  details.size = 10;
  details.clusterSize = 4096;
  details.creation = packDosStamp(QDateTime(QDate(2024, 5, 15), QTime(10, 0)));
  details.modification = packDosStamp(QDateTime(QDate(2024, 5, 11), QTime(10, 0)));
  details.access = packDosStamp(QDateTime(QDate(2021, 3, 1), QTime(10, 0)));
  details.attributes = ReadOnlyAttribute;
  const QStringList lines =
      detailsReportLines(detailsTexts(details, kNow), {"Company: \tQuornel", "Special build info: \t"});
  EXPECT_EQ(lines, QStringList({"Name of file : \t/data/report.txt",
                                "Type of file : \tText Document",
                                " ",
                                "Size of file : \t10 bytes",
                                "               \tCluster size: 4,096  Clusters used : 1",
                                " ",
                                "Creation date     : \t5/15/2024  Today",
                                "Modification date : \t5/11/2024  Last week",
                                "Access date       : \t3/1/2021  3 yrs 2 mons ago",
                                " ",
                                "Attributes : \t ReadOnly",
                                " ",
                                "Company: \tQuornel",
                                "Special build info: \t"}));
  EXPECT_EQ(detailsReportTitle(details.path), "File details of /data/report.txt");
}

TEST_F(FileDetailsTest, TheFieldsAreTheRowsOfTheWindowAndThenTheVersionItems) {
  FileDetails details;
  details.path = QStringLiteral("/bin/tool.exe");
  details.clusterSize = 4096;
  const auto fields = detailsFields(detailsTexts(details, kNow), {{"Company: ", "Quornel"}});
  QStringList labels;
  for (const auto& [label, value] : fields) labels.append(label);
  EXPECT_EQ(labels, QStringList({"Name of file", "Type of file", "Size", "Clusters", "Creation date",
                                 "Modification date", "Access date", "Attributes", "Company"}));
  EXPECT_EQ(fields.last().second, "Quornel");
  EXPECT_EQ(fields[4].second, "???");
}

}  // namespace
}  // namespace tessaly
