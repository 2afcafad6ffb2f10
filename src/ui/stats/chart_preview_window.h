#pragma once

#include <QDialog>
#include <functional>

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace tessaly {

// The chart print preview: the chart on a page as it will print, with a button that sets up
// the printer and prints it.
class TfrmChartPreview final : public QDialog {
  Q_OBJECT
 public:
  using PagePainter = std::function<void(QPrinter&)>;

  TfrmChartPreview(QPrinter& printer, PagePainter paintPage, QWidget* parent);

  // The print dialog; on OK the page is printed and the preview closes.
  void btPrintClick();

  QPrintPreviewWidget* preview;
  QPushButton* btPrint;
  QPushButton* btClose;

 private:
  QPrinter& printer_;
  PagePainter paintPage_;
};

}  // namespace tessaly
