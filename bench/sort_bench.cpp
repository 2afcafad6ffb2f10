// Sorts a 1,000,000-row result grid by size, by date and by name and prints how long each
// sort takes. Run by bench/sort.sh in a Release build.
#include <QDate>
#include <QElapsedTimer>
#include <QLocale>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

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

struct SortRun {
  const char* what;
  tessaly::SortKey key;
  int column;
  bool descending;
  std::vector<qint64> wallMs;
  std::vector<qint64> processorMs;
};

void timeSort(SortRun& run, tessaly::ResultTable& grid) {
  QElapsedTimer timer;
  timer.start();
  const std::clock_t processorStart = std::clock();
  tessaly::sortGrid(grid, run.key, run.column, run.descending);
  run.wallMs.push_back(timer.elapsed());
  // The processor time shows how much of the wall time other programs took on a busy machine.
  run.processorMs.push_back((std::clock() - processorStart) * 1000LL / CLOCKS_PER_SEC);
}

}  // namespace

int main() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  tessaly::setShortDateFormat(tessaly::fix2000(QLocale().dateFormat(QLocale::ShortFormat)));
  QElapsedTimer timer;
  timer.start();
  tessaly::ResultTable grid = buildGrid();
  std::printf("built %d rows in %lld ms\n", kRows, static_cast<long long>(timer.elapsed()));

  // Each sort runs after the others, so the rows are as scattered as in a window sorted by hand.
  SortRun runs[] = {{"sortGridByNumber, size, descending", tessaly::SortKey::Number, Size, true, {}, {}},
                    {"sortGridByDate, modified, descending", tessaly::SortKey::Date, Modified, true, {}, {}},
                    {"sortGridByText, name, ascending", tessaly::SortKey::Text, Name, false, {}, {}}};
  constexpr int kRounds = 3;
  for (int round = 0; round < kRounds; ++round) {
    for (SortRun& run : runs) timeSort(run, grid);
  }
  bool fast = true;
  std::printf("%-40s %24s %24s\n", "", "wall ms (best, rounds)", "processor ms (best)");
  for (const SortRun& run : runs) {
    const qint64 best = *std::min_element(run.wallMs.begin(), run.wallMs.end());
    QString rounds;
    for (qint64 ms : run.wallMs) rounds += QString::number(ms) + u' ';
    std::printf("%-40s %6lld (%s) %12lld%s\n", run.what, static_cast<long long>(best), qPrintable(rounds.trimmed()),
                static_cast<long long>(*std::min_element(run.processorMs.begin(), run.processorMs.end())),
                best < 1000 ? "" : "  over one second");
    fast = fast && best < 1000;
  }
  return fast ? 0 : 1;
}
