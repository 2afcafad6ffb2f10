#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <set>

#include "core/common/date_texts.h"
#include "core/common/text_routines.h"
#include "core/dates/files_by_date.h"
#include "deletion/fake_protection_check.h"
#include "support/fake_host.h"
#include "support/scoped_date_format.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/dates/date_box.h"
#include "ui/dates/mods_window.h"
#include "ui/grid/grid_table_model.h"
#include "ui/grid/marked_grid.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/drive_check_list.h"

namespace tessaly {
namespace {

using testkit::TempTree;

qint64 noonOn(const QDate& day) { return QDateTime(day, QTime(12, 0)).toSecsSinceEpoch(); }

const QDate kMarch1(2024, 3, 1);
const QDate kMarch31(2024, 3, 31);

// Acts on the window each time the walk reaches a folder.
class ActingPacer final : public WalkPacer {
 public:
  explicit ActingPacer(std::function<void(const QString& folder)> act) : act_(std::move(act)) {}
  void progress(const QString& folder) override { act_(folder); }

 private:
  std::function<void(const QString&)> act_;
};

// The window over a temporary tree of files dated around March 2024, its only ticked item.
// Dates read and show as M/d/yyyy.
class ModsTest : public ::testing::Test {
 protected:
  ModsTest() {
    drives.add(QStringLiteral("/"), platform::DriveKind::Fixed);
    types.add(QStringLiteral(".txt"), QStringLiteral("txtfile"), QStringLiteral("Text Document"));
    dated("Feb29.txt", QDate(2024, 2, 29), QDate(2024, 4, 1));
    dated("Mar01.txt", kMarch1, kMarch31);
    dated("Sub/Mar31.txt", kMarch31, kMarch1);
    dated("Sub/Apr01.dat", QDate(2024, 4, 1), QDate(2024, 2, 29));
    // Written before 1980, which the packed form cannot hold: it has no modification date.
    dated("Old.txt", kMarch1, QDate(1975, 6, 1));
    dated(".Mar15.txt", QDate(2024, 3, 15), QDate(2024, 3, 15));
  }

  void dated(const char* relative, const QDate& access, const QDate& write) {
    tree.file(QString::fromUtf8(relative), QByteArrayLiteral("x"));
    tree.setTimes(QString::fromUtf8(relative), noonOn(access), noonOn(write));
  }

  TfrmMods& open() {
    window = std::make_unique<TfrmMods>();
    window->grid->protection = &check;
    DriveListItem item{tree.root(), tree.root(), true};
    item.ticked = true;
    window->pckDrive->setItems({item});
    window->resize(900, 500);
    window->show();
    return *window;
  }

  void search(QRadioButton* kind, QRadioButton* range, const QDate& start, const QDate& end) {
    kind->setChecked(true);
    range->setChecked(true);
    window->dtStart->setDate(start);
    window->dtEnd->setDate(end);
    window->btOK->click();
  }

  const GridTable& table() const { return window->grid->table(); }
  QStringList column(int column) const {
    QStringList cells;
    for (qsizetype row = 0; row < table().rowCount(); ++row) cells.append(table().cellText(row, column));
    return cells;
  }
  std::set<QString> names() const {
    const QStringList all = column(0);
    return {all.begin(), all.end()};
  }

  testkit::TempXdg xdg;
  testkit::FakeDriveTable drives;
  testkit::FakeFileTypes types;
  testkit::ScriptedDialogs dialogs;
  testkit::FakeProtectionCheck check;
  TempTree tree;
  std::unique_ptr<TfrmMods> window;
  testkit::ScopedDateFormat format{QStringLiteral("M/d/yyyy")};
};

TEST_F(ModsTest, EachDateKindAndRangeFindsTheFilesOfItsBoundaryDays) {
  TfrmMods& mods = open();
  const QDate today = QDate::currentDate();
  const struct {
    QRadioButton* kind;
    QRadioButton* range;
    QDate start;
    QDate end;
    std::set<QString> found;
  } cases[] = {
      {mods.rbAccessed, mods.rbInBetween, kMarch1, kMarch31, {"Mar01.txt", "Mar31.txt", "Old.txt"}},
      {mods.rbAccessed, mods.rbOnOrBefore, kMarch1, kMarch31, {"Feb29.txt", "Mar01.txt", "Old.txt"}},
      {mods.rbAccessed, mods.rbOnOrAfter, kMarch31, kMarch31, {"Mar31.txt", "Apr01.dat"}},
      {mods.rbModified, mods.rbInBetween, kMarch1, kMarch31, {"Mar01.txt", "Mar31.txt"}},
      // The file without a modification date counts as old: listed on or before, never after.
      {mods.rbModified, mods.rbOnOrBefore, kMarch1, kMarch31, {"Mar31.txt", "Apr01.dat", "Old.txt"}},
      {mods.rbModified, mods.rbOnOrAfter, kMarch1, kMarch31, {"Feb29.txt", "Mar01.txt", "Mar31.txt"}},
      // Every file was created today or has no creation date: either way it is on or before today.
      {mods.rbCreated, mods.rbOnOrBefore, today, today, {"Feb29.txt", "Mar01.txt", "Mar31.txt", "Apr01.dat", "Old.txt"}},
      {mods.rbCreated, mods.rbInBetween, QDate(1980, 1, 1), today.addDays(-1), {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QStringLiteral("%1, %2 %3 %4").arg(c.kind->text(), c.range->text(), c.start.toString(), c.end.toString()).toStdString());
    dialogs.clear();
    search(c.kind, c.range, c.start, c.end);
    EXPECT_EQ(names(), c.found);
    EXPECT_EQ(mods.pnlScan->text(), QStringLiteral("Found : ") + QString::number(c.found.size()));
    EXPECT_EQ(dialogs.texts(), c.found.empty() ? QStringList{"No files found."} : QStringList{});
    EXPECT_EQ(mods.btMark->isVisible(), !c.found.empty());
  }
}

TEST_F(ModsTest, ARowShowsTheFilesDatesSizeFolderAndType) {
  TfrmMods& mods = open();
  search(mods.rbAccessed, mods.rbInBetween, kMarch31, kMarch31);
  ASSERT_EQ(table().rowCount(), 1);
  EXPECT_EQ(table().headings, (QStringList{"Filename", "Accessed", "Created", "Modified", "Size", "Folder", "Type"}));
  EXPECT_EQ(table().cellText(0, 0), QStringLiteral("Mar31.txt"));
  EXPECT_EQ(table().cellText(0, 1), QStringLiteral("3/31/2024"));
  EXPECT_EQ(table().cellText(0, 3), QStringLiteral("3/1/2024"));
  EXPECT_EQ(table().cellText(0, 4), QStringLiteral("1"));
  EXPECT_EQ(table().cellText(0, 5), tree.path("Sub"));
  EXPECT_EQ(table().cellText(0, 6), QStringLiteral("Text Document"));
}

TEST_F(ModsTest, ADateBoxThatHoldsNoDateNeverStartsASearch) {
  TfrmMods& mods = open();
  search(mods.rbAccessed, mods.rbInBetween, kMarch1, kMarch31);
  ASSERT_EQ(table().rowCount(), 3);
  for (const char* typed : {"2/30/2024", "yesterday", ""}) {
    SCOPED_TRACE(typed);
    dialogs.clear();
    mods.dtEnd->setText(QString::fromUtf8(typed));
    mods.btOK->click();
    EXPECT_EQ(dialogs.texts(MessageStyle::Error), QStringList{QStringLiteral("\"%1\" is not a valid date.").arg(typed)});
    EXPECT_EQ(dialogs.texts().size(), 1);
    // Nothing was started: the last result stands and every button is as it was.
    EXPECT_EQ(table().rowCount(), 3);
    EXPECT_TRUE(mods.btOK->isEnabled() && mods.btClose->isEnabled() && mods.dtStart->isEnabled());
    EXPECT_TRUE(mods.btAbort->isHidden());
  }
  // "On or After" does not read the end date.
  dialogs.clear();
  mods.rbOnOrAfter->setChecked(true);
  mods.btOK->click();
  EXPECT_TRUE(dialogs.texts(MessageStyle::Error).isEmpty());
  EXPECT_EQ(names(), (std::set<QString>{"Mar01.txt", "Mar31.txt", "Apr01.dat", "Old.txt"}));
}

TEST_F(ModsTest, ATypedTwoDigitYearIsShownInFullAndTheStartNeverPassesTheEnd) {
  TfrmMods& mods = open();
  mods.dtStart->setDate(kMarch1);
  mods.dtEnd->setDate(kMarch31);
  mods.dtStart->setFocus();
  mods.dtStart->selectAll();
  QTest::keyClicks(mods.dtStart, QStringLiteral("4/2/24"));
  QTest::keyClick(mods.dtStart, Qt::Key_Return);
  EXPECT_EQ(mods.dtStart->text(), QStringLiteral("4/2/2024"));
  EXPECT_EQ(mods.dtEnd->text(), QStringLiteral("4/2/2024"));  // moved along with the start

  mods.dtEnd->setFocus();
  mods.dtEnd->selectAll();
  QTest::keyClicks(mods.dtEnd, QStringLiteral("12/31/99"));
  QTest::keyClick(mods.dtEnd, Qt::Key_Return);
  EXPECT_EQ(mods.dtEnd->text(), QStringLiteral("12/31/1999"));
  EXPECT_EQ(mods.dtStart->text(), QStringLiteral("12/31/1999"));  // moved back with the end

  mods.dtEnd->calendar()->setSelectedDate(QDate(2049, 1, 1));
  Q_EMIT mods.dtEnd->calendar()->activated(QDate(2049, 1, 1));
  EXPECT_EQ(mods.dtEnd->text(), QStringLiteral("1/1/2049"));
  EXPECT_EQ(mods.dtStart->text(), QStringLiteral("12/31/1999"));
}

TEST_F(ModsTest, OnlyInBetweenShowsTheEndDate) {
  TfrmMods& mods = open();
  EXPECT_TRUE(mods.rbInBetween->isChecked());
  EXPECT_TRUE(mods.dtEnd->isVisible() && mods.lblAnd->isVisible());
  for (QRadioButton* single : {mods.rbOnOrBefore, mods.rbOnOrAfter}) {
    single->setChecked(true);
    EXPECT_FALSE(mods.dtEnd->isVisible() || mods.lblAnd->isVisible());
    EXPECT_TRUE(mods.dtStart->isVisible());
  }
}

TEST_F(ModsTest, SortDirectionsLastFromOneOpeningOfTheWindowToTheNext) {
  const QStringList smallFirst = {"Mar31.txt", "Mar01.txt"};
  const QStringList largeFirst = {"Mar01.txt", "Mar31.txt"};
  tree.file(QStringLiteral("Mar01.txt"), 5000, 'x');
  tree.setTimes(QStringLiteral("Mar01.txt"), noonOn(kMarch1), noonOn(kMarch1));
  // Modified in March: Mar01.txt (5000 bytes, just now set) and Mar31.txt (1 byte).
  open();
  search(window->rbModified, window->rbInBetween, kMarch1, kMarch31);
  window->sortItems[4]->trigger();  // "&Size"
  const QStringList firstOpening = column(0);
  ASSERT_TRUE(firstOpening == smallFirst || firstOpening == largeFirst);
  EXPECT_TRUE(window->sortItems[4]->isChecked());
  window->close();
  window.reset();

  open();
  EXPECT_TRUE(window->sortItems[0]->isChecked());
  search(window->rbModified, window->rbInBetween, kMarch1, kMarch31);
  // A click on the "Size" heading runs the same command.
  QHeaderView* headings = window->grid->horizontalHeader();
  const int sizeColumn = 4;
  const QPoint middle(headings->sectionViewportPosition(sizeColumn) + headings->sectionSize(sizeColumn) / 2,
                      headings->height() / 2);
  QTest::mouseClick(headings->viewport(), Qt::LeftButton, {}, middle);
  EXPECT_TRUE(window->sortItems[4]->isChecked());
  EXPECT_EQ(column(0), firstOpening == smallFirst ? largeFirst : smallFirst);
}

TEST_F(ModsTest, SizesBeyondFourGigabytesShowAndSortAsTheyAre) {
  QFile huge(tree.file(QStringLiteral("Sub/Huge.txt")));
  ASSERT_TRUE(huge.open(QIODevice::ReadWrite) && huge.resize(qint64(5) << 30));
  huge.close();
  tree.file(QStringLiteral("Sub/Middle.txt"), 3000, 'x');
  for (const char* name : {"Sub/Huge.txt", "Sub/Middle.txt"}) tree.setTimes(QString::fromUtf8(name), noonOn(kMarch1), noonOn(kMarch1));
  TfrmMods& mods = open();
  search(mods.rbModified, mods.rbInBetween, kMarch1, kMarch1);
  ASSERT_EQ(table().rowCount(), 3);
  const bool descending = filesByDateSortDirections().isDescending(4);
  mods.sortBy(4);
  const QStringList ascending = {"Mar31.txt", "Middle.txt", "Huge.txt"};
  EXPECT_EQ(column(0), descending ? QStringList(ascending.rbegin(), ascending.rend()) : ascending);
  EXPECT_TRUE(column(4).contains(formatThousands(qint64(5) << 30)));
}

TEST_F(ModsTest, MarkedFilesAreHandedToTheDeletionWindowWithTheirTag) {
  TfrmMods& mods = open();
  search(mods.rbAccessed, mods.rbInBetween, kMarch1, kMarch31);
  EXPECT_FALSE(mods.btDelete->isEnabled());
  std::vector<DeletionRequest> requests;
  bool confirm = false;
  mods.grid->runDeletion = [&](const DeletionRequest& request) {
    requests.push_back(request);
    return confirm;
  };
  mods.grid->toggleRow(0);
  mods.grid->toggleRow(1);
  EXPECT_TRUE(mods.btDelete->isEnabled());
  EXPECT_EQ(mods.pnlScan->text(), QStringLiteral("2 files 2 bytes"));

  mods.btDelete->click();  // cancelled: the window stays with its marks
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].archiveTag, QStringLiteral("FileDates"));
  EXPECT_EQ(requests[0].files, (QStringList{table().filePath(0), table().filePath(1)}));
  EXPECT_EQ(requests[0].potentialSavings, 2);
  EXPECT_TRUE(mods.isVisible());
  EXPECT_EQ(mods.grid->marks().count(), 2);

  confirm = true;
  mods.btDelete->click();
  EXPECT_FALSE(mods.isVisible());
}

TEST_F(ModsTest, AbortKeepsTheFilesFoundSoFarWithAPlainMessage) {
  TfrmMods& mods = open();
  ActingPacer pacer([&](const QString& folder) {
    if (folder == tree.path("Sub")) mods.btAbort->click();
  });
  mods.pacer = &pacer;
  search(mods.rbAccessed, mods.rbOnOrAfter, QDate(1980, 1, 1), QDate(1980, 1, 1));
  EXPECT_EQ(dialogs.texts(MessageStyle::Information).value(0), QStringLiteral("LIST INCOMPLETE ... ABORTED BY USER"));
  // The root's own files come after its folders: the walk never reached them.
  EXPECT_FALSE(names().contains(QStringLiteral("Mar01.txt")));
  EXPECT_TRUE(mods.btOK->isEnabled() && mods.btClose->isEnabled() && mods.pckDrive->isEnabled());
  EXPECT_TRUE(mods.btAbort->isHidden());
}

TEST_F(ModsTest, DuringASearchTheQueryCannotChangeAndClosingStopsTheSearch) {
  TfrmMods& mods = open();
  QStringList usable;
  ActingPacer pacer([&](const QString&) {
    if (!usable.isEmpty()) return;
    const QList<QWidget*> query = {mods.btOK,   mods.btClose, mods.pckDrive, mods.rgWhat,
                                   mods.rgWhen, mods.dtStart, mods.dtEnd,   mods.cbWildCard};
    for (QWidget* control : query) {
      if (control->isEnabled()) usable.append(control->objectName());
    }
    usable.append(QStringLiteral("abort shown: ") + (mods.btAbort->isVisible() ? "yes" : "no"));
    mods.close();
  });
  mods.pacer = &pacer;
  search(mods.rbAccessed, mods.rbOnOrAfter, QDate(1980, 1, 1), QDate(1980, 1, 1));
  EXPECT_EQ(usable, QStringList{"abort shown: yes"});
  // The close stopped the search quietly; the window stays with what was found.
  EXPECT_TRUE(mods.isVisible());
  EXPECT_FALSE(names().contains(QStringLiteral("Mar01.txt")));
  EXPECT_FALSE(dialogs.texts().contains(QStringLiteral("LIST INCOMPLETE ... ABORTED BY USER")));
  mods.close();
  EXPECT_FALSE(mods.isVisible());
}

TEST_F(ModsTest, ThePatternIsDescribedAndLeavesOutOtherFiles) {
  TfrmMods& mods = open();
  EXPECT_EQ(mods.cbWildCard->currentText(), QStringLiteral("*.*"));
  EXPECT_EQ(mods.lblWild->text(), QStringLiteral("All files"));
  mods.cbWildCard->setEditText(QStringLiteral("*.txt"));
  EXPECT_EQ(mods.lblWild->text(), QStringLiteral("Text Document"));
  search(mods.rbAccessed, mods.rbOnOrAfter, kMarch1, kMarch1);
  EXPECT_EQ(names(), (std::set<QString>{"Mar01.txt", "Mar31.txt", "Old.txt"}));
}

TEST_F(ModsTest, AddingAFolderRefillsTheDriveListWithIt) {
  TfrmMods& mods = open();
  const QString added = tree.folder(QStringLiteral("added"));
  dialogs.chooseText(added);
  QTimer::singleShot(0, [] {
    auto* folders = qobject_cast<TfrmAddNewFolder*>(QApplication::activeModalWidget());
    ASSERT_NE(folders, nullptr);
    folders->btAdd->click();
    folders->btClose->click();
  });
  mods.Addafoldertolistofdrives1->trigger();
  QStringList texts;
  for (const DriveListItem& item : mods.pckDrive->items()) texts.append(item.text);
  EXPECT_TRUE(texts.contains(added)) << texts.join(u';').toStdString();
}

TEST_F(ModsTest, ThePrintTitleNamesTheKindAndTheRange) {
  TfrmMods& mods = open();
  mods.rbModified->setChecked(true);
  mods.rbInBetween->setChecked(true);
  mods.dtStart->setDate(QDate(1999, 1, 1));
  mods.dtEnd->setDate(QDate(1999, 3, 31));
  EXPECT_EQ(mods.printTitle(), QStringLiteral("Files Modified between 1/1/1999 and 3/31/1999"));
  mods.rbOnOrBefore->setChecked(true);
  EXPECT_EQ(mods.printTitle(), QStringLiteral("Files Modified before 1/1/1999"));
}

TEST_F(ModsTest, BrowseOpensTheCurrentRowsFolderWithItsFile) {
  TfrmMods& mods = open();
  search(mods.rbAccessed, mods.rbInBetween, kMarch31, kMarch31);
  QStringList browsed;
  mods.browseFile = [&](const QString& folder, const QString& file) { browsed << folder << file; };
  mods.grid->setCurrentIndex(mods.grid->model()->index(0, 0));
  mods.btBrowse->click();
  EXPECT_EQ(browsed, (QStringList{tree.path("Sub"), "Mar31.txt"}));
}

}  // namespace
}  // namespace tessaly
