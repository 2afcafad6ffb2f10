#include "ui/archive/unzip_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileIconProvider>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>

#include "core/common/dialogs.h"
#include "core/common/text_routines.h"
#include "ui/archive/folder_picker.h"
#include "ui/archive/zip_directory_window.h"
#include "ui/common/event_pump.h"
#include "ui/common/wait_cursor.h"

namespace tessaly {
namespace {

// The engine's questions and reports during one extraction, answered by the window.
class ExtractionFeedback final : public ExtractionObserver {
 public:
  ExtractionFeedback(QProgressBar* gauge, QString archiveName) : gauge_(gauge), archiveName_(std::move(archiveName)) {}

  bool reportProgress(int percent) override {
    gauge_->setValue(percent);
    gauge_->setVisible(percent < 100);
    eventPump_.letEventsRun();
    return false;
  }
  bool needPassword(QString* password) override {
    return dialogs().askText(QStringLiteral("Enter Password"), QStringLiteral("&Password"), true, password) &&
           !password->isEmpty();
  }
  void entryFailed(const QString& entryName, const QString& engineText) override {
    showError(QStringLiteral("Cannot extract ") + entryName + QStringLiteral(" from ") + archiveName_);
    if (!engineText.isEmpty()) showError(engineText);
  }

 private:
  QProgressBar* gauge_;
  QString archiveName_;
  EventPump eventPump_;
};

// The archive's entries as a tree of their stored folders.
void fillTree(QStandardItemModel* model, const QStringList& entries) {
  model->clear();
  QFileIconProvider icons;
  QHash<QString, QStandardItem*> folders;
  for (const QString& entry : entries) {
    QStandardItem* parent = model->invisibleRootItem();
    const QStringList parts = entry.split(u'/', Qt::SkipEmptyParts);
    QString folderKey;
    for (qsizetype i = 0; i < parts.size(); ++i) {
      const bool isFolder = i + 1 < parts.size() || entry.endsWith(u'/');
      if (!isFolder) {
        parent->appendRow(new QStandardItem(icons.icon(QFileIconProvider::File), parts[i]));
        break;
      }
      folderKey += u'/' + parts[i];
      QStandardItem*& folder = folders[folderKey];
      if (!folder) {
        folder = new QStandardItem(icons.icon(QFileIconProvider::Folder), parts[i]);
        parent->appendRow(folder);
      }
      parent = folder;
    }
  }
}

}  // namespace

TfrmUnZipIt::TfrmUnZipIt(const QString& defaultZipPath, QWidget* parent)
    : QDialog(parent), defaultZipPath_(defaultZipPath) {
  setObjectName(QStringLiteral("frmUnZipIt"));
  setWindowTitle(QStringLiteral("Unzip Tessaly Archive Zip Files"));
  auto* layout = new QGridLayout(this);
  auto* left = new QVBoxLayout;
  DirectoryListBox1 = new FolderPicker(this);
  left->addWidget(DirectoryListBox1, 2);
  left->addWidget(new QLabel(QStringLiteral("Archive files (double click to view)"), this));
  left->addWidget(new QLabel(QStringLiteral("File mask: Drive*.zip"), this));
  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
  left->addWidget(FileListBox1, 1);
  layout->addLayout(left, 0, 0);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("Contents of the Tessaly archive zip file:"), this));
  lblZip = new QLabel(this);
  lblCount = new QLabel(QStringLiteral("0 files"), this);
  pnlComment = new QLabel(QStringLiteral("Archive zip file comments"), this);
  pnlComment->setFrameShape(QFrame::Panel);
  pnlComment->setFrameShadow(QFrame::Sunken);
  tree_ = new QStandardItemModel(this);
  Outline = new QTreeView(this);
  Outline->setObjectName(QStringLiteral("Outline"));
  Outline->setHeaderHidden(true);
  Outline->setModel(tree_);
  right->addWidget(lblZip);
  right->addWidget(lblCount);
  right->addWidget(pnlComment);
  right->addWidget(Outline, 1);
  layout->addLayout(right, 0, 1);

  auto* bottom = new QHBoxLayout;
  btView = new QPushButton(QStringLiteral("&View files inside ZIP"), this);
  btExtract = new QPushButton(QStringLiteral("&Extract files from ZIP"), this);
  for (QPushButton* button : {btView, btExtract}) {
    button->setToolTip(QStringLiteral("Extract Files..."));
    button->setEnabled(false);
  }
  btClose = new QPushButton(QStringLiteral("Close"), this);
  btClose->setToolTip(QStringLiteral("Close window"));
  Gauge1 = new QProgressBar(this);
  Gauge1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: red; }"));
  Gauge1->hide();
  bottom->addWidget(btView);
  bottom->addWidget(btExtract);
  bottom->addWidget(Gauge1, 1);
  bottom->addWidget(btClose);
  layout->addLayout(bottom, 1, 0, 1, 2);
  resize(760, 480);

  connect(DirectoryListBox1, &FolderPicker::folderChanged, this, &TfrmUnZipIt::fillArchiveList);
  connect(DirectoryListBox1, &FolderPicker::folderActivated, this, &TfrmUnZipIt::BtExtractEnable);
  connect(FileListBox1, &QListWidget::itemSelectionChanged, this, &TfrmUnZipIt::BtExtractEnable);
  connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &TfrmUnZipIt::FileListBox1DblClick);
  connect(btView, &QPushButton::clicked, this, &TfrmUnZipIt::FileListBox1DblClick);
  connect(btExtract, &QPushButton::clicked, this, &TfrmUnZipIt::ExtractFiles1Click);
  connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
  runDestinationDialog = [](TfrmZipDirectory& dialog) { return dialog.exec() == QDialog::Accepted; };
}

TfrmUnZipIt::~TfrmUnZipIt() = default;

void TfrmUnZipIt::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TfrmUnZipIt::FormShow() {
  DirectoryListBox1->setFolder(defaultZipPath_);
  if (FileListBox1->count() > 0) return;
  QTimer::singleShot(600, this, [] {
    showInfo(QStringLiteral("It appears that there are no archive zip files in this folder for Tessaly to unzip.  \r\r") +
             QStringLiteral("Note that Tessaly can only unzip those files that have been originally zipped by Tessaly.  It should not be used to unzip other non Tessaly zip files."));
  });
}

void TfrmUnZipIt::fillArchiveList() {
  FileListBox1->clear();
  const QDir folder(DirectoryListBox1->folder());
  // Name filters match without regard to case unless QDir::CaseSensitive is given.
  FileListBox1->addItems(folder.entryList({QStringLiteral("Drive*.ZIP")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
  BtExtractEnable();
}

void TfrmUnZipIt::BtExtractEnable() {
  const bool selected = !FileListBox1->selectedItems().isEmpty();
  btExtract->setEnabled(selected);
  btView->setEnabled(selected);
}

QString TfrmUnZipIt::selectedArchivePath() const {
  const QList<QListWidgetItem*> selected = FileListBox1->selectedItems();
  return selected.isEmpty() ? QString() : joinPath(DirectoryListBox1->folder(), selected.first()->text());
}

void TfrmUnZipIt::FileListBox1DblClick() {
  const QString path = selectedArchivePath();
  if (path.isEmpty()) return;
  const WaitCursor wait;
  // A damaged file never replaces the archive on display, and says nothing.
  if (archive_.open(path, nullptr)) {
    fillTree(tree_, archive_.entries());
    showOpenArchive();
  } else if (!archive_.isOpen()) {
    tree_->clear();
  }
}

void TfrmUnZipIt::showOpenArchive() {
  lblZip->setText(archive_.archivePath());
  lblCount->setText(QString::number(archive_.entries().size()) + QStringLiteral(" files"));
  pnlComment->setText(archive_.comment());
}

void TfrmUnZipIt::ExtractFiles1Click() {
  FileListBox1DblClick();
  if (!archive_.isOpen()) return;
  TfrmZipDirectory destination(lblZip->text(), this);
  if (!destination.FormShow() || !runDestinationDialog(destination)) return;
  {
    const WaitCursor wait;
    ExtractionFeedback feedback(Gauge1, QFileInfo(archive_.archivePath()).fileName());
    archive_.extractAll(destination.chosenFolder(), feedback);
    Gauge1->hide();
    fillArchiveList();
  }
  showInfo(QStringLiteral("Files were unzipped"));
}

}  // namespace tessaly
