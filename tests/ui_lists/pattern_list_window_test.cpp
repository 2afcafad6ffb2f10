#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QPushButton>
#include <QTest>

#include "core/common/settings_store.h"
#include "core/safeharbor/safe_harbor.h"
#include "scripted_picker.h"
#include "support/fake_host.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/lists/pattern_list_window.h"

namespace tessaly {
namespace {

QStringList patternsOf(const QStringList& lines) {
  QStringList patterns;
  for (const QString& line : lines) patterns.append(line.section(u'\t', 0, 0));
  return patterns;
}

void selectRows(PatternListView* list, std::initializer_list<int> rows) {
  for (int row : rows)
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

class PatternEditors : public ::testing::Test {
 protected:
  testkit::TempXdg xdg;
  testkit::FakeFileTypes types;
  testkit::ScriptedDialogs dialogs;
  testkit::ScriptedPicker picker;
};

TEST_F(PatternEditors, AFreshTemporaryFileEditorShowsFourPatternsAndStoresThemOnClose) {
  {
    TfrmTempFiles editor(nullptr);
    EXPECT_EQ(editor.windowTitle(), "Temporary file extensions");
    EXPECT_EQ(editor.PickList1->lineTexts(),
              (QStringList{"*.$$$\t$$$ File", "*.bak\tBAK File", "*.fts\tFTS File", "*.tmp\tTMP File"}));
    editor.show();
    editor.close();
  }
  EXPECT_EQ(programSettings().readList("TempFiles", {"never stored"}),
            (QStringList{"*.$$$", "*.bak", "*.fts", "*.tmp"}));
  EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(PatternEditors, DefaultsOnAnEmptyTemporaryListAddFourteenLinesAndKeepTheUsersOwn) {
  programSettings().writeList("TempFiles", {});
  TfrmTempFiles editor(nullptr);
  EXPECT_TRUE(editor.PickList1->lineTexts().isEmpty());
  editor.btDefaults->click();
  EXPECT_EQ(editor.PickList1->lineTexts().size(), 14);
  EXPECT_EQ(patternsOf(editor.PickList1->lineTexts()).count("*.old"), 1);

  programSettings().writeList("TempFiles", {"*.log"});
  TfrmTempFiles second(nullptr);
  second.btDefaults->click();
  second.btDefaults->click();
  EXPECT_EQ(second.PickList1->lineTexts().size(), 15);
  EXPECT_TRUE(patternsOf(second.PickList1->lineTexts()).contains("*.log"));
}

TEST_F(PatternEditors, TheKeepListStoredOnceProtectsItsTypes) {
  SafeHarbor harbor([] { return HostFolders{}; });
  harbor.ReadSafeHarborExtensions();
  int reason = 0;
  EXPECT_FALSE(harbor.isInExceptionList("/home/me/snd-hda.ko", true, &reason));
  {
    TfrmKeepFiles editor(nullptr);
    EXPECT_EQ(editor.windowTitle(), "Safe Harbor file extensions");
    EXPECT_EQ(patternsOf(editor.PickList1->lineTexts()), (QStringList{"*.efi", "*.ko"}));
    editor.show();
    QTest::keyClick(&editor, Qt::Key_Escape);
  }
  harbor.ReadSafeHarborExtensions();
  EXPECT_TRUE(harbor.isInExceptionList("/home/me/snd-hda.KO", true, &reason));
  EXPECT_EQ(reason, ProtectedTypeReason);
}

TEST_F(PatternEditors, DeletingOneLineAsksNothingAndDeletingTwoAsksWithTheCount) {
  programSettings().writeList("TempFiles", {"*.a", "*.b", "*.c", "*.d"});
  TfrmTempFiles editor(nullptr);
  selectRows(editor.PickList1, {0});
  editor.btDelete->click();
  EXPECT_TRUE(dialogs.shown().isEmpty());
  EXPECT_EQ(patternsOf(editor.PickList1->lineTexts()), (QStringList{"*.b", "*.c", "*.d"}));

  selectRows(editor.PickList1, {0, 2});
  dialogs.answer(Answer::No);
  editor.btDelete->click();
  EXPECT_EQ(dialogs.texts(), QStringList{"Really delete 2 extensions?"});
  EXPECT_EQ(editor.PickList1->lineTexts().size(), 3);

  dialogs.answer(Answer::Yes);
  editor.btDelete->click();
  EXPECT_EQ(patternsOf(editor.PickList1->lineTexts()), QStringList{"*.c"});

  editor.PickList1->clearSelection();
  editor.btDelete->click();
  EXPECT_EQ(editor.PickList1->lineTexts().size(), 1);
}

TEST_F(PatternEditors, ClearAllEmptiesTheListOnlyOnYes) {
  TfrmKeepFiles editor(nullptr);
  for (Answer refusal : {Answer::No, Answer::Cancel}) {
    dialogs.answer(refusal);
    editor.btClear->click();
    EXPECT_EQ(editor.PickList1->lineTexts().size(), 2);
  }
  dialogs.answer(Answer::Yes);
  editor.btClear->click();
  EXPECT_TRUE(editor.PickList1->lineTexts().isEmpty());
  EXPECT_EQ(dialogs.texts(), QStringList(3, "Really clear out all extensions?"));
}

TEST_F(PatternEditors, AddTakesNewPatternsOnlyAndNeverAllFilesOrAnEmptyOne) {
  TfrmTempFiles editor(nullptr);
  picker.single("*.tmp", "TMP File");
  picker.single("*.TMP", "tmp file");
  picker.single("*.*", "All files");
  picker.single("", "");
  picker.cancelled();
  picker.single("*.log", "Log file");
  picker.several({"*.bak\tBAK File", "*.zz\tZZ File", "*.yy\tYY File"});
  for (int i = 0; i < 7; ++i) editor.btAdd->click();
  EXPECT_EQ(patternsOf(editor.PickList1->lineTexts()),
            (QStringList{"*.$$$", "*.bak", "*.fts", "*.log", "*.tmp", "*.yy", "*.zz"}));
}

}  // namespace
}  // namespace tessaly
