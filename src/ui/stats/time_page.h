#pragma once

#include <QWidget>

class QPushButton;
class QScrollBar;

namespace tessaly {

class ChartToolbar;
class StatChartView;
struct StatisticsRecord;

// The Time page: how many files were last written, created and accessed in each half-hour
// of the day, as three lines whose depth the scroll bar sets.
class TimePage final : public QWidget {
  Q_OBJECT
 public:
  explicit TimePage(QWidget* parent);

  void doFileTimes(const StatisticsRecord& record);
  void showInformation() const;

  StatChartView* Chart4;
  ChartToolbar* toolbar;
  QScrollBar* sbTime;
  QPushButton* btInfo;
};

}  // namespace tessaly
