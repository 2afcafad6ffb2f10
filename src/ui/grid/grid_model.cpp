#include "ui/grid/grid_model.h"

#include <QColor>
#include <utility>

namespace tessaly {
namespace {

Qt::Alignment qtAlignment(CellAlignment alignment) {
  switch (alignment) {
    case CellAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case CellAlignment::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::resetTable(ResultTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

void GridModel::clearRows() {
  if (table_.rows.empty()) return;
  beginResetModel();
  table_.rows.clear();
  endResetModel();
}

void GridModel::appendRows(std::vector<ResultRow> rows) {
  if (rows.empty()) return;
  const int first = dataRowCount();
  beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
  table_.rows.insert(table_.rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  endInsertRows();
}

void GridModel::appendRow(ResultRow row) {
  std::vector<ResultRow> batch;
  batch.push_back(std::move(row));
  appendRows(std::move(batch));
}

void GridModel::setMarked(int row, bool marked) {
  if (row < 0 || row >= dataRowCount() || table_.rows[size_t(row)].marked == marked) return;
  table_.rows[size_t(row)].marked = marked;
  rowChanged(row);
}

void GridModel::setMarkColumn(int column, const QIcon& markPicture) {
  markColumn_ = column;
  markPicture_ = markPicture;
  allCellsChanged(Qt::DecorationRole);
}

void GridModel::setShadingShown(bool shown) {
  if (shadingShown_ == shown) return;
  shadingShown_ = shown;
  allCellsChanged(Qt::BackgroundRole);
}

void GridModel::setBoldRule(BoldRule rule) {
  boldRule_ = std::move(rule);
  refreshBold();
}

void GridModel::refreshBold() {
  allCellsChanged(Qt::FontRole);
}

void GridModel::sortRows(SortKey key, int column, bool descending) {
  emit layoutAboutToBeChanged();
  sortGrid(table_, key, column, descending);
  emit layoutChanged();
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : dataRowCount(); }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.columnCount(); }

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= dataRowCount()) return {};
  const ResultRow& cells = table_.rows[size_t(index.row())];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: return cells.cells.value(column);
    case Qt::TextAlignmentRole: return int(qtAlignment(table_.alignmentOf(column)));
    case Qt::BackgroundRole:
      if (cells.cellColour) return QColor(QRgb(*cells.cellColour));
      if (cells.shaded && shadingShown_) return QColor(kShadedBackground);
      return {};
    case Qt::FontRole:
      if (boldRule_ && boldRule_(cells, column)) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::DecorationRole:
      if (cells.marked && column == markColumn_) return markPicture_;
      return {};
    case MarkedRole: return cells.marked;
    case ShadedRole: return cells.shaded;
    default: return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= table_.columnCount()) return {};
  if (role == Qt::DisplayRole) return table_.headings[section];
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridModel::rowChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); }

void GridModel::allCellsChanged(int role) {
  if (dataRowCount() > 0 && columnCount() > 0) {
    emit dataChanged(index(0, 0), index(dataRowCount() - 1, columnCount() - 1), {role});
  }
}

}  // namespace tessaly
