#include "core/search/duplicate_search.h"

#include "core/common/text_routines.h"
#include "core/search/result_rows.h"
#include "platform/host_path.h"

namespace tessaly {
namespace {

// The phases of "Same contents" show in the status line as the walk's folders do, and an
// abort given to the walk meanwhile stops the reading.
class PhaseTexts final : public ContentPacer {
 public:
  PhaseTexts(WalkPacer* pacer, const DirectoryWalk* walk, ContentSearch& search)
      : pacer_(pacer), walk_(walk), search_(search) {}
  void progress(const ContentProgress& progress) override {
    if (pacer_) pacer_->progress(contentProgressText(progress));
    followWalk();
  }
  void pump() override {
    if (pacer_) pacer_->pump();
    followWalk();
  }

 private:
  void followWalk() {
    if (walk_ && walk_->aborted()) search_.abort();
  }

  WalkPacer* pacer_;
  const DirectoryWalk* walk_;
  ContentSearch& search_;
};

QString filesCount(qsizetype count) {
  return formatThousands(count) + (count == 1 ? QStringLiteral(" file") : QStringLiteral(" files"));
}

}  // namespace

void CollectingVisitor::entryFound(const QString& folder, const WalkEntry& entry) {
  if (!entry.isFolder() && limits_.accepts(entry.size)) collection_.add(folder, entry);
}

void DuplicateSearch::abort() {
  aborted_ = true;
  if (walk_) walk_->abort();
  if (contentSearch_) contentSearch_->abort();
}

void DuplicateSearch::present(WalkPacer* pacer) {
  groupStarts_.clear();
  contentGroups_ = {};
  if (!settings_.findDups) {
    table_ = resultTable(collection_, reSort(collection_), false);
    return;
  }
  sortCollection(collection_, settings_.matchMode);
  if (settings_.matchMode == MatchMode::SameContents) {
    presentSameContents(pacer);
    return;
  }
  std::vector<ResultEntry> rows = addDups(collection_, settings_.matchMode);
  groupStarts_ = groupFirstRows(collection_, rows, settings_.matchMode);
  table_ = resultTable(collection_, std::move(rows), true);
}

// No column tells two groups of one size apart, so every group takes the other shade.
void DuplicateSearch::presentSameContents(WalkPacer* pacer) {
  if (!aborted_ && !(walk_ && walk_->aborted())) {
    ContentSearch search;
    PhaseTexts texts(pacer, walk_, search);
    search.setPacer(&texts);
    contentSearch_ = &search;
    contentGroups_ = search.run(collection_);
    contentSearch_ = nullptr;
  }
  std::vector<ResultEntry> rows;
  bool shaded = true;
  for (const std::vector<quint32>& group : contentGroups_.groups) {
    groupStarts_.push_back(quint32(rows.size()));
    for (quint32 file : group) rows.push_back(ResultEntry{file, shaded});
    shaded = !shaded;
  }
  table_ = resultTable(collection_, std::move(rows), true);
}

QString DuplicateSearch::statusText() const {
  QStringList parts;
  if (!table_.rows.empty())
    parts.append(formatThousands(qint64(table_.rows.size())) +
                 (settings_.findDups ? QStringLiteral(" duplicates found") : QStringLiteral(" file hogs found")));
  const QStringList unreadable = unreadableFiles();
  if (unreadable.size() == 1)
    parts.append(QStringLiteral("could not read ") + platform::displayPath(unreadable.front()));
  else if (!unreadable.isEmpty())
    parts.append(QStringLiteral("could not read ") + filesCount(unreadable.size()));
  if (!contentGroups_.changed.empty())
    parts.append(filesCount(qsizetype(contentGroups_.changed.size())) + QStringLiteral(" changed while being compared"));
  return parts.join(QStringLiteral(", "));
}

QStringList DuplicateSearch::unreadableFiles() const {
  QStringList paths;
  for (quint32 file : contentGroups_.unreadable) paths.append(collection_.fullPath(collection_.files()[file]));
  return paths;
}

}  // namespace tessaly
