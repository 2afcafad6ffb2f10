#include "ui/clean/cache_window.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/clean/cache_files.h"
#include "core/common/dialogs.h"
#include "platform/browser_caches.h"
#include "platform/host_path.h"
#include "ui/common/dialog_widgets.h"
#include "ui/common/help_topic.h"
#include "ui/common/wait_cursor.h"
#include "ui/deletion/really_delete_window.h"

namespace tessaly {
namespace {

const QString kCaption = QStringLiteral("Internet Browser Cache Folders");
const QString kHelpPage = QStringLiteral("cache.html");
const QString kFolderBrowserTitle = QStringLiteral("Select an internet Cache folder");
const QString kArchiveTag = QStringLiteral("InternetCache");
constexpr int kHeadingPointsLarger = 6;
constexpr QSize kDesignSize{760, 420};
constexpr int kPathRole = Qt::UserRole;

const QString kNothingFound = QStringLiteral(
    "Could not find any internet cache folders on your machine.  You may add them in manually if you know where "
    "they are located.  Typically they will exist under your browser folder with the folder name of \"cache\".");

}  // namespace

TfrmCache::TfrmCache(QWidget* parent) : QDialog(parent) {
  setWindowTitle(kCaption);
  lblHeading = new QLabel(kCaption, this);
  QFont headingFont = lblHeading->font();
  headingFont.setPointSize(headingFont.pointSize() + kHeadingPointsLarger);
  headingFont.setBold(true);
  lblHeading->setFont(headingFont);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  btAdd = hintedButton(QStringLiteral("&Add a folder"), QString(), this);
  btDel = hintedButton(QStringLiteral("&Delete a folder"), QString(), this);
  btInit = hintedButton(QStringLiteral("&Initialize"), QString(), this);
  btClear = new QPushButton(QStringLiteral("&Clear internet cache"), this);
  btClear->setDefault(true);
  btClose = hintedButton(QStringLiteral("Close"), QStringLiteral("Close window"), this);

  nDays = new QSpinBox(this);
  nDays->setObjectName(QStringLiteral("nDays"));
  nDays->setRange(0, kMostCacheAgeDays);
  auto* ageLabel = new QLabel(QStringLiteral("Clear all files that have not been accessed i&n "), this);
  ageLabel->setBuddy(nDays);

  auto* folderButtons = new QVBoxLayout;
  for (QPushButton* button : {btAdd, btDel, btInit}) folderButtons->addWidget(button);
  folderButtons->addStretch();
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(ListBox1, 1);
  folderRow->addLayout(folderButtons);

  auto* ageRow = new QHBoxLayout;
  ageRow->addWidget(ageLabel);
  ageRow->addWidget(nDays);
  ageRow->addWidget(new QLabel(QStringLiteral("days"), this));
  ageRow->addStretch();

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(btClear);
  bottom->addWidget(btClose);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblHeading);
  layout->addWidget(wrappedText(
      QStringLiteral("As you use the internet, temporary files are saved in a disk cache which can grow quite large.  "
                     "To reclaim disk space you can decrease the amount of space that the cache uses (see your "
                     "internet browser documentation) or you can periodically clear it out."),
      this));
  layout->addLayout(folderRow, 1);
  layout->addLayout(ageRow);
  layout->addLayout(bottom);
  resize(kDesignSize);
  setHelpTopic(this, kHelpPage);

  connect(btAdd, &QPushButton::clicked, this, &TfrmCache::btAddClick);
  connect(btDel, &QPushButton::clicked, this, &TfrmCache::btDelClick);
  connect(btInit, &QPushButton::clicked, this, &TfrmCache::btInitClick);
  connect(btClear, &QPushButton::clicked, this, &TfrmCache::btClearClick);
  connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
  runDeletion = [this](const DeletionRequest& request) {
    TfrmReallyDelete deletion(request, DeletionServices{}, this);
    deletion.exec();
  };
}

void TfrmCache::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TfrmCache::FormShow() {
  ListBox1->clear();
  ReadInFromDisk();
  nDays->setValue(0);
  btInit->setVisible(ListBox1->count() == 0);
}

QStringList TfrmCache::folders() const {
  QStringList folders;
  for (int row = 0; row < ListBox1->count(); ++row) folders.append(ListBox1->item(row)->data(kPathRole).toString());
  return folders;
}

void TfrmCache::addFolder(const QString& folder) {
  auto* item = new QListWidgetItem(platform::displayPath(folder), ListBox1);
  item->setData(kPathRole, folder);
}

void TfrmCache::ReadInFromDisk() {
  for (const QString& folder : readCacheFolders()) addFolder(folder);
}

void TfrmCache::WriteOutToDisk() { writeCacheFolders(folders()); }

void TfrmCache::done(int result) {
  WriteOutToDisk();
  QDialog::done(result);
}

void TfrmCache::btAddClick() {
  const QString folder = dialogs().chooseFolder(kFolderBrowserTitle, QStringLiteral("/"));
  if (!folder.isEmpty()) addFolder(folder);
}

void TfrmCache::btDelClick() {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  if (selected.isEmpty()) {
    showError(QStringLiteral("Select a folder from the list above"));
    return;
  }
  QListWidgetItem* item = selected.first();
  if (dialogs().ask(MessageStyle::Question, windowTitle(), QStringLiteral("Really delete ") + item->text(),
                    AnswerSet::OkCancel) == Answer::Ok)
    delete item;
  if (ListBox1->count() == 0) btInit->show();
}

void TfrmCache::btInitClick() {
  {
    const WaitCursor wait;
    for (const QString& folder : platform::browserCacheFolders()) addFolder(folder);
  }
  btInit->hide();
  if (ListBox1->count() == 0) {
    btInit->show();
    showInfo(kNothingFound);
  }
}

void TfrmCache::btClearClick() {
  CacheCollection collection;
  {
    const WaitCursor wait;
    collection = collectCacheFolders(folders(), nDays->value(), QDate::currentDate());
  }
  if (collection.files.empty()) {
    showError(QStringLiteral("No files found to clear"));
    return;
  }
  runDeletion({collection.paths(), double(collection.bytes), kArchiveTag});
}

}  // namespace tessaly
