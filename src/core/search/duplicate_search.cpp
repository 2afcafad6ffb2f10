#include "core/search/duplicate_search.h"

#include "core/common/text_routines.h"
#include "core/search/result_rows.h"

namespace tessaly {

void CollectingVisitor::entryFound(const QString& folder, const WalkEntry& entry) {
  if (!entry.isFolder() && limits_.accepts(entry.size)) collection_.add(folder, entry);
}

void DuplicateSearch::abort() {
  aborted_ = true;
  if (walk_) walk_->abort();
}

void DuplicateSearch::present() {
  if (settings_.findDups) {
    sortCollection(collection_, settings_.matchMode);
    table_ = resultTable(collection_, addDups(collection_, settings_.matchMode), true);
  } else {
    table_ = resultTable(collection_, reSort(collection_), false);
  }
}

QString DuplicateSearch::statusText() const {
  if (table_.rows.empty()) return {};
  return formatThousands(qint64(table_.rows.size())) +
         (settings_.findDups ? QStringLiteral(" duplicates found") : QStringLiteral(" file hogs found"));
}

}  // namespace tessaly
