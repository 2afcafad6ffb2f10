#pragma once

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/grid/grid_table.h"

namespace tessaly {

// One sort command of a window's menu: its caption, the column it sorts, the rule, and the
// direction of its first use.
struct SortCommand {
  QString caption;
  int column = 0;
  SortKey key = SortKey::Text;
  bool firstDescending = false;
};

// The direction flags of a window's sort commands, one per command, indexed by the window's
// own command numbers. Each use sorts with the flag's direction and then flips it.
class SortDirections {
 public:
  // The starting direction of each command, true for descending.
  SortDirections(std::initializer_list<bool> startDescending) : descending_(startDescending) {}
  // The first direction of each command.
  explicit SortDirections(const std::vector<SortCommand>& commands) {
    for (const SortCommand& command : commands) descending_.push_back(command.firstDescending);
  }
  explicit SortDirections(std::vector<bool> startDescending) : descending_(std::move(startDescending)) {}

  // The direction for this use; the next use goes the other way.
  bool take(int command) {
    const bool descending = descending_.at(size_t(command));
    descending_[size_t(command)] = !descending;
    return descending;
  }
  bool isDescending(int command) const { return descending_.at(size_t(command)); }
  void setDescending(int command, bool descending) { descending_.at(size_t(command)) = descending; }

 private:
  std::vector<bool> descending_;
};

}  // namespace tessaly
