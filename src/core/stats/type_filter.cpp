#include "core/stats/type_filter.h"

#include "core/common/file_types.h"

namespace tessaly {

QString extractExtension(const QString& typeEntry) {
  const qsizetype tab = typeEntry.indexOf(u'\t');
  return typeEntry.mid(1, tab < 0 ? -1 : tab - 1).toLower();
}

TypeFilter::TypeFilter(TypeChoice choice, const QStringList& pickList2)
    : choice_(choice), pickList2_(choice == TypeChoice::All ? QStringList() : pickList2) {
  for (const QString& entry : pickList2_) extensions_.append(extractExtension(entry));
}

bool TypeFilter::isThisSelected(const QString& fileName) const {
  if (choice_ == TypeChoice::All) return true;
  // With the except choice and no types everything counts; with the selected-only choice
  // and no types nothing does.
  if (extensions_.isEmpty()) return choice_ == TypeChoice::Exclude;
  const QString extension = extensionOf(fileName).toLower();
  return extensions_.contains(extension) ? choice_ == TypeChoice::Include : choice_ == TypeChoice::Exclude;
}

}  // namespace tessaly
