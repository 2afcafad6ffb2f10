#include "ui/stats/overhang_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/stats/chart_builders.h"
#include "ui/stats/stat_chart_view.h"

namespace tessaly {
namespace {

constexpr int kTitlePoints = 12;
constexpr int kArrowWidth = 28;
constexpr int kClusterColumn = 2;
constexpr int kArrowColumn = 3;
constexpr int kPercentColumn = 4;
constexpr int kWastedColumn = 5;
constexpr int kRowGap = 2;
// The arrow's shape, as shares of its box.
constexpr qreal kShaftHalfWidth = 0.25;
constexpr qreal kHeadLength = 0.45;
const QColor kArrowColour(255, 0, 0);

// The red arrow pointing left at the cluster size the drive uses.
class ArrowMark final : public QWidget {
 public:
  explicit ArrowMark(QWidget* parent) : QWidget(parent) { setFixedWidth(kArrowWidth); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    const qreal middle = area.center().y();
    const qreal shaft = area.height() * kShaftHalfWidth;
    const qreal head = area.left() + area.width() * kHeadLength;
    QPainterPath arrow;
    arrow.moveTo(area.left(), middle);
    arrow.lineTo(head, area.top());
    arrow.lineTo(head, middle - shaft);
    arrow.lineTo(area.right(), middle - shaft);
    arrow.lineTo(area.right(), middle + shaft);
    arrow.lineTo(head, middle + shaft);
    arrow.lineTo(head, area.bottom());
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(kArrowColour);
    painter.drawPath(arrow);
  }
};

// The page's explanation, one paragraph per stored group of lines.
const char* const kExplanation[] = {
    "This page is an illustration of the amount of disk space wasted due to 'cluster overhang.'  This is the smallest "
    "amount of space a file will actually use.   The arrow points to your actual cluster size, the other numbers are "
    "hypothetical.",
    "Due to the design of Linux file systems the hard disk is divided into clusters.  Files are stored in clusters. "
    "A file of one byte will take an entire cluster and a file that's one byte larger than a cluster will take two "
    "clusters.  The larger the partition, the more overhang or waste is involved.",
    "Solutions are to either repartition your hard disk or use disk compression.  Drives formatted with FAT32 use 4K "
    "cluster sizes for drives up to 8GB in size and 8K clusters for up to 16GB.",
};

}  // namespace

OverhangPage::OverhangPage(QWidget* parent) : QWidget(parent) {
  auto* title = new QLabel(QStringLiteral("Cluster overhang for FAT and FAT32 drives"), this);
  QFont titleFont = title->font();
  titleFont.setPointSize(kTitlePoints);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignCenter);

  const char* const headings[] = {"FAT Partion size", "FAT 32 Size", "Cluster size", "", "Percent wasted", "Wasted space"};
  const char* const partitions[] = {"255 MB", "256 MB - 511 MB", "512 MB - 1023 MB", "1 GB - 2 GB", "2 GB - 4 GB"};
  const char* const fat32[] = {"Less than 8GB", "Less than 16GB", "Less than 32GB", "32GB or more", ""};
  const char* const clusters[] = {"4K", "8K", "16K", "32K", "64K"};
  auto* table = new QGridLayout;
  table_ = table;
  table->setVerticalSpacing(kRowGap);
  for (int column = 0; column < int(std::size(headings)); ++column) {
    auto* heading = new QLabel(QString::fromLatin1(headings[column]), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    table->addWidget(heading, 0, column);
  }
  for (size_t row = 0; row < lblOver.size(); ++row) {
    const int gridRow = int(row) + 1;
    table->addWidget(new QLabel(QString::fromLatin1(partitions[row]), this), gridRow, 0);
    table->addWidget(new QLabel(QString::fromLatin1(fat32[row]), this), gridRow, 1);
    table->addWidget(new QLabel(QString::fromLatin1(clusters[row]), this), gridRow, kClusterColumn);
    lblOver[row] = new QLabel(this);
    lblOver[row]->setObjectName(QStringLiteral("lblOver%1").arg(row + 1));
    lblOver[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->addWidget(lblOver[row], gridRow, kWastedColumn);
  }
  imArrow = new ArrowMark(this);
  imArrow->hide();
  chartWaste = new StatChartView(this);
  table->addWidget(chartWaste, 1, kPercentColumn, int(lblOver.size()), 1);
  table->setColumnStretch(kPercentColumn, 1);
  table->setColumnMinimumWidth(kArrowColumn, kArrowWidth);

  pnlOverhang = new QWidget(this);
  lblNumFiles = new QLabel(pnlOverhang);
  lblSize = new QLabel(pnlOverhang);
  lblLbl = new QLabel(QStringLiteral("Actual space used:"), pnlOverhang);
  auto* figures = new QHBoxLayout(pnlOverhang);
  figures->setContentsMargins(0, 0, 0, 0);
  figures->addWidget(lblNumFiles);
  figures->addStretch();
  figures->addWidget(new QLabel(QStringLiteral("Total file sizes:"), pnlOverhang));
  figures->addWidget(lblSize);
  figures->addStretch();
  figures->addWidget(lblLbl);
  pnlOverhang->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(table);
  layout->addWidget(pnlOverhang);
  layout->addWidget(explanation(), 1);

  pnlCluster = new QLabel(QStringLiteral("Cluster overhang analysis is not applicable to this drive."), this);
  pnlCluster->setAlignment(Qt::AlignCenter);
  pnlCluster->setWordWrap(true);
  pnlCluster->setAutoFillBackground(true);
  pnlCluster->setFrameShape(QFrame::Panel);
  pnlCluster->hide();
}

QWidget* OverhangPage::explanation() {
  auto* text = new QPlainTextEdit(this);
  text->setReadOnly(true);
  QStringList paragraphs;
  for (const char* paragraph : kExplanation) paragraphs.append(QString::fromLatin1(paragraph));
  text->setPlainText(paragraphs.join(QStringLiteral("\n\n")));
  return text;
}

void OverhangPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  pnlCluster->setGeometry(rect());
}

bool OverhangPage::arrowShown() const { return !imArrow->isHidden(); }

bool OverhangPage::doOverHang(const StatisticsRecord& record, qint64 clusterSize) {
  const OverhangView view = overhangView(record, clusterSize);
  if (!view.enabled) return false;
  for (size_t row = 0; row < lblOver.size(); ++row) lblOver[row]->setText(view.wasted[row]);
  drawClusterArrow(view.arrowRow);
  pnlOverhang->show();
  lblSize->setText(view.totalSize);
  lblNumFiles->setText(view.numFiles);
  if (view.actualSpaceUsed) lblLbl->setText(*view.actualSpaceUsed);
  std::vector<ChartPoint> bars;
  for (double percent : view.percentWasted) bars.push_back({QString(), percent, kRed});
  showBareBars(*chartWaste, bars, {.decimals = 0, .suffix = QStringLiteral(" %")});
  return true;
}

void OverhangPage::drawClusterArrow(int row) {
  imArrow->hide();
  if (row >= 0) {
    table_->addWidget(imArrow, row + 1, kArrowColumn);
    imArrow->show();
  }
  pnlCluster->setVisible(imArrow->isHidden());
  pnlCluster->raise();
}

}  // namespace tessaly
