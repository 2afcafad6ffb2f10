#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "inspect/details_host.h"
#include "inspect/pe_image_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/inspect/details_window.h"
#include "ui/inspect/icon_file.h"
#include "ui_inspect/inspect_test_helpers.h"

namespace tessaly {
namespace {

using testkit::ScriptedDialogs;
using testkit::TempTree;

QImage imageOf(const QIcon& icon) { return icon.pixmap(32, 32).toImage(); }

class DetailsWindowTest : public ::testing::Test {
 protected:
  QString program() {
    testkit::PeRequest request;
    request.strings = {{"CompanyName", "Quornel Corporation"}, {"FileVersion", "3.1.0.7"}};
    return tree.file(QStringLiteral("tool.exe"), testkit::buildPe(request).bytes);
  }

  TempTree tree;
  ScriptedDialogs dialogs;
  testkit::DetailsHost host;
};

TEST_F(DetailsWindowTest, ATextFileShowsItsRowsWithoutAVersionBoxInAShorterWindow) {
  const QString path = tree.file(QStringLiteral("notes.txt"), QByteArray(4097, 'x'));
  TfrmDetails text(path, nullptr);
  EXPECT_EQ(text.windowTitle(), "File Details");
  EXPECT_EQ(text.lblName->text(), path);
  EXPECT_EQ(text.lblType->text(), "Text Document");
  EXPECT_EQ(text.lblSize->text(), "4,097 bytes");
  EXPECT_EQ(text.lblClusters->text(), "Cluster size: 4,096  Clusters used : 2");
  EXPECT_TRUE(text.lblModified->text().endsWith("  Today"));
  EXPECT_TRUE(text.memVersion->isHidden());

  TfrmDetails withVersion(program(), nullptr);
  EXPECT_FALSE(withVersion.memVersion->isHidden());
  const QStringList lines = withVersion.memVersion->toPlainText().split(u'\n');
  ASSERT_EQ(lines.size(), 11);
  EXPECT_EQ(lines[0], "Company: \tQuornel Corporation");
  EXPECT_EQ(lines[2], "File version: \t3.1.0.7");
  EXPECT_EQ(lines[10], "Special build info: \t");
  EXPECT_GE(withVersion.width(), 608);
  EXPECT_GE(withVersion.height(), 440);
  EXPECT_LT(text.height(), withVersion.height());
}

TEST_F(DetailsWindowTest, AFileThatHasGoneLeavesTheWindowEmpty) {
  TfrmDetails details(tree.path(QStringLiteral("gone.txt")), nullptr);
  for (const QLabel* value : {details.lblName, details.lblType, details.lblSize, details.lblCreated, details.lblAttributes})
    EXPECT_TRUE(value->text().isEmpty());
  EXPECT_TRUE(details.memVersion->isHidden());
}

TEST_F(DetailsWindowTest, OpenHandsTheFileToTheDesktopAndReportsARefusalAndViewShowsIt) {
  const QString path = tree.file(QStringLiteral("notes.txt"), "x");
  for (const bool desktopOpens : {true, false}) {
    dialogs.clear();
    TfrmDetails details(path, nullptr);
    QList<QUrl> opened;
    details.openUrl = [&](const QUrl& url) {
      opened.append(url);
      return desktopOpens;
    };
    details.btLaunch->click();
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    EXPECT_EQ(dialogs.texts(MessageStyle::Error), desktopOpens ? QStringList() : QStringList{"Couldn't open " + path});
  }
  TfrmDetails details(path, nullptr);
  QStringList viewed;
  details.viewFile = [&](const QString& file) { viewed.append(file); };
  details.btView->click();
  EXPECT_EQ(viewed, QStringList{path});
}

TEST_F(DetailsWindowTest, PrintingGivesTheReportWithItsThreeDifferentDatesAndCancelPrintsNothing) {
  const QString path = tree.file(QStringLiteral("notes.txt"), "x");
  tree.setTimes(QStringLiteral("notes.txt"), QDateTime(QDate(2010, 6, 1), QTime(8, 0)).toSecsSinceEpoch(),
                QDateTime(QDate(2001, 3, 14), QTime(9, 30)).toSecsSinceEpoch());
  TfrmDetails details(path, nullptr);
  const QString pdf = tree.path(QStringLiteral("details.pdf"));
  details.printer().setOutputFormat(QPrinter::PdfFormat);
  details.printer().setOutputFileName(pdf);
  dialogs.printerAccepted(false);
  details.btPrint->click();
  EXPECT_FALSE(QFile::exists(pdf));

  dialogs.printerAccepted(true);
  details.btPrint->click();
  const QStringList printed = testkit::pdfLines(pdf);
  ASSERT_FALSE(printed.isEmpty());
  EXPECT_TRUE(printed.first().contains("File details of " + path));
  QStringList dates;
  for (const char* label : {"Creation date", "Modification date", "Access date"}) {
    const auto line = std::find_if(printed.begin(), printed.end(), [&](const QString& l) { return l.contains(label); });
    ASSERT_NE(line, printed.end()) << label;
    dates.append(line->section(u':', 1).trimmed());
  }
  EXPECT_TRUE(dates[1].startsWith("3/14/2001 ")) << dates[1].toStdString();
  EXPECT_TRUE(dates[2].startsWith("6/1/2010 ")) << dates[2].toStdString();
  EXPECT_NE(dates[0], dates[1]);
  EXPECT_NE(dates[1], dates[2]);
  EXPECT_NE(dates[0], dates[2]);
}

// A theme of one icon, "text-plain", a plain red square.
class IconTheme {
 public:
  IconTheme() : savedPaths_(QIcon::themeSearchPaths()), savedName_(QIcon::themeName()) {
    const QString folder = tree_.folder(QStringLiteral("testtheme/32x32/mimetypes"));
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    red.save(folder + QStringLiteral("/text-plain.png"));
    tree_.file(QStringLiteral("testtheme/index.theme"),
               "[Icon Theme]\nName=testtheme\nDirectories=32x32/mimetypes\n\n"
               "[32x32/mimetypes]\nSize=32\nContext=MimeTypes\nType=Fixed\n");
    QIcon::setThemeSearchPaths({tree_.root()});
    QIcon::setThemeName(QStringLiteral("testtheme"));
  }
  ~IconTheme() {
    QIcon::setThemeSearchPaths(savedPaths_);
    QIcon::setThemeName(savedName_);
  }

 private:
  TempTree tree_;
  QStringList savedPaths_;
  QString savedName_;
};

TEST_F(DetailsWindowTest, IconsComeFromTheThemeWithTheProgramsOwnForFoldersAndUnknownTypes) {
  IconTheme theme;
  const QString text = tree.file(QStringLiteral("notes.txt"), "plain words\n");
  const QString archive = tree.file(QStringLiteral("data.tar"), QByteArray(1024, '\0'));
  const QImage folderImage = imageOf(iconfile(tree.folder(QStringLiteral("folder"))));
  EXPECT_EQ(folderImage, imageOf(directoryIcon()));
  EXPECT_EQ(imageOf(iconfile(archive)), imageOf(noIcon()));
  EXPECT_EQ(imageOf(iconfile(tree.path(QStringLiteral("missing.xyz")))), imageOf(noIcon()));
  const QImage themed = imageOf(iconfile(text));
  EXPECT_EQ(themed.pixelColor(16, 16), QColor(Qt::red));
  EXPECT_NE(folderImage, imageOf(noIcon()));

  TfrmDetails details(text, nullptr);
  EXPECT_EQ(details.imgIcon->pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));
}

}  // namespace
}  // namespace tessaly
