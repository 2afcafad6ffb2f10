#include "ui/grid/grid_cell_delegate.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>

namespace tessaly {
namespace {

const QColor kTransparentPurple(128, 0, 128);
const QColor kTickRed(192, 0, 0);
constexpr int kTickPenWidth = 3;
// The tick's short stroke down and its long stroke up, in the picture's pixels.
constexpr QPoint kTickStart(3, 8);
constexpr QPoint kTickBottom(6, 12);
constexpr QPoint kTickEnd(13, 3);

}  // namespace

GridCellDelegate::GridCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QRect area = cell.rect;
  const bool selected = cell.state & QStyle::State_Selected;

  painter->save();
  painter->setClipRect(area);
  if (selected) {
    painter->fillRect(area, cell.palette.highlight());
  } else if (cell.backgroundBrush.style() != Qt::NoBrush) {
    painter->fillRect(area, cell.backgroundBrush);
  }
  painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(cell.font);

  const QFontMetrics metrics(cell.font);
  const int baseline = area.top() + textInset_ + metrics.ascent();
  int x = area.left() + textInset_;
  if (!cell.icon.isNull()) {
    cell.icon.paint(painter, QRect(area.left() + kMarkInset, area.top() + kMarkInset, kMarkSize, kMarkSize));
    x = area.left() + kTextAfterMark;
  } else if (cell.displayAlignment & Qt::AlignRight) {
    x = area.right() + 1 - textInset_ - metrics.horizontalAdvance(cell.text);
  }
  painter->drawText(x, baseline, cell.text);
  painter->restore();
}

QPixmap markPicture() {
  QImage picture(GridCellDelegate::kMarkSize, GridCellDelegate::kMarkSize, QImage::Format_RGB32);
  picture.fill(kTransparentPurple);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(kTickRed, kTickPenWidth);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  QPainterPath tick;
  tick.moveTo(kTickStart);
  tick.lineTo(kTickBottom);
  tick.lineTo(kTickEnd);
  painter.drawPath(tick);
  painter.end();
  QPixmap pixmap = QPixmap::fromImage(picture);
  pixmap.setMask(pixmap.createMaskFromColor(kTransparentPurple, Qt::MaskInColor));
  return pixmap;
}

}  // namespace tessaly
