#include "ui/stats/chart_preview_window.h"

#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/dialogs.h"
#include "ui/common/help_topic.h"

namespace tessaly {
namespace {

constexpr QSize kPreviewSize(520, 600);

}  // namespace

TfrmChartPreview::TfrmChartPreview(QPrinter& printer, PagePainter paintPage, QWidget* parent)
    : QDialog(parent), printer_(printer), paintPage_(std::move(paintPage)) {
  setWindowTitle(QStringLiteral("Print preview"));
  preview = new QPrintPreviewWidget(&printer_, this);
  preview->fitInView();
  connect(preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* target) { paintPage_(*target); });
  btPrint = new QPushButton(QStringLiteral("&Print..."), this);
  btPrint->setToolTip(QStringLiteral("Choose the printer and print the chart"));
  btPrint->setDefault(true);
  btClose = new QPushButton(QStringLiteral("Close"), this);
  connect(btPrint, &QPushButton::clicked, this, &TfrmChartPreview::btPrintClick);
  connect(btClose, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btPrint);
  buttons->addWidget(btClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(preview, 1);
  layout->addLayout(buttons);
  resize(kPreviewSize);
  setHelpTopic(this, QStringLiteral("statistics-printing.html"));
}

void TfrmChartPreview::btPrintClick() {
  if (!dialogs().setUpPrinter(printer_)) return;
  paintPage_(printer_);
  accept();
}

}  // namespace tessaly
