#pragma once

#include <QWidget>
#include <array>

#include "core/stats/overhang_view.h"

class QGridLayout;
class QLabel;

namespace tessaly {

class StatChartView;

// The Overhang page: the bytes the files of a one-entry run lose to partly used clusters
// for five cluster sizes, the arrow at the drive's own cluster size.
class OverhangPage final : public QWidget {
  Q_OBJECT
 public:
  explicit OverhangPage(QWidget* parent);

  // Fills the page; false when no byte was counted (the window disables the page then).
  bool doOverHang(const StatisticsRecord& record, qint64 clusterSize);
  bool arrowShown() const;

  std::array<QLabel*, kClusterSizes.size()> lblOver;
  QWidget* imArrow;
  StatChartView* chartWaste;
  QWidget* pnlOverhang;
  QLabel* lblNumFiles;
  QLabel* lblSize;
  QLabel* lblLbl;
  QLabel* pnlCluster;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void drawClusterArrow(int row);
  QWidget* explanation();

  QGridLayout* table_;
};

}  // namespace tessaly
