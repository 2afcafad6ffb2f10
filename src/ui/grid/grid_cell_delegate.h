#pragma once

#include <QStyledItemDelegate>

namespace tessaly {

// Paints the cells of the result grids: the text 2 pixels inside the cell's left edge and below
// its top (a right-aligned column ends 2 pixels inside the right edge), and in a marked row's
// mark column the mark picture 2 pixels in from the corner with the text 18 pixels in.
class GridCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit GridCellDelegate(QObject* parent = nullptr);

  static constexpr int kTextInset = 2;
  static constexpr int kMarkInset = 2;
  static constexpr int kMarkSize = 16;
  static constexpr int kTextAfterMark = 18;

  // The browse window draws its text 3 pixels from the edge.
  void setTextInset(int pixels) { textInset_ = pixels; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int textInset_ = kTextInset;
};

// The mark picture: a red tick on 16 x 16 pixels whose purple (128, 0, 128) pixels are
// transparent.
QPixmap markPicture();

}  // namespace tessaly
