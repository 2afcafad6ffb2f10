#include "ui/stats/statistics_picker.h"

#include "ui/scan/which_drive_window.h"

namespace tessaly {

std::optional<StatisticsChoice> pickDrivesAndTypes(QWidget* owner) {
  TfrmWhichDrive picker(owner);
  if (picker.exec() != QDialog::Accepted) return std::nullopt;
  if (picker.allFiles()) return StatisticsChoice{picker.tickedRoots(), TypeFilter()};
  const TypeChoice choice = picker.selectedTypesOnly() ? TypeChoice::Include : TypeChoice::Exclude;
  return StatisticsChoice{picker.tickedRoots(), TypeFilter(choice, picker.selectedTypeLines())};
}

}  // namespace tessaly
