#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/grid/result_table.h"
#include "core/stats/chart_data.h"
#include "core/stats/type_filter.h"
#include "core/stats/type_list.h"

namespace tessaly {

// One extension of the Types page.
struct TypeRow {
  QString extension;  // ".DOC", empty for files without one
  QString description;
  qint64 bytes = 0;
  qint64 count = 0;

  // 0 for an extension without files.
  double average() const { return count > 0 ? double(bytes) / double(count) : 0.0; }
};

// The Types page's sort commands, in menu order.
enum class TypeSort { Extension, Type, Size, Files, Average };
// The Types page's views, in the order of their radio buttons.
enum class TypeView { Listing, PieBySize, PieByFiles, PieByAverage };

// The Types listing of a run: one row per extension, a totals row below them all, the sort
// last chosen, and the pie of one of its number columns.
class TypesListing {
 public:
  // Every chosen type gets a row with "&Selected file types only", also when no file of it
  // was found.
  TypesListing(const TypeList& types, const TypeFilter& filter);
  TypesListing() = default;

  // The sort of a view's pie; nothing for the listing.
  static std::optional<TypeSort> sortOfView(TypeView view);

  // Sorts the data rows (text ascending, numbers descending, equal keys keep their order);
  // the totals row stays last. Fewer than two rows are left as they are.
  void sort(TypeSort sort);
  TypeSort sortedBy() const { return sortedBy_; }

  const std::vector<TypeRow>& rows() const { return rows_; }
  // The grid: headings, the data rows in their order, and the totals row.
  ResultTable table() const;

  // The pie of a pie view, made as the page makes it: the rows sorted by the view's
  // column, the first twelve with a value above 0, each coloured by its row number. The
  // largest slice comes last: the chart pulls it out.
  std::vector<ChartPoint> pie(TypeView view);

 private:
  std::vector<TypeRow> rows_;
  TypeSort sortedBy_ = TypeSort::Extension;
};

// A pie's slices as the chart draws them: every slice under 5 percent of the whole merged
// into one "Other" slice, then all in ascending order of value.
std::vector<ChartPoint> shapePie(std::vector<ChartPoint> slices);
inline constexpr Rgb kOtherSliceColour = 0xC0C0C0;  // silver, not one of the palette's

// The description of an extension as the Types page shows it: "No extension" for none.
QString typeDescription(const QString& extension);

}  // namespace tessaly
