#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QPushButton>
#include <QTest>

#include "core/common/settings_store.h"
#include "core/safeharbor/pattern_lines.h"
#include "scripted_picker.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/lists/stat_list_window.h"

#include <QLabel>

namespace tessaly {
namespace {

class StatListEditor : public ::testing::Test {
 protected:
  StatListEditor() { types.add(".doc", "application/msword", "Word document"); }
  testkit::TempXdg xdg;
  testkit::FakeFileTypes types;
  testkit::ScriptedDialogs dialogs;
  testkit::ScriptedPicker picker;
};

TEST_F(StatListEditor, ShowsTheDefaultsAndAfterClearAllAndCloseTheListReadsEmpty) {
  TfrmStatList editor(nullptr, "Exclude");
  EXPECT_EQ(editor.windowTitle(), "File types");
  EXPECT_EQ(editor.lblCount->text(), "3 available");
  dialogs.answer(Answer::Yes);
  editor.btClear->click();
  EXPECT_EQ(editor.lblCount->text(), "0 available");
  editor.btClose->click();
  EXPECT_EQ(editor.result(), QDialog::Accepted);
  EXPECT_EQ(programSettings().readInteger("Exclude", "Number", -1), 0);
  QStringList lines{"x"};
  ReadStatFilesFromDisk(lines, "Exclude");
  EXPECT_TRUE(lines.isEmpty());
}

TEST_F(StatListEditor, EscapeStoresAndTheCloseBoxStoresNothing) {
  {
    TfrmStatList editor(nullptr, "Include");
    dialogs.answer(Answer::Yes);
    editor.btClear->click();
    editor.show();
    editor.close();
    EXPECT_EQ(editor.result(), QDialog::Rejected);
  }
  EXPECT_EQ(programSettings().readInteger("Include", "Number", -1), -1);
  {
    TfrmStatList editor(nullptr, "Include");
    picker.single("*.zz", "ZZ File");
    editor.btAdd->click();
    editor.show();
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(editor.result(), QDialog::Accepted);
  }
  EXPECT_EQ(programSettings().readList("Include", {}), (QStringList{"*.dll", "*.doc", "*.exe", "*.zz"}));
}

TEST_F(StatListEditor, AddingAnEntryAlreadyListedAddsNothingAndDeletingThreeAsksWithTheCount) {
  TfrmStatList editor(nullptr, "Include");
  picker.single("*.doc", "Word document");
  editor.btAdd->click();
  EXPECT_EQ(editor.lblCount->text(), "3 available");
  for (int row = 0; row < 3; ++row)
    editor.PickList1->selectionModel()->select(editor.PickList1->model()->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
  dialogs.answer(Answer::Cancel);
  editor.btDelete->click();
  EXPECT_EQ(dialogs.texts(), QStringList{"Really delete 3 extensions?"});
  EXPECT_EQ(editor.lblCount->text(), "3 available");
  dialogs.answer(Answer::Yes);
  editor.btDelete->click();
  EXPECT_EQ(editor.lblCount->text(), "0 available");
}

}  // namespace
}  // namespace tessaly
