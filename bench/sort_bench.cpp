// Sorts a 1,000,000-row result grid by size, by date and by name and prints how long each
// sort takes. Run by bench/sort.sh in a Release build.
#include <QDate>
#include <QElapsedTimer>
#include <QLocale>
#include <QRandomGenerator>
#include <cstdio>
#include <ctime>

#include "core/common/date_texts.h"
#include "core/common/text_routines.h"
#include "core/grid/grid_sort.h"

namespace {

constexpr int kRows = 1'000'000;
enum Column { Size, Modified, Name, Folder };

tessaly::ResultTable buildGrid() {
  QRandomGenerator random(1997);
  tessaly::ResultTable grid;
  grid.headings = {QStringLiteral("Size"), QStringLiteral("Modified"), QStringLiteral("Filename"),
                   QStringLiteral("Folder")};
  grid.rows.reserve(kRows);
  const QDate first(1985, 1, 1);
  const QStringList extensions = {".txt", ".JPG", ".so", ".tar.gz", ".Doc", ""};
  for (int i = 0; i < kRows; ++i) {
    tessaly::ResultRow row;
    const qint64 size = qint64(random.bounded(1 << 30)) >> random.bounded(30);
    const QString name = QStringLiteral("%1file_%2%3")
                             .arg(QChar(random.bounded(2) ? u'a' + random.bounded(26) : u'A' + random.bounded(26)))
                             .arg(random.bounded(1'000'000))
                             .arg(extensions[random.bounded(int(extensions.size()))]);
    row.cells = {tessaly::formatThousands(size), tessaly::shortDateText(first.addDays(random.bounded(15000))), name,
                 QStringLiteral("/home/user/folder%1").arg(random.bounded(5000))};
    grid.rows.push_back(std::move(row));
  }
  return grid;
}

bool timeSort(const char* what, tessaly::ResultTable& grid, tessaly::SortKey key, int column, bool descending) {
  QElapsedTimer timer;
  timer.start();
  const std::clock_t cpuStart = std::clock();
  tessaly::sortGrid(grid, key, column, descending);
  const qint64 ms = timer.elapsed();
  // The processor time shows how much of the wall time other programs took on a busy machine.
  const long long cpuMs = (std::clock() - cpuStart) * 1000LL / CLOCKS_PER_SEC;
  std::printf("%-40s %6lld ms (processor %lld ms)%s\n", what, static_cast<long long>(ms), cpuMs,
              ms < 1000 ? "" : "  over one second");
  return ms < 1000;
}

}  // namespace

int main() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  tessaly::setShortDateFormat(tessaly::fix2000(QLocale().dateFormat(QLocale::ShortFormat)));
  QElapsedTimer timer;
  timer.start();
  tessaly::ResultTable grid = buildGrid();
  std::printf("built %d rows in %lld ms\n", kRows, static_cast<long long>(timer.elapsed()));

  bool fast = true;
  fast &= timeSort("sortGridByNumber, size, descending", grid, tessaly::SortKey::Number, Size, true);
  fast &= timeSort("sortGridByDate, modified, descending", grid, tessaly::SortKey::Date, Modified, true);
  fast &= timeSort("sortGridByText, name, ascending", grid, tessaly::SortKey::Text, Name, false);
  fast &= timeSort("sortGridByNumber, size, ascending", grid, tessaly::SortKey::Number, Size, false);
  return fast ? 0 : 1;
}
