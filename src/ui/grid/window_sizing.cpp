#include "ui/grid/window_sizing.h"

#include <QAction>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "core/common/date_texts.h"
#include "core/common/text_routines.h"
#include "ui/grid/grid_cell_delegate.h"

namespace tessaly {
namespace {

// Room for the text insets on both sides of a cell and for the heading's frame.
constexpr int kTextPadding = 2 * GridCellDelegate::kTextInset + 6;
constexpr qint64 kTenDigitSize = 9'999'999'999;
const QDate kWidestDate(2000, 12, 28);
const QTime kWidestTime(20, 58, 58);

int scaled(int designPixels, double pixelsPerInch) {
  return int(std::lround(designPixels * pixelsPerInch / kDesignPixelsPerInch));
}

}  // namespace

double fontWidthScale(const QFontMetrics& metrics) {
  const QString digits = QStringLiteral("0123456789");
  return qMax(1.0, metrics.horizontalAdvance(digits) / (digits.size() * kDesignDigitWidth));
}

std::vector<int> columnWidthsFor(const std::vector<int>& designWidths, int gridWidth, double pixelsPerInch,
                                 double fontScale) {
  const auto widened = [fontScale](int width) { return int(std::lround(width * fontScale)); };
  int designed = 0;
  int sharing = 0;
  for (int width : designWidths) {
    if (width == FileColumn::kRestOfWidth) {
      ++sharing;
    } else {
      designed += widened(width);
    }
  }
  const int rest = sharing > 0 ? qMax(0, gridWidth - designed - kGridWidthMargin) / sharing : 0;
  std::vector<int> widths;
  widths.reserve(designWidths.size());
  for (int width : designWidths)
    widths.push_back(width == FileColumn::kRestOfWidth ? rest : scaled(widened(width), pixelsPerInch));
  return widths;
}

int widthToFit(int designWidth, const QFontMetrics& metrics, const QStringList& texts) {
  int width = designWidth;
  for (const QString& text : texts) {
    if (!text.isEmpty()) width = qMax(width, metrics.horizontalAdvance(text) + kTextPadding);
  }
  return width;
}

QString widestTextOf(FileValue value) {
  switch (value) {
    case FileValue::Modified:
    case FileValue::Accessed:
    case FileValue::Created: return shortDateText(kWidestDate);
    case FileValue::Time: return longTimeText(kWidestTime);
    case FileValue::Size: return formatThousands(kTenDigitSize);
    case FileValue::Name:
    case FileValue::Path:
    case FileValue::Folder:
    case FileValue::Type: break;
  }
  return {};
}

std::vector<FileColumn> columnsToFit(std::vector<FileColumn> columns, const QFontMetrics& metrics) {
  for (FileColumn& column : columns) {
    if (column.designWidth == FileColumn::kRestOfWidth) continue;
    column.designWidth = widthToFit(column.designWidth, metrics, {column.heading, widestTextOf(column.value)});
  }
  return columns;
}

QSize minimumWindowSize(int panelRightEdge, int panelBottomEdge, double pixelsPerInch, int screenWidth) {
  const int width = qMin(scaled(panelRightEdge + kMinimumWidthMargin, pixelsPerInch), screenWidth - kScreenWidthMargin);
  return {width, scaled(2 * panelBottomEdge, pixelsPerInch)};
}

void applyMinimumWindowSize(QWidget* window, int panelRightEdge, int panelBottomEdge) {
  const QScreen* screen = window->screen();
  window->setMinimumSize(
      minimumWindowSize(panelRightEdge, panelBottomEdge, window->logicalDpiX(), screen->availableGeometry().width()));
}

TopPanelActions::TopPanelActions(QObject* parent)
    : QObject(parent),
      shrink_(new QAction(QStringLiteral("Shrink top panel"), this)),
      restore_(new QAction(QStringLiteral("Restore top panel"), this)) {
  restore_->setEnabled(false);
  connect(shrink_, &QAction::triggered, this, [this] { showPanel(false); });
  connect(restore_, &QAction::triggered, this, [this] { showPanel(true); });
}

void TopPanelActions::showPanel(bool shown) {
  if (panel_) panel_->setVisible(shown);
  shrink_->setEnabled(shown);
  restore_->setEnabled(!shown);
}

}  // namespace tessaly
