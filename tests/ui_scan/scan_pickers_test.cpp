#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "core/common/settings_store.h"
#include "core/walk/directory_walk.h"
#include "core/walk/drive_list.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/lists/stat_list_window.h"
#include "ui/scan/add_new_folder_window.h"
#include "ui/scan/drive_check_list.h"
#include "ui/scan/scan_frame.h"
#include "ui/scan/select_extension_window.h"
#include "ui/scan/which_drive_window.h"
#include "ui/scan/wild_card_window.h"

namespace tessaly {
namespace {

using platform::DriveKind;

QStringList textsOf(const QList<DriveListItem>& items, bool tickedOnly = false) {
  QStringList texts;
  for (const DriveListItem& item : items)
    if (!tickedOnly || item.ticked) texts << item.text;
  return texts;
}

TEST(DriveList, ListsTheKindsOfEachWindowThenTheAddedFoldersWithTheCurrentDriveTicked) {
  testkit::TempXdg xdg;
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), DriveKind::Fixed, QStringLiteral("system"));
  drives.add(QDir::homePath(), DriveKind::Fixed, QStringLiteral("home"));
  drives.add(QStringLiteral("/media/stick"), DriveKind::Removable);
  drives.add(QStringLiteral("/mnt/share"), DriveKind::Network, QStringLiteral("//server/share"));
  drives.add(QStringLiteral("/run/ram"), DriveKind::RamDisk);
  writeAddedFolders({QStringLiteral("/data/Projects")});

  const QList<DriveListItem> tools = driveListItems(DriveListUse::ScanningTools, true);
  EXPECT_EQ(textsOf(tools), (QStringList{QStringLiteral("/ system"), QDir::homePath() + QStringLiteral(" home"),
                                         QStringLiteral("/media/stick "), QStringLiteral("/mnt/share //server/share"),
                                         QStringLiteral("/data/Projects")}));
  EXPECT_EQ(textsOf(tools, true), QStringList{QDir::homePath() + QStringLiteral(" home")});
  EXPECT_TRUE(tools.last().addedFolder);
  EXPECT_EQ(tools.last().root().path, QStringLiteral("/data/Projects"));

  EXPECT_EQ(textsOf(driveListItems(DriveListUse::FilesAccessed, false)).size(), 4);
  const QStringList statistics = textsOf(driveListItems(DriveListUse::Statistics, false));
  EXPECT_TRUE(statistics.contains(QStringLiteral("/run/ram ")));
  EXPECT_FALSE(statistics.contains(QStringLiteral("/media/stick ")));
}

TEST(DriveList, TicksTheRootFileSystemWhenTheCurrentDriveIsNotListed) {
  testkit::TempXdg xdg;
  testkit::FakeDriveTable drives;
  drives.add(QStringLiteral("/"), DriveKind::Fixed);
  drives.add(QDir::homePath(), DriveKind::Removable);  // not a kind the statistics wizard lists
  drives.add(QStringLiteral("/srv"), DriveKind::Fixed);
  EXPECT_EQ(textsOf(driveListItems(DriveListUse::Statistics, false), true), QStringList{QStringLiteral("/ ")});
}

class WizardFixture : public ::testing::Test {
 protected:
  WizardFixture() {
    drives.add(QStringLiteral("/"), DriveKind::Fixed);
    drives.add(QStringLiteral("/srv"), DriveKind::Fixed);
  }
  testkit::TempXdg xdg;
  testkit::FakeDriveTable drives;
  testkit::ScriptedDialogs dialogs;
};

TEST_F(WizardFixture, NextNeedsATickedDriveAndAllFilesEndsOnTheSecondPage) {
  TfrmWhichDrive wizard;
  EXPECT_EQ(wizard.currentPage(), 1);
  EXPECT_TRUE(wizard.btNext1->isEnabled());
  wizard.pckDrive->setAllTicked(false);
  EXPECT_FALSE(wizard.btNext1->isEnabled());
  wizard.pckDrive->item(1)->setCheckState(Qt::Checked);  // a click in the list
  EXPECT_TRUE(wizard.btNext1->isEnabled());
  wizard.btNext1->click();
  EXPECT_EQ(wizard.currentPage(), 2);
  EXPECT_TRUE(wizard.rbAll->isChecked());
  wizard.btNext2->click();
  EXPECT_EQ(wizard.result(), QDialog::Accepted);
  EXPECT_TRUE(wizard.allFiles());
  EXPECT_FALSE(wizard.selectedTypesOnly());
  ASSERT_EQ(wizard.tickedRoots().size(), 1);
  EXPECT_EQ(wizard.tickedRoots().first().path, QStringLiteral("/srv"));
}

TEST_F(WizardFixture, SelectedTypesNeedOneTypeAndOneDriveBeforeOk) {
  QStringList editedSections;
  TfrmWhichDrive wizard(nullptr, [&](QWidget*, const QString& section) { editedSections << section; });
  wizard.btNext1->click();
  wizard.rbSelected->setChecked(true);
  wizard.btNext2->click();
  EXPECT_EQ(wizard.currentPage(), 3);
  EXPECT_EQ(wizard.lblHeading->text(), QStringLiteral("Selected file types only"));
  EXPECT_EQ(wizard.lblCount->text(), QStringLiteral("0/3"));  // the built-in Include list
  EXPECT_FALSE(wizard.btOK->isEnabled());

  wizard.PickList1->item(0)->setSelected(true);
  EXPECT_EQ(wizard.lblCount->text(), QStringLiteral("1/3"));
  EXPECT_TRUE(wizard.btOK->isEnabled());
  wizard.pckDrive->setAllTicked(false);
  wizard.PickList1->item(1)->setSelected(true);
  EXPECT_FALSE(wizard.btOK->isEnabled());
  wizard.pckDrive->setAllTicked(true);
  wizard.PickList1->item(1)->setSelected(false);
  EXPECT_TRUE(wizard.btOK->isEnabled());

  // The editor hook gets the mode's list; afterwards the list is read again and nothing is selected.
  wizard.btAddDelete->click();
  EXPECT_EQ(editedSections, QStringList{QStringLiteral("Include")});
  EXPECT_EQ(wizard.lblCount->text(), QStringLiteral("0/3"));
  EXPECT_FALSE(wizard.btOK->isEnabled());

  wizard.PickList1->item(2)->setSelected(true);
  wizard.btOK->click();
  EXPECT_EQ(wizard.result(), QDialog::Accepted);
  EXPECT_TRUE(wizard.selectedTypesOnly());
  EXPECT_EQ(wizard.selectedTypeLines().size(), 1);
  EXPECT_TRUE(wizard.selectedTypeLines().first().startsWith(QStringLiteral("*.")));
}

TEST_F(WizardFixture, AddDeleteOpensTheTypeListEditorAndTheWizardReadsWhatItStored) {
  TfrmWhichDrive wizard;
  wizard.btNext1->click();
  wizard.rbExcept->setChecked(true);
  wizard.btNext2->click();
  ASSERT_EQ(wizard.lblCount->text(), QStringLiteral("0/3"));
  bool sawEditor = false;
  QTimer::singleShot(0, [&] {
    auto* editor = qobject_cast<TfrmStatList*>(QApplication::activeModalWidget());
    ASSERT_NE(editor, nullptr);
    sawEditor = true;
    dialogs.answer(Answer::Yes);  // clearing the whole list asks first
    editor->btClear->click();
    editor->btClose->click();
  });
  wizard.btAddDelete->click();
  EXPECT_TRUE(sawEditor);
  EXPECT_EQ(programSettings().readList(QStringLiteral("Exclude"), {QStringLiteral("unused")}), QStringList());
  EXPECT_EQ(wizard.lblCount->text(), QStringLiteral("0/0"));
}

TEST_F(WizardFixture, AllButSelectedTypesShowsTheExcludeListAndPreviousGoesBack) {
  TfrmWhichDrive wizard;
  wizard.btNext1->click();
  wizard.rbExcept->setChecked(true);
  wizard.btNext2->click();
  EXPECT_EQ(wizard.lblHeading->text(), QStringLiteral("All file types except ..."));
  wizard.btPreviousClick();
  EXPECT_EQ(wizard.currentPage(), 2);
  wizard.btPreviousClick();
  EXPECT_EQ(wizard.currentPage(), 1);
}

TEST(ExtensionPicker, TurnsWhatWasTypedIntoAPattern) {
  testkit::FakeFileTypes types;
  types.add(QStringLiteral(".doc"), QStringLiteral("Word.Document"), QStringLiteral("Word document"));
  struct Case {
    const char* typed;
    const char* pattern;
  };
  const Case cases[] = {{"doc", "*.doc"}, {".doc", "*.doc"},       {"*.doc", "*.doc"}, {"readme.*", "readme.*"},
                        {"*.*", ""},      {".*", ""},              {"*", ""},          {"~*.tmp", "~*.tmp"},
                        {"a.b", "a.b"}};
  for (const Case& c : cases) {
    const ExtensionChoice choice = choiceFromTypedText(QString::fromUtf8(c.typed));
    EXPECT_TRUE(choice.accepted);
    EXPECT_FALSE(choice.several);
    EXPECT_EQ(choice.pattern, QString::fromUtf8(c.pattern)) << c.typed;
  }
  EXPECT_EQ(choiceFromTypedText(QStringLiteral("doc")).description, QStringLiteral("Word document"));
  EXPECT_EQ(choiceFromTypedText(QStringLiteral("*.*")).description, QString());
}

TEST(ExtensionPicker, CopiesAClickedLineAndReturnsSeveralSelectedLines) {
  testkit::FakeFileTypes types;
  types.add(QStringLiteral(".doc"), QStringLiteral("Word.Document"), QStringLiteral("Word document"));
  types.add(QStringLiteral(".txt"), QStringLiteral("txtfile"), QStringLiteral("Text Document"));
  TfrmSelectExtension picker;
  ASSERT_EQ(picker.lBox->count(), 2);
  EXPECT_EQ(picker.lBox->item(1)->text(), QStringLiteral("*.txt\tText Document"));
  EXPECT_EQ(picker.Edit1->text(), QStringLiteral("*.doc"));  // the first combo entry

  picker.lBox->setCurrentRow(1);
  picker.lBoxClick();
  EXPECT_EQ(picker.Edit1->text(), QStringLiteral("*.txt"));
  picker.btOKClick();
  EXPECT_EQ(picker.choice().pattern, QStringLiteral("*.txt"));
  EXPECT_EQ(picker.choice().description, QStringLiteral("Text Document"));

  picker.lBox->item(0)->setSelected(true);
  picker.lBox->item(1)->setSelected(true);
  picker.btOKClick();
  EXPECT_TRUE(picker.choice().several);
  EXPECT_EQ(picker.choice().lines, (QStringList{QStringLiteral("*.doc\tWord document"), QStringLiteral("*.txt\tText Document")}));
}

TEST(WildCardWindow, OffersAllFilesFirstAndDescribesThePattern) {
  testkit::FakeFileTypes types;
  types.add(QStringLiteral(".txt"), QStringLiteral("txtfile"), QStringLiteral("Text Document"));
  TfrmWildCard window;
  window.cbWildCard->setEditText(QStringLiteral("*.*"));
  window.FormShow();
  EXPECT_EQ(window.cbWildCard->itemText(0), QStringLiteral("*.*"));
  EXPECT_EQ(window.cbWildCard->currentText(), QStringLiteral("*.*"));
  EXPECT_EQ(window.lblWild->text(), QStringLiteral("All files"));
  window.cbWildCard->setEditText(QStringLiteral("*.txt"));
  EXPECT_EQ(window.lblWild->text(), QString());
  EXPECT_EQ(window.lblType->text(), QStringLiteral("Text Document"));
}

TEST(AddFolderWindow, FoldersThatDifferOnlyInCaseAreTwoFolders) {
  testkit::TempXdg xdg;
  testkit::ScriptedDialogs dialogs;
  TfrmAddNewFolder window;
  dialogs.chooseText(QStringLiteral("/data/Music"));
  dialogs.chooseText(QStringLiteral("/data/music"));
  window.btAddClick();
  window.btAddClick();
  EXPECT_EQ(window.folders().size(), 2);
}

TEST(AddFolderWindow, KeepsOneEntryPerFolderAndAsksBeforeDeletingSeveral) {
  testkit::TempXdg xdg;
  testkit::ScriptedDialogs dialogs;
  TfrmAddNewFolder window;
  dialogs.chooseText(QStringLiteral("/data/Photos"));
  dialogs.chooseText(QStringLiteral("/data/Photos"));
  dialogs.chooseText(QStringLiteral("/data/Music"));
  window.btAddClick();
  window.btAddClick();
  window.btAddClick();
  EXPECT_EQ(window.folders(), (QStringList{QStringLiteral("/data/Music"), QStringLiteral("/data/Photos")}));

  window.btDelClick();
  EXPECT_EQ(dialogs.texts(MessageStyle::Error),
            QStringList{QStringLiteral("To delete one or more folder(s), first highlight the selected folders then click delete.")});

  window.ListBox1->selectAll();
  dialogs.answer(Answer::No);
  window.btDelClick();
  EXPECT_EQ(window.folders().size(), 2);
  EXPECT_EQ(dialogs.shown().last().text, QStringLiteral("Really delete 2 folders?"));

  window.ListBox1->clearSelection();
  window.ListBox1->item(0)->setSelected(true);
  dialogs.clear();
  window.btDelClick();  // one entry goes without a question
  EXPECT_TRUE(dialogs.shown().isEmpty());
  EXPECT_EQ(window.folders(), QStringList{QStringLiteral("/data/Photos")});

  EXPECT_TRUE(readAddedFolders().isEmpty());  // nothing stored before Close
  window.btCloseClick();
  EXPECT_EQ(readAddedFolders(), QStringList{QStringLiteral("/data/Photos")});
}

TEST(ScanFrame, DisablesTheWindowDuringAWalkAndReportsAnAbortAndAnEmptyResult) {
  testkit::ScriptedDialogs dialogs;
  QWidget window;
  auto* start = new QPushButton(&window);
  auto* close = new QPushButton(&window);
  auto* option = new QPushButton(&window);
  auto* result = new QPushButton(&window);
  auto* abort = new QPushButton(&window);
  auto* grid = new QWidget(&window);
  window.show();
  ScanFrame frame({{start}, close, {option}, {result}, abort, grid});

  class Visitor : public WalkVisitor {
    void entryFound(const QString&, const WalkEntry&) override {}
  } visitor;
  DirectoryWalk walk(WalkRequest{}, visitor);
  frame.begin(walk);
  EXPECT_FALSE(start->isEnabled());
  EXPECT_FALSE(close->isEnabled());
  EXPECT_FALSE(option->isEnabled());
  EXPECT_FALSE(result->isVisible());
  EXPECT_TRUE(abort->isVisible());
  EXPECT_EQ(grid->cursor().shape(), Qt::WaitCursor);

  frame.abortClicked();
  EXPECT_TRUE(walk.aborted());
  EXPECT_FALSE(abort->isVisible());
  EXPECT_EQ(dialogs.texts(MessageStyle::Warning), QStringList{QStringLiteral("LIST INCOMPLETE ... ABORTED BY USER")});

  frame.finish(false);
  EXPECT_TRUE(start->isEnabled());
  EXPECT_TRUE(close->isEnabled());
  EXPECT_FALSE(result->isVisible());
  EXPECT_EQ(grid->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(dialogs.texts(MessageStyle::Information), QStringList{QStringLiteral("No files found.")});

  frame.begin(walk);
  frame.finish(true);
  EXPECT_TRUE(result->isVisible());
  EXPECT_EQ(dialogs.texts(MessageStyle::Information).size(), 1);
}

}  // namespace
}  // namespace tessaly
