#include "core/stats/type_list.h"

#include <algorithm>

namespace tessaly {

void TypeList::insertType(const QString& extension, qint64 size, bool addOnly) {
  if (extension.size() > kLongestExtension) return;
  const QString upper = extension.toUpper();
  const auto place = std::lower_bound(lines_.begin(), lines_.end(), upper, [](const TypeLine& line, const QString& ext) {
    return line.extension.compare(ext, Qt::CaseInsensitive) < 0;
  });
  if (place != lines_.end() && place->extension.compare(upper, Qt::CaseInsensitive) == 0) {
    if (!addOnly) {
      ++place->count;
      place->bytes += size;
    }
    return;
  }
  lines_.insert(place, TypeLine{upper, addOnly ? 0 : 1, size});
}

}  // namespace tessaly
