#pragma once

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/stats/type_filter.h"
#include "core/walk/directory_walk.h"

class QWidget;

namespace tessaly {

// What the user chose in the drive and file-type picker for one collection run.
struct StatisticsChoice {
  QList<WalkRoot> pickList1;  // the drives and folders, in the picker's order
  TypeFilter filter;
};

// Opens the picker modally; nothing when it was cancelled.
using StatisticsPicker = std::function<std::optional<StatisticsChoice>(QWidget* owner)>;

// The program's picker: the "Which drives and file types?" wizard.
std::optional<StatisticsChoice> pickDrivesAndTypes(QWidget* owner);

}  // namespace tessaly
