#include "core/grid/marked_files.h"

#include <algorithm>
#include <vector>

#include "core/common/text_routines.h"
#include "platform/directory_reader.h"

namespace tessaly {

bool MarkedFiles::toggle(const QString& path, std::optional<qint64> sizeNow) {
  const auto found = marks_.constFind(path);
  if (found == marks_.cend()) {
    add(path, sizeNow);
    return true;
  }
  if (found->countedSize) {
    --count_;
    bytes_ -= *found->countedSize;
  }
  marks_.erase(found);
  return false;
}

void MarkedFiles::mark(const QString& path, std::optional<qint64> sizeNow) {
  if (!marks_.contains(path)) add(path, sizeNow);
}

void MarkedFiles::add(const QString& path, std::optional<qint64> sizeNow) {
  marks_.insert(path, Mark{nextOrder_++, sizeNow});
  if (sizeNow) {
    ++count_;
    bytes_ += *sizeNow;
  }
}

void MarkedFiles::clear() {
  marks_.clear();
  count_ = 0;
  bytes_ = 0;
}

QStringList MarkedFiles::paths() const {
  std::vector<std::pair<quint64, QString>> ordered;
  ordered.reserve(size_t(marks_.size()));
  for (auto mark = marks_.cbegin(); mark != marks_.cend(); ++mark) ordered.emplace_back(mark->order, mark.key());
  std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  QStringList paths;
  paths.reserve(qsizetype(ordered.size()));
  for (auto& [order, path] : ordered) paths.append(std::move(path));
  return paths;
}

QString markedCounterText(const QString& pattern, const MarkedFiles& marks) {
  QString text = pattern;
  text.replace(QStringLiteral("%d"), QString::number(marks.count()));
  text.replace(QStringLiteral("%s"), formatThousands(marks.bytes()));
  return text;
}

std::optional<qint64> currentFileSize(const QString& path) {
  platform::EntryStatus status;
  if (!platform::pathStatus(path, &status)) return std::nullopt;
  return status.size;
}

}  // namespace tessaly
