#pragma once

#include <QString>
#include <vector>

namespace tessaly {

// A file of a duplicate group as the duplicates window listed it.
struct ListedCopy {
  QString path;
  qint64 size = 0;
};
using CopyGroup = std::vector<ListedCopy>;

}  // namespace tessaly
