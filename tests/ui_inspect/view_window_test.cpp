#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/inspect/file_viewer.h"
#include "ui/inspect/find_dialog.h"
#include "ui/inspect/view_window.h"
#include "ui_inspect/inspect_test_helpers.h"

namespace tessaly {
namespace {

using testkit::ScriptedDialogs;
using testkit::TempTree;
using testkit::whenModalShows;

class ViewWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { findSettings() = {}; }

  std::unique_ptr<TfrmView> open(const QString& path) {
    auto window = std::make_unique<TfrmView>(path, nullptr);
    window->show();
    return window;
  }
  std::unique_ptr<TfrmView> open(const char* name, const QByteArray& contents) {
    return open(tree.file(QString::fromLatin1(name), contents));
  }
  static QList<bool> commandStates(TfrmView& window) {
    Q_EMIT window.Search1->aboutToShow();
    return {window.Find1->isEnabled(), window.GotoLine1->isEnabled(), window.Print1->isEnabled(),
            window.SelectAll1->isEnabled()};
  }
  // Answers the find dialog with this text and these options.
  static void answerFind(const QString& text, bool global, bool backward = false) {
    whenModalShows([=](QWidget* modal) {
      auto* find = qobject_cast<TFindDlg*>(modal);
      ASSERT_NE(find, nullptr);
      find->edSearchText->setText(text);
      find->cbGlobal->setChecked(global);
      (backward ? find->rbBackward : find->rbForward)->setChecked(true);
      find->btOK->click();
    });
  }
  static QString selected(TfrmView& window) {
    window.Copy1->trigger();
    return QGuiApplication::clipboard()->text();
  }

  TempTree tree;
  ScriptedDialogs dialogs;
};

TEST_F(ViewWindowTest, AFileWithoutLinesDisablesFindGoToLinePrintAndSelectAll) {
  auto empty = open("empty.txt", "");
  EXPECT_EQ(commandStates(*empty), QList<bool>({false, false, false, false}));
  EXPECT_FALSE(empty->FindNext1->isEnabled());
  EXPECT_FALSE(empty->Copy1->isEnabled());
  EXPECT_EQ(empty->lblTotal->text(), "Total: 0");
  EXPECT_EQ(empty->lblPosition->text(), "1:1     ");
  EXPECT_EQ(empty->lblTop->text(), "Top: 1    ");

  auto missing = open(tree.path(QStringLiteral("missing.txt")));
  EXPECT_EQ(commandStates(*missing), QList<bool>({false, false, false, false}));
  EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{"Could not open file " + tree.path("missing.txt")});
  EXPECT_EQ(missing->windowTitle(), "View File : " + tree.path("missing.txt"));

  auto one = open("one.txt", "x");
  EXPECT_EQ(commandStates(*one), QList<bool>({true, true, true, true}));
  EXPECT_FALSE(one->FindNext1->isEnabled());
  findSettings().text = QStringLiteral("x");
  Q_EMIT one->Search1->aboutToShow();
  EXPECT_TRUE(one->FindNext1->isEnabled());
}

TEST_F(ViewWindowTest, GoToLineMovesAsFarAsTheFileGoesAndIgnoresAnythingButANumber) {
  auto window = open("three.txt", "one\ntwo\nthree\n");
  EXPECT_EQ(window->lblTotal->text(), "Total: 3");
  dialogs.chooseText(QStringLiteral("2"));
  window->GotoLine1->trigger();
  EXPECT_EQ(window->lblPosition->text(), "2:1     ");
  dialogs.chooseText(QStringLiteral("5"));
  window->GotoLine1->trigger();
  EXPECT_EQ(window->Viewer1->caretLineNumber(), 2);
  EXPECT_EQ(window->Viewer1->caretColumn(), 0);
  EXPECT_EQ(window->lblPosition->text(), "3:1     ");
  for (const char* answer : {"abc", "2.5", ""}) {
    dialogs.chooseText(QString::fromLatin1(answer));
    window->GotoLine1->trigger();
    EXPECT_EQ(window->Viewer1->caretLineNumber(), 2) << answer;
  }
  EXPECT_EQ(dialogs.shown().first().caption, "Go to line number");
}

TEST_F(ViewWindowTest, AGlobalSearchFindsTheFirstMatchFromTheStartAndFindNextGoesOnFromThere) {
  auto window = open("fruit.txt", "apple one\ntwo Apple\napple three\n");
  QTest::keyClick(window->Viewer1, Qt::Key_End, Qt::ControlModifier);
  answerFind(QStringLiteral("apple"), true);
  window->Find1->trigger();
  EXPECT_EQ(window->Viewer1->selection(), std::pair(ViewerPosition{0, 0}, ViewerPosition{0, 5}));
  EXPECT_EQ(selected(*window), "apple");
  window->FindNext1->trigger();
  EXPECT_EQ(window->Viewer1->caretLineNumber(), 1);
  EXPECT_EQ(selected(*window), "Apple");
  window->FindNext1->trigger();
  EXPECT_EQ(window->Viewer1->caretLineNumber(), 2);
  window->FindNext1->trigger();
  EXPECT_EQ(dialogs.texts(MessageStyle::Information), QStringList{"Search string 'apple' not found"});
  EXPECT_EQ(window->Viewer1->caretLineNumber(), 2);

  // Without the global option the search goes on from the caret, here backward.
  answerFind(QStringLiteral("apple"), false, true);
  window->Find1->trigger();
  EXPECT_EQ(window->Viewer1->caretLineNumber(), 1);

  // The dialog shows what it was given last, in any viewer.
  TFindDlg again(nullptr);
  EXPECT_EQ(again.edSearchText->text(), "apple");
  EXPECT_TRUE(again.rbBackward->isChecked());
  EXPECT_FALSE(again.cbGlobal->isChecked());
}

TEST_F(ViewWindowTest, ASelectionFromColumnTenPrintsWithTenLeadingBlanks) {
  auto window = open("digits.txt", "0123456789abcdef\nmiddle line\nlast\n");
  const qint64 middle = *window->Viewer1->document().nextLine(0);
  window->Viewer1->moveCaretTo({0, 10});
  window->Viewer1->moveCaretTo({middle, 11}, true);
  const QString pdf = tree.path(QStringLiteral("selection.pdf"));
  window->printer().setOutputFormat(QPrinter::PdfFormat);
  window->printer().setOutputFileName(pdf);

  dialogs.printerAccepted(true, PrintRange::Pages);
  window->Print1->trigger();
  EXPECT_FALSE(QFile::exists(pdf));
  EXPECT_EQ(dialogs.shown().last().text, "Selection offered");

  dialogs.printerAccepted(true, PrintRange::Selection);
  window->Print1->trigger();
  const QList<testkit::PdfWord> words = testkit::pdfWords(pdf);
  const auto find = [&](const char* text) {
    return std::find_if(words.begin(), words.end(), [&](const testkit::PdfWord& w) { return w.text == text; });
  };
  ASSERT_NE(find("abcdef"), words.end());
  ASSERT_NE(find("middle"), words.end());
  EXPECT_EQ(find("0123456789abcdef"), words.end());
  EXPECT_EQ(find("last"), words.end());
  const testkit::PdfWord middleWord = *find("middle");
  const double characterWidth = (middleWord.xMax - middleWord.xMin) / 6;
  EXPECT_NEAR((find("abcdef")->xMin - middleWord.xMin) / characterWidth, 10.0, 0.2);
}

TEST_F(ViewWindowTest, PrintingWithoutASelectionPrintsEveryLineAndDoesNotOfferOne) {
  auto window = open("lines.txt", "first line\nsecond line\n");
  const QString pdf = tree.path(QStringLiteral("all.pdf"));
  window->printer().setOutputFormat(QPrinter::PdfFormat);
  window->printer().setOutputFileName(pdf);
  dialogs.printerAccepted(true);
  window->btPrint->click();
  EXPECT_EQ(dialogs.shown().last().text, QString());
  QStringList printed = testkit::pdfLines(pdf);
  for (QString& line : printed) line = line.trimmed();
  printed.removeAll(QString());
  EXPECT_EQ(printed, QStringList({"first line", "second line"}));
}

TEST_F(ViewWindowTest, TheStringsWindowListsTheReadableRunsAndItsFileIsGoneWhenItCloses) {
  auto window = open("program.bin", QByteArray("\x01\x02Hello strings\0\0short\0Another one here\xFF", 40));
  QString stringsFile;
  whenModalShows([&](QWidget* modal) {
    auto* strings = qobject_cast<TfrmView*>(modal);
    ASSERT_NE(strings, nullptr);
    stringsFile = strings->Viewer1->document().path();
    EXPECT_TRUE(QFileInfo(stringsFile).fileName().startsWith("str"));
    EXPECT_TRUE(QFile::exists(stringsFile));
    EXPECT_EQ(strings->lblTotal->text(), "Total: 2");
    EXPECT_TRUE(strings->btStrings->isHidden());
    EXPECT_TRUE(strings->rbAscii->isHidden());
    EXPECT_TRUE(strings->rbHex->isHidden());
    EXPECT_FALSE(strings->HexMode1->isVisible());
    strings->Viewer1->selectAll();
    EXPECT_EQ(selected(*strings), "Hello strings\nAnother one here");
    strings->btClose->click();
  });
  window->btStrings->click();
  ASSERT_FALSE(stringsFile.isEmpty());
  EXPECT_FALSE(QFile::exists(stringsFile));
}

TEST_F(ViewWindowTest, TheModeControlsFollowEachOther) {
  auto window = open("data.bin", QByteArray(40, 'a'));
  window->HexMode1->trigger();
  EXPECT_TRUE(window->rbHex->isChecked());
  EXPECT_EQ(window->Viewer1->mode(), ViewMode::Hex);
  EXPECT_EQ(window->lblTotal->text(), "Total: 3");
  window->rbAscii->click();
  EXPECT_FALSE(window->HexMode1->isChecked());
  EXPECT_EQ(window->Viewer1->mode(), ViewMode::Text);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window->Viewer1, Qt::Key_F8);
  EXPECT_TRUE(window->HexMode1->isChecked());
  EXPECT_TRUE(window->rbHex->isChecked());
}

TEST_F(ViewWindowTest, TabSizeTakesAWholeNumberUpTo255AndIgnoresEverythingElse) {
  auto window = open("tabs.txt", "a\tb\n");
  for (const auto& [answer, size] : {std::pair("4", 4), std::pair("300", 4), std::pair("x", 4), std::pair("0", 0),
                                     std::pair("255", 255)}) {
    dialogs.chooseText(QString::fromLatin1(answer));
    window->TabSize1->trigger();
    EXPECT_EQ(window->Viewer1->tabSize(), size) << answer;
  }
  dialogs.chooseText(QStringLiteral("4"));
  window->TabSize1->trigger();
  EXPECT_EQ(window->Viewer1->document().lineText(0), "a   b");
  window->TabExpansion1->trigger();
  EXPECT_EQ(window->Viewer1->document().lineText(0), "a b");
}

TEST_F(ViewWindowTest, CountingALargeFileCanBeStoppedAndTheWindowStaysLive) {
  const QString path = tree.path(QStringLiteral("large.bin"));
  QFile large(path);
  ASSERT_TRUE(large.open(QIODevice::WriteOnly));
  ASSERT_TRUE(large.resize(1024LL * 1024 * 1024));  // sparse: counting it takes a while
  large.close();
  auto window = open(path);
  EXPECT_EQ(window->lblTotal->text(), "Total: ?");
  bool sawWork = false;
  QTimer::singleShot(0, [&] {
    sawWork = window->working() && window->pbWork->isVisible() && !window->btClose->isEnabled();
    window->btStop->click();
  });
  window->GotoLine1->trigger();  // no text is scripted: asking would fail the test
  EXPECT_TRUE(sawWork);
  EXPECT_FALSE(window->working());
  EXPECT_EQ(window->lblTotal->text(), "Total: ?");
  EXPECT_TRUE(window->btClose->isEnabled());

  // Closing while counting stops the count, and the window closes once it has.
  QTimer::singleShot(0, [&] { window->reject(); });
  window->GotoLine1->trigger();
  QTest::qWait(50);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(ViewWindowTest, TheEndOfAFourGigabyteFileShowsWithoutCountingItsLines) {
  const QString path = tree.path(QStringLiteral("huge.bin"));
  QFile huge(path);
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(4LL * 1024 * 1024 * 1024));  // sparse
  huge.close();
  auto window = open(path);
  QTest::keyClick(window->Viewer1, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(window->lblBytes->text(), "Bytes: 4,294,967,296");
  EXPECT_EQ(window->lblTotal->text(), "Total: ?");
  EXPECT_TRUE(window->lblTop->text().startsWith("Top: ?"));
  EXPECT_EQ(window->Viewer1->caret().line, 4LL * 1024 * 1024 * 1024 - TextLineRules::kLongLineBlock);
  window->HexMode1->trigger();
  // The last hexadecimal line: nine offset digits, 16 bytes, 16 characters; the caret after them.
  EXPECT_EQ(window->lblPosition->text().trimmed(), "268435456:78");
}

TEST_F(ViewWindowTest, AFileDroppedOnTheWindowIsShownAndNamedInTheCaption) {
  auto window = open("first.txt", "first\n");
  const QString second = tree.file(QStringLiteral("second.txt"), "second file\n");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(second)});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &drop);
  EXPECT_EQ(window->Viewer1->document().lineText(0), "second file");
  EXPECT_EQ(window->windowTitle(), "View File : " + second);
}

}  // namespace
}  // namespace tessaly
