#pragma once

#include <QStringList>

namespace tessaly {

// The picker's three file-type choices.
enum class TypeChoice { All, Include, Exclude };

// The file-type filter of a statistics run: the choice and the picker's chosen type entries
// ("*.doc" + tab + description).
class TypeFilter {
 public:
  TypeFilter() = default;
  TypeFilter(TypeChoice choice, const QStringList& pickList2);

  bool isThisSelected(const QString& fileName) const;
  TypeChoice choice() const { return choice_; }
  const QStringList& pickList2() const { return pickList2_; }

 private:
  TypeChoice choice_ = TypeChoice::All;
  QStringList pickList2_;
  QStringList extensions_;  // extractExtension of each entry, in order
};

// "*.doc" + tab + description gives ".doc": the text from the second character up to the
// first tab, in lower case.
QString extractExtension(const QString& typeEntry);

}  // namespace tessaly
