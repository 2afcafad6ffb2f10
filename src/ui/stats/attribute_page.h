#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace tessaly {

class StatChartView;
struct AttributeView;
struct StatisticsRecord;

// The Attribute page: files and bytes with each attribute, and their shares as bars.
class AttributePage final : public QWidget {
  Q_OBJECT
 public:
  explicit AttributePage(QWidget* parent);

  void doFileAttrs(const StatisticsRecord& record);

  // Top to bottom: Hidden, Read-only, System, Archive.
  std::array<QLabel*, 4> counts;  // lblNHidden, lblNReadOnly, lblNSystem, lblNArchive
  std::array<QLabel*, 4> sizes;   // lblSzHidden, lblSzReadOnly, lblSzSystem, lblSzArchive
  StatChartView* chartFiles;      // "% of total # files"
  StatChartView* chartSize;       // "% of total size"

 private:
  void showFigures(const AttributeView& view);
};

}  // namespace tessaly
