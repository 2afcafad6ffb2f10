#pragma once

#include <QWidget>
#include <array>

#include "core/stats/record_views.h"

class QLabel;

namespace tessaly {

class StatChartView;

// The Attribute page: files and bytes with each attribute, and their shares as bars.
class AttributePage final : public QWidget {
  Q_OBJECT
 public:
  explicit AttributePage(QWidget* parent);

  void doFileAttrs(const StatisticsRecord& record);

  // Top to bottom: Hidden, Read-only, System, Archive.
  std::array<QLabel*, kAttributeRows> counts;  // lblNHidden, lblNReadOnly, lblNSystem, lblNArchive
  std::array<QLabel*, kAttributeRows> sizes;  // lblSzHidden, lblSzReadOnly, lblSzSystem, lblSzArchive
  StatChartView* chartFiles;      // "% of total # files"
  StatChartView* chartSize;       // "% of total size"

 private:
  void showFigures(const AttributeView& view);
};

}  // namespace tessaly
