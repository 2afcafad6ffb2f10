#include "dup_window_fixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

#include "core/walk/drive_list.h"
#include "ui/grid/marked_grid.h"
#include "ui/scan/drive_check_list.h"

namespace tessaly::testkit {

DupWindowTest::DupWindowTest() : pairs(&dupCompareWindow(&home)) {}

DupWindowTest::~DupWindowTest() { window.reset(); }

TfrmDup& DupWindowTest::open(bool findDups) {
  writeAddedFolders({tree.root()});
  window = std::make_unique<TfrmDup>(findDups, findDups ? pairs : nullptr);
  window->show();
  window->pckDrive->setAllTicked(false);
  const QList<DriveListItem> items = window->pckDrive->items();
  for (int i = 0; i < items.size(); ++i) {
    if (items[i].path == tree.root()) window->pckDrive->item(i)->setCheckState(Qt::Checked);
  }
  window->num1->setValue(0);
  return *window;
}

void DupWindowTest::search(MatchMode mode) {
  window->cbDup->setCurrentIndex(int(mode));
  window->btScan->click();
}

QStringList DupWindowTest::rowPaths() const {
  const FileTable& table = window->grid->table();
  QStringList paths;
  for (qsizetype row = 0; row < table.rowCount(); ++row) paths.append(table.fileOf(row) ? table.filePath(row) : QString());
  return paths;
}

int DupWindowTest::rowOf(const QString& relative) const { return int(rowPaths().indexOf(tree.path(relative))); }

}  // namespace tessaly::testkit
