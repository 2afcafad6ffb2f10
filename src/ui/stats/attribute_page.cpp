#include "ui/stats/attribute_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/stats/record_views.h"
#include "ui/common/dialog_widgets.h"
#include "ui/stats/chart_builders.h"
#include "ui/stats/stat_chart_view.h"

namespace tessaly {
namespace {

constexpr int kShareDecimals = 2;

QLabel* boldLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace

AttributePage::AttributePage(QWidget* parent) : QWidget(parent) {
  const char* const rows[] = {"Hidden", "Read-only", "System", "Archive"};
  const char* const names[] = {"Hidden", "ReadOnly", "System", "Archive"};
  auto* table = new QGridLayout;
  table->addWidget(boldLabel(QStringLiteral("# Files"), this), 0, 1);
  table->addWidget(boldLabel(QStringLiteral("File Sizes"), this), 0, 2);
  table->addWidget(boldLabel(QStringLiteral("% of total # files"), this), 0, 3, Qt::AlignCenter);
  table->addWidget(boldLabel(QStringLiteral("% of total size"), this), 0, 4, Qt::AlignCenter);
  for (size_t row = 0; row < counts.size(); ++row) {
    const int gridRow = int(row) + 1;
    table->addWidget(boldLabel(QString::fromLatin1(rows[row]), this), gridRow, 0);
    counts[row] = new QLabel(this);
    counts[row]->setObjectName(QStringLiteral("lblN") + QString::fromLatin1(names[row]));
    sizes[row] = new QLabel(this);
    sizes[row]->setObjectName(QStringLiteral("lblSz") + QString::fromLatin1(names[row]));
    for (QLabel* figure : {counts[row], sizes[row]}) figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->addWidget(counts[row], gridRow, 1);
    table->addWidget(sizes[row], gridRow, 2);
    table->setRowStretch(gridRow, 1);
  }
  chartFiles = new StatChartView(this);
  chartSize = new StatChartView(this);
  table->addWidget(chartFiles, 1, 3, int(counts.size()), 1);
  table->addWidget(chartSize, 1, 4, int(counts.size()), 1);
  table->setColumnStretch(3, 1);
  table->setColumnStretch(4, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(table, 1);
  layout->addWidget(wrappedText(QStringLiteral("Note it is possible that some files may have more than one attribute "
                                               "set.  For example many system files are also hidden."),
                                this));
  // The figures of an empty run until the first one; the charts are made by the first run.
  showFigures(attributeView(StatisticsRecord()));
}

void AttributePage::showFigures(const AttributeView& view) {
  for (size_t row = 0; row < counts.size(); ++row) {
    counts[row]->setText(view.counts[row]);
    sizes[row]->setText(view.bytes[row]);
  }
}

void AttributePage::doFileAttrs(const StatisticsRecord& record) {
  const AttributeView view = attributeView(record);
  showFigures(view);
  const MarkFormat percent{.decimals = kShareDecimals, .suffix = QStringLiteral(" %")};
  showBareBars(*chartFiles, view.shareOfFiles, percent);
  showBareBars(*chartSize, view.shareOfSize, percent);
}

}  // namespace tessaly
