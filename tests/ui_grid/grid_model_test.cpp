#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalSpy>

#include "ui/grid/grid_model.h"
#include "ui/grid/grid_view.h"

namespace tessaly {
namespace {

ResultTable emptyGrid() {
  ResultTable grid;
  grid.headings = {QStringLiteral("Filename"), QStringLiteral("Size"), QStringLiteral("Folder")};
  grid.alignment = {CellAlignment::Left, CellAlignment::Right};
  grid.columnWidths = {120, 59, 200};
  return grid;
}

std::vector<ResultRow> batch(int first, int count) {
  std::vector<ResultRow> rows;
  for (int i = first; i < first + count; ++i) {
    ResultRow row;
    row.cells = {QStringLiteral("file%1.txt").arg(i), QString::number(i * 10), QStringLiteral("/data/%1").arg(i % 7)};
    row.shaded = i % 2 == 0;
    rows.push_back(row);
  }
  return rows;
}

TEST(GridModelTest, BatchesOfRowsArriveWithOneInsertionEach) {
  GridModel model;
  model.resetTable(emptyGrid());
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  for (int b = 0; b < 5; ++b) model.appendRows(batch(b * 1000, 1000));
  model.appendRows({});
  EXPECT_EQ(inserted.count(), 5);
  EXPECT_EQ(model.rowCount(), 5000);
  EXPECT_EQ(model.columnCount(), 3);
  EXPECT_EQ(inserted.at(4).at(1).toInt(), 4000);
  EXPECT_EQ(inserted.at(4).at(2).toInt(), 4999);
  EXPECT_EQ(model.data(model.index(4321, 0)).toString(), QStringLiteral("file4321.txt"));
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
  EXPECT_FALSE(model.headerData(0, Qt::Vertical).isValid());

  model.clearRows();
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Folder"));
}

TEST(GridModelTest, RolesCarryAlignmentShadingColourMarkAndBold) {
  GridModel model;
  model.resetTable(emptyGrid());
  model.appendRows(batch(0, 3000));

  EXPECT_EQ(model.data(model.index(5, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
  EXPECT_EQ(model.data(model.index(5, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));

  EXPECT_EQ(model.data(model.index(2, 0), Qt::BackgroundRole).value<QColor>(), QColor(223, 223, 223));
  EXPECT_FALSE(model.data(model.index(3, 0), Qt::BackgroundRole).isValid());
  model.setShadingShown(false);
  EXPECT_FALSE(model.data(model.index(2, 0), Qt::BackgroundRole).isValid());

  std::vector<ResultRow> coloured = batch(3000, 1);
  coloured[0].cellColour = 0x00FF00;
  model.appendRows(std::move(coloured));
  EXPECT_EQ(model.data(model.index(3000, 2), Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 0));

  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  QPixmap tick(16, 16);
  tick.fill(Qt::red);
  model.setMarkColumn(0, QIcon(tick));
  model.setMarked(7, true);
  model.setMarked(7, true);  // already marked: no repaint
  EXPECT_EQ(changed.count(), 2);
  EXPECT_TRUE(model.data(model.index(7, 1), GridModel::MarkedRole).toBool());
  EXPECT_FALSE(model.data(model.index(7, 1), Qt::DecorationRole).isValid());
  EXPECT_FALSE(model.data(model.index(7, 0), Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_FALSE(model.data(model.index(8, 0), Qt::DecorationRole).isValid());

  model.setBoldRule([](const ResultRow& row, int column) { return column == 2 && row.cells[2] == u"/data/3"; });
  EXPECT_TRUE(model.data(model.index(3, 2), Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(model.data(model.index(3, 1), Qt::FontRole).isValid());
  EXPECT_FALSE(model.data(model.index(4, 2), Qt::FontRole).isValid());
}

TEST(GridModelTest, SortingMovesWholeRowsAndKeepsTheSelectionOnItsRowNumber) {
  GridModel model;
  model.resetTable(emptyGrid());
  model.appendRows(batch(0, 2000));
  model.setMarked(0, true);
  GridView view;
  view.setGridModel(&model);
  view.selectionModel()->setCurrentIndex(model.index(10, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

  model.sortRows(SortKey::Number, 1, true);
  EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("19990"));
  EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("file1999.txt"));
  EXPECT_TRUE(model.row(1999).marked);
  EXPECT_EQ(model.row(1999).cells[0], QStringLiteral("file0.txt"));
  EXPECT_EQ(view.currentIndex().row(), 10);
}

TEST(GridViewTest, ColumnWidthsComeFromTheTableAndResizesGoBackToIt) {
  GridModel model;
  model.resetTable(emptyGrid());
  GridView view;
  view.setGridModel(&model);
  EXPECT_EQ(view.columnWidth(1), 59);
  EXPECT_EQ(view.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
  view.setColumnWidth(2, 333);
  EXPECT_EQ(model.table().widthOf(2), 333);

  ResultTable other = emptyGrid();
  other.columnWidths = {10, 20, 30};
  model.resetTable(other);
  EXPECT_EQ(view.columnWidth(0), 10);
  EXPECT_EQ(model.table().widthOf(2), 30);
}

}  // namespace
}  // namespace tessaly
