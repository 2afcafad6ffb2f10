#include "core/stats/types_listing.h"

#include <algorithm>
#include <numeric>

#include "core/common/file_types.h"
#include "core/common/text_routines.h"
#include "core/grid/grid_sort.h"

namespace tessaly {
namespace {

constexpr int kPieSlices = 12;
constexpr int kColumnWidths[] = {80, 219, 120, 75, 82};
constexpr double kOtherBelowPercent = 5.0;

QString amount(double value) { return formatThousandsFloat(value); }

double valueOf(const TypeRow& row, TypeView view) {
  switch (view) {
    case TypeView::PieByFiles:
      return double(row.count);
    case TypeView::PieByAverage:
      return row.average();
    default:
      return double(row.bytes);
  }
}

}  // namespace

QString typeDescription(const QString& extension) {
  return fileTypeDescription(extension.isEmpty() ? QStringLiteral("*.") : extension);
}

TypesListing::TypesListing(const TypeList& types, const TypeFilter& filter) {
  TypeList lines = types;
  if (filter.choice() == TypeChoice::Include) {
    for (const QString& entry : filter.pickList2()) lines.insertType(extractExtension(entry), 0, true);
  }
  rows_.reserve(lines.lines().size());
  for (const TypeLine& line : lines.lines())
    rows_.push_back({line.extension, typeDescription(line.extension), line.bytes, line.count});
}

std::optional<TypeSort> TypesListing::sortOfView(TypeView view) {
  switch (view) {
    case TypeView::PieBySize:
      return TypeSort::Size;
    case TypeView::PieByFiles:
      return TypeSort::Files;
    case TypeView::PieByAverage:
      return TypeSort::Average;
    case TypeView::Listing:
      break;
  }
  return std::nullopt;
}

void TypesListing::sort(TypeSort sort) {
  if (rows_.size() < 2) return;
  sortedBy_ = sort;
  const auto byText = [](auto field) {
    return [field](const TypeRow& a, const TypeRow& b) { return textSortKey(field(a)) < textSortKey(field(b)); };
  };
  const auto byNumberDescending = [](auto field) {
    return [field](const TypeRow& a, const TypeRow& b) { return field(a) > field(b); };
  };
  switch (sort) {
    case TypeSort::Extension:
      std::stable_sort(rows_.begin(), rows_.end(), byText([](const TypeRow& r) { return r.extension; }));
      break;
    case TypeSort::Type:
      std::stable_sort(rows_.begin(), rows_.end(), byText([](const TypeRow& r) { return r.description; }));
      break;
    case TypeSort::Size:
      std::stable_sort(rows_.begin(), rows_.end(), byNumberDescending([](const TypeRow& r) { return r.bytes; }));
      break;
    case TypeSort::Files:
      std::stable_sort(rows_.begin(), rows_.end(), byNumberDescending([](const TypeRow& r) { return r.count; }));
      break;
    case TypeSort::Average:
      std::stable_sort(rows_.begin(), rows_.end(), byNumberDescending([](const TypeRow& r) { return r.average(); }));
      break;
  }
}

ResultTable TypesListing::table() const {
  ResultTable table;
  table.headings = {QStringLiteral("Extension"), QStringLiteral("Type"), QStringLiteral("Size"),
                    QStringLiteral("# Files"), QStringLiteral("Avg File Size")};
  table.alignment = {CellAlignment::Left, CellAlignment::Left, CellAlignment::Right, CellAlignment::Right,
                     CellAlignment::Right};
  table.columnWidths = {std::begin(kColumnWidths), std::end(kColumnWidths)};
  table.rows.reserve(rows_.size() + 1);
  qint64 bytes = 0;
  qint64 count = 0;
  for (const TypeRow& row : rows_) {
    table.rows.push_back({{row.extension, row.description, amount(double(row.bytes)), amount(double(row.count)),
                           row.count > 0 ? amount(row.average()) : QStringLiteral("0")}});
    bytes += row.bytes;
    count += row.count;
  }
  table.rows.push_back({{QString(), QStringLiteral("Totals"), amount(double(bytes)), amount(double(count)), QString()}});
  return table;
}

std::vector<ChartPoint> TypesListing::pie(TypeView view) {
  const std::optional<TypeSort> order = sortOfView(view);
  if (!order) return {};
  sort(*order);
  std::vector<ChartPoint> slices;
  const int rows = std::min(int(rows_.size()), kPieSlices);
  for (int row = 0; row < rows; ++row) {
    const double value = valueOf(rows_[size_t(row)], view);
    if (value > 0) slices.push_back({rows_[size_t(row)].description, value, chartColour(row + 1)});
  }
  return shapePie(std::move(slices));
}

std::vector<ChartPoint> shapePie(std::vector<ChartPoint> slices) {
  const double whole = std::accumulate(slices.begin(), slices.end(), 0.0,
                                       [](double sum, const ChartPoint& slice) { return sum + slice.value; });
  std::vector<ChartPoint> shaped;
  ChartPoint other{QStringLiteral("Other"), 0, kOtherSliceColour};
  for (ChartPoint& slice : slices) {
    if (slice.value * 100.0 < whole * kOtherBelowPercent) {
      other.value += slice.value;
    } else {
      shaped.push_back(std::move(slice));
    }
  }
  if (other.value > 0) shaped.push_back(other);
  std::stable_sort(shaped.begin(), shaped.end(),
                   [](const ChartPoint& a, const ChartPoint& b) { return a.value < b.value; });
  return shaped;
}

}  // namespace tessaly
