#include "ui/safeharbor/no_delete_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QDate>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/common/date_texts.h"
#include "core/common/dialogs.h"
#include "core/common/settings_store.h"
#include "core/safeharbor/folder_entries.h"
#include "core/safeharbor/folders_file.h"
#include "core/safeharbor/pattern_lines.h"
#include "core/safeharbor/software_folders.h"
#include "ui/lists/pattern_list_view.h"
#include "ui/lists/pattern_list_window.h"
#include "ui/safeharbor/edit_folder_window.h"
#include "ui/safeharbor/folder_entries_model.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/wait_cursor.h"
#include "ui/common/help_topic.h"

namespace tessaly {
namespace {

const QString foldersSection = QStringLiteral("Folders");
const QString whenKey = QStringLiteral("When");
const QString notRecorded = QStringLiteral("Not recorded");
const QString folderBrowserTitle = QStringLiteral("Select a folder that won't be deleted");

}  // namespace

TfrmNoDelete::TfrmNoDelete(QWidget* parent) : QDialog(parent), folders_(new FolderEntriesModel(this)) {
  const WaitCursor wait;
  setWindowTitle(QStringLiteral("Safe Harbor - List of folders that should not be deleted"));
  setHelpTopic(this, QStringLiteral("safe-harbor.html"));
  lblHeading = new QLabel(QStringLiteral("Safe harbor - folders/files not to delete"), this);
  QFont headingFont = lblHeading->font();
  headingFont.setPointSize(headingFont.pointSize() + 6);
  headingFont.setBold(true);
  lblHeading->setFont(headingFont);

  pages = new QTabWidget(this);
  pages->addTab(folderPage(), QStringLiteral("Folders not to delete"));
  pages->addTab(typesPage(), QStringLiteral("File types not to delete"));
  btClose = hintedButton(QStringLiteral("Close"), QStringLiteral("Close window"), this);
  connect(btClose, &QPushButton::clicked, this, &QDialog::accept);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(btClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblHeading);
  layout->addWidget(pages, 1);
  layout->addLayout(bottom);
  resize(600, 520);

  if (foldersFileExists()) folders_->setEntries(readFoldersFile());
  updatecount();
  lblWhen->setText(programSettings().readString(foldersSection, whenKey, notRecorded));
  ReadInFromDisk();
  lblToday->setText(longDateText(QDate::currentDate()));
  pages->setCurrentIndex(0);
}

TfrmNoDelete::~TfrmNoDelete() = default;

QWidget* TfrmNoDelete::folderPage() {
  auto* page = new QWidget(this);
  ListBox1 = new QListView(page);
  ListBox1->setModel(folders_);
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListBox1->setUniformItemSizes(true);
  ListBox1->setToolTip(QStringLiteral("Drag the mouse over the list to select multiple folders"));
  connect(ListBox1, &QListView::doubleClicked, this, &TfrmNoDelete::btEditClick);

  lblWhen = new QLabel(page);
  lblToday = new QLabel(page);
  lblCount = new QLabel(page);
  btAdd = hintedButton(QStringLiteral("&Add"), QStringLiteral("Add a new folder to this list"), page);
  btDel = hintedButton(QStringLiteral("&Delete"),
                 QStringLiteral("Delete a folder.  Select multiple folders above to delete more than one."), page);
  btEdit = hintedButton(QStringLiteral("&Edit"), QStringLiteral("Edit a folder"), page);
  btBuild = hintedButton(QStringLiteral("&Build list of folders"),
                   QStringLiteral("Build the list of folders referenced by installed software"), page);
  btBuild->setDefault(true);
  connect(btAdd, &QPushButton::clicked, this, &TfrmNoDelete::btAddClick);
  connect(btDel, &QPushButton::clicked, this, &TfrmNoDelete::btDelClick);
  connect(btEdit, &QPushButton::clicked, this, &TfrmNoDelete::btEditClick);
  connect(btBuild, &QPushButton::clicked, this, &TfrmNoDelete::btBuildClick);

  auto* dates = new QGridLayout;
  dates->addWidget(new QLabel(QStringLiteral("Date of last build:"), page), 0, 0);
  dates->addWidget(lblWhen, 0, 1);
  dates->addWidget(new QLabel(QStringLiteral("Today's date:"), page), 1, 0);
  dates->addWidget(lblToday, 1, 1);
  dates->addWidget(lblCount, 0, 2, Qt::AlignRight);
  dates->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {btAdd, btDel, btEdit}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(btBuild);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(wrappedText(
      QStringLiteral("This is a list of folders that are referenced by your installed software.  When deleting a file or "
                     "folders, Tessaly will check this list of folders and warn you before deleting the files within "
                     "the folder.  You may add or delete from this list."),
      page));
  layout->addWidget(ListBox1, 1);
  layout->addWidget(wrappedText(QStringLiteral("Those folders that are marked with *.* include ALL sub-folders.  Note: "
                                               "It is recommended that you rebuild this list after installing or "
                                               "uninstalling programs."),
                                page));
  layout->addLayout(dates);
  layout->addLayout(buttons);
  return page;
}

QWidget* TfrmNoDelete::typesPage() {
  auto* page = new QWidget(this);
  PickList1 = new PatternListView(page);
  PickList1->setToolTip(QStringLiteral("File extensions/types of files NOT to delete"));
  BitBtn1 = hintedButton(QStringLiteral("&Add/Delete"), QStringLiteral("Add, delete file extensions"), page);
  connect(BitBtn1, &QPushButton::clicked, this, &TfrmNoDelete::BitBtn1Click);
  auto* row = new QHBoxLayout;
  row->addWidget(PickList1, 1);
  row->addWidget(BitBtn1, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(row, 1);
  layout->addWidget(wrappedText(
      QStringLiteral("These file types as indicated by the file extension will NOT be deleted by Tessaly.  When "
                     "deleting files, you will be warned if one of the files matches the types above.  "),
      page));
  layout->addWidget(wrappedText(QStringLiteral("You can over-ride this setting by simply moving the file off of the "
                                               "safe harbor area when deleting the files."),
                                page));
  return page;
}

QStringList TfrmNoDelete::folderEntries() const { return folders_->entries(); }

void TfrmNoDelete::ReadInFromDisk() {
  const PatternListKind& keep = keepFilesKind();
  PickList1->lines().setLines(readPatternLines(keep.section, keep.neverStoredDefaults));
}

void TfrmNoDelete::updatecount() {
  lblCount->setText(QString::number(folders_->rowCount()) + QStringLiteral(" folders"));
}

void TfrmNoDelete::btAddClick() {
  const QString folder = dialogs().chooseFolder(folderBrowserTitle, QStringLiteral("/"));
  if (!folder.isEmpty()) {
    folders_->append(withTrailingSlash(folder));
    foldersChanged_ = true;
  }
  updatecount();
}

void TfrmNoDelete::btDelClick() {
  const QModelIndexList selected = ListBox1->selectionModel()->selectedIndexes();
  if (selected.isEmpty()) {
    showError(QStringLiteral("Select one or more folders from the list above"));
  } else if (dialogs().ask(MessageStyle::Question, windowTitle(), QStringLiteral("Really delete the selected folders?"),
                           AnswerSet::OkCancel) == Answer::Ok) {
    QList<int> rows;
    for (const QModelIndex& index : selected) rows.append(index.row());
    folders_->removeEntries(rows);
    foldersChanged_ = true;
  }
  updatecount();
}

void TfrmNoDelete::btEditClick() {
  const QModelIndex current = ListBox1->currentIndex();
  if (!current.isValid()) {
    showError(QStringLiteral("Select a folder first"));
    ListBox1->setFocus();
    return;
  }
  const QString entry = folders_->entries()[current.row()];
  TfrmEditFolder editor(this);
  editor.Edit1->setText(entryFolder(entry));
  editor.cbAll->setChecked(coversSubFolders(entry));
  if (editor.exec() != QDialog::Accepted || editor.Edit1->text().isEmpty()) return;
  foldersChanged_ = true;
  const bool all = editor.cbAll->isChecked();
  const QString edited = withTrailingSlash(editor.Edit1->text()) + (all ? allFilesMark : QString());
  folders_->setEntry(current.row(), edited);
  if (all) {
    pruneListBox();
    updatecount();
  }
  const QModelIndex row = folders_->index(int(folders_->entries().indexOf(edited)));
  ListBox1->setCurrentIndex(row);
  ListBox1->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect);
  ListBox1->setFocus();
}

void TfrmNoDelete::pruneListBox() {
  QStringList entries = folders_->entries();
  pruneCoveredFolders(entries, lbTmp);
  folders_->setEntries(entries);
}

void TfrmNoDelete::setBuilding(bool building) {
  for (QPushButton* b : {btAdd, btDel, btEdit, btBuild}) b->setEnabled(!building);
}

void TfrmNoDelete::btBuildClick() {
  if (dialogs().ask(MessageStyle::Question, windowTitle(),
                    QStringLiteral("Tessaly will now scan the installed software for references to folders.  Those folders ending "
                                   "with *.* will not be discarded during the scan.  It may take a few minutes.  "
                                   "Continue? "),
                    AnswerSet::YesNo) != Answer::Yes)
    return;
  QStringList kept;
  for (const QString& entry : folders_->entries()) {
    if (entry.contains(allFilesMark)) kept.append(entry);
  }
  folders_->setEntries(kept);
  listsChanged_ = true;

  const QString heading = lblHeading->text();
  lblHeading->setText(QStringLiteral("Building List ... standby"));
  setBuilding(true);
  {
    const WaitCursor wait;
    lblCount->clear();
    repaint();
    // Repainting after every folder would make the build crawl; a few times a second shows
    // the same progress.
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    addInstalledSoftwareFolders(kept, platform::installedSoftware(), [&](const QString& folder) {
      folders_->append(folder);
      if (sinceRepaint.elapsed() >= 100) {
        ListBox1->scrollToBottom();
        ListBox1->repaint();
        sinceRepaint.restart();
      }
    });
    pruneListBox();
    updatecount();
  }
  setBuilding(false);
  lblHeading->setText(heading);
  updateLastDate();
  foldersChanged_ = true;
}

void TfrmNoDelete::updateLastDate() {
  const QString when = folders_->rowCount() > 0
                           ? longDateText(QDate::currentDate()) + u' ' + longTimeText(QTime::currentTime())
                           : notRecorded;
  programSettings().writeString(foldersSection, whenKey, when);
  lblWhen->setText(when);
  lblToday->setText(longDateText(QDate::currentDate()));
}

void TfrmNoDelete::BitBtn1Click() {
  {
    TfrmKeepFiles editor(this);
    editor.exec();
  }
  ReadInFromDisk();
  listsChanged_ = true;
}

void TfrmNoDelete::done(int result) {
  if (foldersChanged_) {
    QString error;
    if (!saveFoldersFile(folders_->entries(), &error)) showError(error);
    // A folder just added or deleted counts from now on, not from the next start.
    listsChanged_ = true;
  }
  QDialog::done(result);
}

}  // namespace tessaly
