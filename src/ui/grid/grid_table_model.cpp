#include "ui/grid/grid_table_model.h"

#include <QColor>
#include <QFont>
#include <utility>

#include "platform/host_path.h"

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

GridTableModel::GridTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridTableModel::setMarkColumn(int column, const QIcon& markPicture) {
  markColumn_ = column;
  markPicture_ = markPicture;
  allCellsChanged({Qt::DecorationRole});
}

void GridTableModel::setShadingShown(bool shown) {
  if (shadingShown_ == shown) return;
  shadingShown_ = shown;
  allCellsChanged({Qt::BackgroundRole});
}

void GridTableModel::setBoldCells(CellRule rule) {
  boldRule_ = std::move(rule);
  refreshBold();
}

void GridTableModel::refreshBold() { allCellsChanged({Qt::FontRole}); }

void GridTableModel::refreshMarks() { allCellsChanged({Qt::DecorationRole, MarkedRole}); }

void GridTableModel::sortRows(SortKey key, int column, bool descending) {
  Q_EMIT layoutAboutToBeChanged();
  mutableTable().sortRows(key, column, descending);
  Q_EMIT layoutChanged();
}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : dataRowCount(); }

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table().columnCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= dataRowCount()) return {};
  const GridTable& grid = table();
  const int row = index.row();
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: return platform::displayPath(grid.cellText(row, column));
    case Qt::TextAlignmentRole: return int(qtAlignment(grid.alignmentOf(column)));
    case Qt::BackgroundRole:
      if (const std::optional<quint32> colour = grid.cellColour(row)) return QColor(QRgb(*colour));
      if (shadingShown_ && grid.shaded(row)) return QColor(kShadedBackground);
      return {};
    case Qt::FontRole:
      if (boldRule_ && boldRule_(row, column)) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::DecorationRole:
      if (column == markColumn_ && isMarked(row)) return markPicture_;
      return {};
    case MarkedRole: return isMarked(row);
    case ShadedRole: return grid.shaded(row);
    default: return {};
  }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= table().columnCount()) return {};
  if (role == Qt::DisplayRole) return table().headings[section];
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridTableModel::rowChanged(int row) { Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1)); }

void GridTableModel::allCellsChanged(const QList<int>& roles) {
  if (dataRowCount() > 0 && columnCount() > 0) {
    Q_EMIT dataChanged(index(0, 0), index(dataRowCount() - 1, columnCount() - 1), roles);
  }
}

}  // namespace tessaly
