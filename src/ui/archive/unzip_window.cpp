#include "ui/archive/unzip_window.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileSystemWatcher>
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
#include "platform/host_files.h"
#include "platform/host_path.h"
#include "ui/archive/folder_picker.h"
#include "ui/archive/zip_directory_window.h"
#include "ui/common/event_pump.h"
#include "ui/archive/archive_help.h"
#include "ui/common/help_topic.h"
#include "ui/common/wait_cursor.h"

namespace tessaly {
namespace {

constexpr int kNameRole = Qt::UserRole;  // the archive's own file name, which the shown text may escape
constexpr int kNoArchivesNoticeMs = 600;
constexpr int kFullPercent = 100;
const QString kClose = QStringLiteral("Close");
const QString kCancel = QStringLiteral("Cancel");

// "Drive*.ZIP" without regard to case: the form of every name the archive naming gives.
bool isProgramArchive(const QString& name) {
  return name.startsWith(QStringLiteral("Drive"), Qt::CaseInsensitive) && name.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
}

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
        parent->appendRow(new QStandardItem(icons.icon(QFileIconProvider::File), platform::displayPath(parts[i])));
        break;
      }
      folderKey += u'/' + parts[i];
      QStandardItem*& folder = folders[folderKey];
      if (!folder) {
        folder = new QStandardItem(icons.icon(QFileIconProvider::Folder), platform::displayPath(parts[i]));
        parent->appendRow(folder);
      }
      parent = folder;
    }
  }
}

}  // namespace

// The engine's questions and reports during one extraction, answered by the window.
class TfrmUnZipIt::Feedback final : public ExtractionObserver {
 public:
  Feedback(TfrmUnZipIt& window, QString archiveName) : window_(window), archiveName_(std::move(archiveName)) {}

  bool reportProgress(int percent) override {
    window_.Gauge1->setValue(percent);
    window_.Gauge1->setVisible(percent < kFullPercent);
    eventPump_.letEventsRun();  // repaints and Cancel stay live
    return window_.cancelRequested_;
  }
  bool needPassword(QString* password) override {
    return dialogs().askText(QStringLiteral("Enter Password"), QStringLiteral("&Password"), true, password) &&
           !password->isEmpty();
  }
  void entryFailed(const EntryFailure& failure) override { showEntryFailure(archiveName_, failure); }

 private:
  TfrmUnZipIt& window_;
  QString archiveName_;
  EventPump eventPump_;
};

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
  btClose = new QPushButton(kClose, this);
  btClose->setToolTip(QStringLiteral("Close window"));
  Gauge1 = new QProgressBar(this);
  Gauge1->setRange(0, kFullPercent);
  Gauge1->setAlignment(Qt::AlignCenter);  // the percentage inside the bar
  Gauge1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: red; }"));
  Gauge1->hide();
  bottom->addWidget(btView);
  bottom->addWidget(btExtract);
  bottom->addWidget(Gauge1, 1);
  bottom->addWidget(btClose);
  layout->addLayout(bottom, 1, 0, 1, 2);
  resize(760, 480);
  setHelpTopic(this, kUnzipHelpPage);

  // An archive made while the window is open appears without leaving the folder.
  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &TfrmUnZipIt::fillArchiveList);
  connect(DirectoryListBox1, &FolderPicker::folderChanged, this, &TfrmUnZipIt::watchFolder);
  connect(DirectoryListBox1, &FolderPicker::folderChanged, this, &TfrmUnZipIt::fillArchiveList);
  connect(DirectoryListBox1, &FolderPicker::folderActivated, this, &TfrmUnZipIt::BtExtractEnable);
  connect(FileListBox1, &QListWidget::itemSelectionChanged, this, &TfrmUnZipIt::BtExtractEnable);
  connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &TfrmUnZipIt::FileListBox1DblClick);
  connect(btView, &QPushButton::clicked, this, &TfrmUnZipIt::FileListBox1DblClick);
  connect(btExtract, &QPushButton::clicked, this, &TfrmUnZipIt::ExtractFiles1Click);
  connect(btClose, &QPushButton::clicked, this, &TfrmUnZipIt::reject);
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
  QTimer::singleShot(kNoArchivesNoticeMs, this, [] {
    showInfo(QStringLiteral("It appears that there are no archive zip files in this folder for Tessaly to unzip.  \n\n") +
             QStringLiteral("Note that Tessaly can only unzip those files that have been originally zipped by Tessaly.  It should not be used to unzip other non Tessaly zip files."));
  });
}

void TfrmUnZipIt::watchFolder(const QString& folder) {
  if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
  watcher_->addPath(folder);
}

// Refilled in place: the archive that was selected stays selected when it is still there.
void TfrmUnZipIt::fillArchiveList() {
  const QListWidgetItem* current = FileListBox1->currentItem();
  const QString selected = current && current->isSelected() ? current->data(kNameRole).toString() : QString();
  std::vector<platform::FolderEntry> entries;
  platform::listFolder(DirectoryListBox1->folder(), &entries);
  QStringList names;
  for (const platform::FolderEntry& entry : entries) {
    if (!entry.isFolder && isProgramArchive(entry.name)) names.append(entry.name);
  }
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  const QSignalBlocker quiet(FileListBox1);
  FileListBox1->clear();
  for (const QString& name : names) {
    auto* item = new QListWidgetItem(platform::displayPath(name), FileListBox1);
    item->setData(kNameRole, name);
    if (name == selected) FileListBox1->setCurrentItem(item);
  }
  BtExtractEnable();
}

void TfrmUnZipIt::BtExtractEnable() {
  const bool selected = !FileListBox1->selectedItems().isEmpty();
  btExtract->setEnabled(selected && !extracting_);
  btView->setEnabled(selected && !extracting_);
}

QString TfrmUnZipIt::selectedArchivePath() const {
  const QList<QListWidgetItem*> selected = FileListBox1->selectedItems();
  return selected.isEmpty() ? QString() : joinPath(DirectoryListBox1->folder(), selected.first()->data(kNameRole).toString());
}

void TfrmUnZipIt::FileListBox1DblClick() {
  if (extracting_) return;
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
  lblZip->setText(platform::displayPath(archive_.archivePath()));
  lblCount->setText(QString::number(archive_.entries().size()) + QStringLiteral(" files"));
  pnlComment->setText(archive_.comment());
}

void TfrmUnZipIt::lockForExtraction(bool locked) {
  extracting_ = locked;
  cancelRequested_ = false;
  for (QWidget* control : std::initializer_list<QWidget*>{DirectoryListBox1, FileListBox1, Outline})
    control->setEnabled(!locked);
  btClose->setText(locked ? kCancel : kClose);
  btClose->setToolTip(locked ? QStringLiteral("Stop restoring files") : QStringLiteral("Close window"));
  BtExtractEnable();
}

void TfrmUnZipIt::reject() {
  if (extracting_) {
    cancelRequested_ = true;
    return;
  }
  QDialog::reject();
}

void TfrmUnZipIt::ExtractFiles1Click() {
  FileListBox1DblClick();
  if (!archive_.isOpen() || extracting_) return;
  TfrmZipDirectory destination(archive_.archivePath(), this);
  if (!destination.FormShow() || !runDestinationDialog(destination)) return;
  ExtractionSummary summary;
  {
    const WaitCursor wait;
    lockForExtraction(true);
    QCoreApplication::processEvents();  // the window shows itself locked before the first entry
    const QString archiveName = archive_.archivePath().mid(archive_.archivePath().lastIndexOf(u'/') + 1);
    Feedback feedback(*this, archiveName);
    summary = archive_.extractAll(destination.chosenFolder(), feedback);
    Gauge1->hide();
    lockForExtraction(false);
    fillArchiveList();
  }
  showInfo(extractionSummaryText(summary));
}

}  // namespace tessaly
