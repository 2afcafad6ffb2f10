#include "ui/browse/folder_list_box.h"

#include <QStyle>

#include "core/browse/folder_files.h"
#include "core/common/text_routines.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

constexpr int kFolderRole = Qt::UserRole + 1;
// Each step down the tree moves the name this many blanks in.
constexpr int kIndentBlanks = 2;

}  // namespace

FolderListBox::FolderListBox(QWidget* parent) : QListWidget(parent) {
  setToolTip(QStringLiteral("Double click to select"));
  // itemActivated: a double-click, or Enter on the current folder.
  connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { Q_EMIT folderChosen(folderOf(item)); });
}

QString FolderListBox::folderOf(const QListWidgetItem* item) { return item->data(kFolderRole).toString(); }

void FolderListBox::showFolder(const QString& root, const QString& folder) {
  clear();
  QStringList steps{root};
  const QString below = folder.mid(root.size());
  for (const QString& part : below.split(u'/', Qt::SkipEmptyParts)) steps.append(joinPath(steps.last(), part));
  for (int depth = 0; depth < steps.size(); ++depth) {
    const QString& step = steps[depth];
    addFolder(step, depth == 0 ? step : step.mid(step.lastIndexOf(u'/') + 1), depth, true);
  }
  setCurrentRow(count() - 1);
  for (const QString& name : visibleSubFolders(folder)) addFolder(joinPath(folder, name), name, int(steps.size()), false);
}

void FolderListBox::addFolder(const QString& path, const QString& text, int depth, bool open) {
  auto* item = new QListWidgetItem(style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon),
                                   QString(depth * kIndentBlanks, u' ') + platform::displayPath(text), this);
  item->setData(kFolderRole, path);
}

}  // namespace tessaly
