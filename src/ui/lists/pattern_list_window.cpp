#include "ui/lists/pattern_list_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/safeharbor/pattern_lines.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"

namespace tessaly {

const PatternListKind& tempFilesKind() {
  static const PatternListKind kind{
      QStringLiteral("Temporary file extensions"),
      QStringLiteral("Temporary File Extensions"),
      {QStringLiteral("Some common temporary file extensions are .TMP, .TEMP, .$$$, .OLD and .BAK.  It is your "
                      "responsibility to ensure that you have selected the proper extensions for file deletion."),
       QStringLiteral(".FTS files may deleted if you're really short of space.  They are help file searching "
                      "add-ons.  They can be re-generated as needed.")},
      kTempFilesSection,
      {QStringLiteral("*.tmp"), QStringLiteral("*.fts"), QStringLiteral("*.bak"), QStringLiteral("*.$$$")},
      {QStringLiteral("*.bak"), QStringLiteral("*.chk"), QStringLiteral("*.tmp"), QStringLiteral("*.temp"),
       QStringLiteral("*.fts"), QStringLiteral("*.old"), QStringLiteral("*.$$$"), QStringLiteral("*.---"),
       QStringLiteral("*.~mp"), QStringLiteral("*.~*"), QStringLiteral("*.gid"), QStringLiteral("*.ftg"),
       QStringLiteral("*.da0"), QStringLiteral("*.db$")},
      QStringLiteral("temporary-extensions.html")};
  return kind;
}

const PatternListKind& keepFilesKind() {
  static const PatternListKind kind{
      QStringLiteral("Safe Harbor file extensions"),
      QStringLiteral("Safe Harbor File Extensions"),
      {QStringLiteral("Files with these extensions will not be deleted.   To select multiple file extensions, press "
                      "Shift or Ctrl while pressing the down arrow or clicking the mouse.")},
      kProtectedTypesSection,
      // Kernel modules and boot loaders (EFI programs), where the design kept its system
      // drivers, *.sys and *.drv.
      {QStringLiteral("*.efi"), QStringLiteral("*.ko")},
      {QStringLiteral("*.ko"), QStringLiteral("*.efi")},
      QStringLiteral("keep-list.html")};
  return kind;
}

TfrmPatternList::TfrmPatternList(QWidget* parent, const PatternListKind& kind) : QDialog(parent), kind_(kind) {
  setWindowTitle(kind.caption);
  setHelpTopic(this, kind.helpPage);
  auto* heading = new QLabel(kind.heading, this);
  QFont headingFont = heading->font();
  headingFont.setPointSize(headingFont.pointSize() + 6);
  headingFont.setBold(true);
  heading->setFont(headingFont);

  PickList1 = new PatternListView(this);
  PickList1->setToolTip(QStringLiteral("List of temporary file extensions and types"));

  btAdd = hintedButton(QStringLiteral("&Add"), QStringLiteral("Add a file extension to this list"), this);
  btDelete = hintedButton(QStringLiteral("&Delete"), QStringLiteral("Delete a file extension"), this);
  btClear = hintedButton(QStringLiteral("&Clear all"), QStringLiteral("Clear all extensions"), this);
  btDefaults = hintedButton(QStringLiteral("D&efaults"), QStringLiteral("Inserts some default temporary file extensions"), this);
  btClose = hintedButton(QStringLiteral("Close"), QStringLiteral("Close window"), this);
  connect(btAdd, &QPushButton::clicked, this, &TfrmPatternList::btAddClick);
  connect(btDelete, &QPushButton::clicked, this, &TfrmPatternList::btDeleteClick);
  connect(btClear, &QPushButton::clicked, this, &TfrmPatternList::btClearClick);
  connect(btDefaults, &QPushButton::clicked, this, &TfrmPatternList::btDefaultsClick);
  connect(btClose, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {btAdd, btDelete, btClear, btDefaults}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(btClose);
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(PickList1, 1);
  listRow->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(listRow, 1);
  for (const QString& note : kind.notes) {
    auto* text = new QLabel(note, this);
    text->setWordWrap(true);
    layout->addWidget(text);
  }
  resize(420, 380);
  // Read when the window is made rather than when shown, so that no way of closing can store
  // a list that was never read.
  ReadInFromDisk();
}

void TfrmPatternList::btAddClick() { PickList1->addFromPicker(); }
void TfrmPatternList::btDeleteClick() { PickList1->deleteSelected(); }
void TfrmPatternList::btClearClick() { PickList1->clearAll(); }

void TfrmPatternList::btDefaultsClick() {
  for (const QString& pattern : kind_.defaultsButtonPatterns) PickList1->lines().addLine(patternLine(pattern));
}

void TfrmPatternList::ReadInFromDisk() {
  PickList1->lines().setLines(readPatternLines(kind_.section, kind_.neverStoredDefaults));
}

void TfrmPatternList::WriteOutToDisk() { writePatternLines(kind_.section, PickList1->lineTexts()); }

void TfrmPatternList::done(int result) {
  // Every way out stores the list: there is no cancel that discards edits.
  WriteOutToDisk();
  QDialog::done(result);
}

}  // namespace tessaly
