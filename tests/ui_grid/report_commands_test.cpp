#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>

#include "core/grid/grid_text.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/grid/report_commands.h"

namespace tessaly {
namespace {

class ReportCommandsTest : public ::testing::Test {
 protected:
  ReportCommandsTest()
      : commands_({[this]() -> const ResultTable& { return grid_; }, [] { return QStringLiteral("Files before 1/1/2001"); },
                   [this] { return columnLines(grid_, 0); }},
                  nullptr) {
    grid_.headings = {QStringLiteral("Filename"), QStringLiteral("Size")};
    for (const char* name : {"a<b>&c.txt", "b.txt", "c.txt"}) {
      grid_.rows.push_back({{QString::fromUtf8(name), QStringLiteral("1")}});
    }
  }

  QByteArray read(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  ResultTable grid_;
  ReportCommands commands_;
  testkit::ScriptedDialogs dialogs_;
  testkit::TempTree tree_;
};

TEST_F(ReportCommandsTest, TheMenuGetsPrintClipboardAndWebPage) {
  QMenu menu;
  commands_.addTo(&menu, QStringLiteral("Folder names "));
  const QList<QAction*> items = menu.actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), QStringLiteral("Print"));
  EXPECT_EQ(items[1]->text(), QStringLiteral("Clipboard"));
  ASSERT_TRUE(items[1]->menu());
  const QList<QAction*> clipboard = items[1]->menu()->actions();
  ASSERT_EQ(clipboard.size(), 2);
  EXPECT_EQ(clipboard[0]->text(), QStringLiteral("Folder names "));
  EXPECT_EQ(clipboard[1]->text(), QStringLiteral("Entire grid separated by tabs"));
  EXPECT_EQ(items[2]->text(), QStringLiteral("Web page"));
}

TEST_F(ReportCommandsTest, ThreeDataRowsGiveThreeNameLinesAndFourGridLinesEachEndedByCrLf) {
  commands_.copyNamesAction()->trigger();
  const QString names = QGuiApplication::clipboard()->text();
  EXPECT_EQ(names, QStringLiteral("a<b>&c.txt\r\nb.txt\r\nc.txt\r\n"));
  EXPECT_EQ(names.count(QStringLiteral("\r\n")), 3);

  commands_.copyGridAction()->trigger();
  const QString all = QGuiApplication::clipboard()->text();
  EXPECT_EQ(all, QStringLiteral("Filename\tSize\r\na<b>&c.txt\t1\r\nb.txt\t1\r\nc.txt\t1\r\n"));
  EXPECT_EQ(all.count(QStringLiteral("\r\n")), 4);
}

TEST_F(ReportCommandsTest, TheWebPageReplacesTheChosenFileAndCancelWritesNothing) {
  const QString page = tree_.file(QStringLiteral("save.htm"), QByteArray("old page, much longer than nothing"));
  dialogs_.chooseText(page);
  commands_.webPageAction()->trigger();
  EXPECT_EQ(read(page), kUtf8ByteOrderMark + gridAsWebPage(grid_).toUtf8());
  EXPECT_TRUE(read(page).contains("a&lt;b&gt;&amp;c.txt"));
  ASSERT_FALSE(dialogs_.shown().isEmpty());
  EXPECT_EQ(dialogs_.shown().last().caption, QStringLiteral("Save file listing as web page"));

  const QString untouched = tree_.file(QStringLiteral("keep.htm"), QByteArray("keep"));
  dialogs_.chooseText(QString());
  commands_.saveWebPage();
  EXPECT_EQ(read(untouched), QByteArray("keep"));
  EXPECT_TRUE(dialogs_.texts(MessageStyle::Error).isEmpty());
}

TEST_F(ReportCommandsTest, TheSaveDialogAsksForAnHtmFile) {
  const FileDialogRequest request = webPageSaveRequest();
  EXPECT_EQ(request.defaultName, QStringLiteral("save.htm"));
  EXPECT_EQ(request.defaultExtension, QStringLiteral(".htm"));
  EXPECT_EQ(request.filters, (QStringList{"HTM files (*.htm)", "HTML files (*.html)", "All files (*)"}));
}

TEST_F(ReportCommandsTest, AWebPageThatCannotBeWrittenIsReported) {
  const QString page = tree_.path(QStringLiteral("gone/save.htm"));
  dialogs_.chooseText(page);
  commands_.saveWebPage();
  EXPECT_EQ(dialogs_.texts(MessageStyle::Error), QStringList{QStringLiteral("Couldn't save ") + page});
}

TEST_F(ReportCommandsTest, PrintingShowsThePrintDialogAndPrintsOnlyWhenConfirmed) {
  const QString pdf = tree_.path(QStringLiteral("report.pdf"));
  commands_.printer().setOutputFormat(QPrinter::PdfFormat);
  commands_.printer().setOutputFileName(pdf);

  dialogs_.printerAccepted(false);
  commands_.printAction()->trigger();
  EXPECT_FALSE(QFile::exists(pdf));

  dialogs_.printerAccepted(true);
  commands_.printAction()->trigger();
  EXPECT_TRUE(read(pdf).startsWith("%PDF"));
  EXPECT_TRUE(dialogs_.texts(MessageStyle::Error).isEmpty());
}

}  // namespace
}  // namespace tessaly
