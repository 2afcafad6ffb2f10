#include "app/cli/search_options.h"

#include <QFileInfo>

#include "app/cli/cli_command.h"
#include "core/common/date_texts.h"
#include "core/grid/grid_text.h"
#include "core/grid/stamp_texts.h"
#include "platform/host_path.h"

namespace tessaly::cli {
namespace {

const QString kMatchOption = QStringLiteral("match");
const QString kLargerOption = QStringLiteral("larger");
const QString kSmallerOption = QStringLiteral("smaller");
const QString kBetweenOption = QStringLiteral("between");
const QString kUnitOption = QStringLiteral("unit");
const QString kPatternOption = QStringLiteral("pattern");

// A whole number within the window's range, else nullopt.
std::optional<int> sizeNumber(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < 0 || value > kLargestSizeNumber) return std::nullopt;
  return value;
}

}  // namespace

void declareSearchOptions(QCommandLineParser& parser, bool findDups) {
  if (findDups) parser.addOption(valueOption(kMatchOption, QStringLiteral("MODE"), QStringLiteral("The match mode.")));
  parser.addOption(valueOption(kLargerOption, QStringLiteral("N"), QStringLiteral("Files of at least N units.")));
  parser.addOption(valueOption(kSmallerOption, QStringLiteral("N"), QStringLiteral("Files of at most N units.")));
  // The upper bound of --between is the first argument after it: "--between N M".
  parser.addOption(valueOption(kBetweenOption, QStringLiteral("N"), QStringLiteral("Files of N to M units.")));
  parser.addOption(valueOption(kUnitOption, QStringLiteral("UNIT"), QStringLiteral("bytes or KB.")));
  parser.addOption(valueOption(kPatternOption, QStringLiteral("P"), QStringLiteral("The file pattern.")));
}

std::optional<SearchArguments> parseSearchArguments(const QCommandLineParser& parser, bool findDups,
                                                    const QString& usage) {
  SearchArguments parsed;
  parsed.settings.findDups = findDups;
  const auto refuse = [&usage](const QString& text) -> std::optional<SearchArguments> {
    failUsage(text, usage);
    return std::nullopt;
  };
  QStringList paths = parser.positionalArguments();

  if (findDups && parser.isSet(kMatchOption)) {
    bool ok = false;
    const int mode = parser.value(kMatchOption).toInt(&ok);
    if (!ok || mode < 0 || mode >= kMatchModeCount)
      return refuse(QStringLiteral("--match needs a number from 0 to %1.").arg(kMatchModeCount - 1));
    parsed.settings.matchMode = MatchMode(mode);
  }

  const int conditionsGiven =
      int(parser.isSet(kLargerOption)) + int(parser.isSet(kSmallerOption)) + int(parser.isSet(kBetweenOption));
  if (conditionsGiven > 1) return refuse(QStringLiteral("Give one of --larger, --smaller and --between."));
  SizeCondition condition = SizeCondition::LargerOrEqual;
  int first = kDefaultSizeNumber;
  int second = kDefaultSizeNumber;
  if (parser.isSet(kBetweenOption)) {
    const std::optional<int> low = sizeNumber(parser.value(kBetweenOption));
    const std::optional<int> high = paths.isEmpty() ? std::nullopt : sizeNumber(paths.takeFirst());
    if (!low || !high) return refuse(QStringLiteral("--between needs two numbers from 0 to 10000."));
    condition = SizeCondition::Between;
    first = *low;
    second = *high;
  } else if (conditionsGiven == 1) {
    const bool larger = parser.isSet(kLargerOption);
    const QString option = larger ? kLargerOption : kSmallerOption;
    const std::optional<int> number = sizeNumber(parser.value(option));
    if (!number) return refuse(QStringLiteral("--") + option + QStringLiteral(" needs a number from 0 to 10000."));
    condition = larger ? SizeCondition::LargerOrEqual : SizeCondition::SmallerOrEqual;
    first = *number;
  }

  SizeUnit unit = SizeUnit::KB;
  if (parser.isSet(kUnitOption)) {
    const QString value = parser.value(kUnitOption);
    if (value == QStringLiteral("bytes")) {
      unit = SizeUnit::Bytes;
    } else if (value != QStringLiteral("KB")) {
      return refuse(QStringLiteral("--unit is bytes or KB."));
    }
  }
  if (parser.isSet(kPatternOption)) {
    parsed.settings.pattern = parser.value(kPatternOption);
    if (parsed.settings.pattern.isEmpty()) return refuse(QStringLiteral("--pattern needs a file pattern."));
  }

  if (paths.isEmpty()) return refuse(QStringLiteral("No folder given."));
  const QString problem = checkSizeNumbers(condition, first, second);
  if (!problem.isEmpty()) {
    fail(problem);
    return std::nullopt;
  }
  parsed.settings.limits = sizeLimits(condition, first, second, unit);
  std::optional<QList<WalkRoot>> roots = folderRoots(paths);
  if (!roots) return std::nullopt;
  parsed.roots = *roots;
  return parsed;
}

std::optional<QList<WalkRoot>> folderRoots(const QStringList& paths) {
  QList<WalkRoot> roots;
  for (const QString& argument : paths) {
    const QFileInfo info(argument);
    // An added folder is stored as its full path, so a relative one is made absolute.
    const QString path = info.absoluteFilePath();
    if (!info.isDir()) {
      fail(QStringLiteral("Can't open drive ") + path);
      return std::nullopt;
    }
    roots.append({path, path});
  }
  return roots;
}

void printGrid(const GridTable& table, bool withShade, const std::vector<bool>& marks) {
  // Written in pieces: a million rows need neither a million line strings nor one huge text.
  constexpr qsizetype kPiece = 1 << 20;
  QString text;
  text.reserve(kPiece + 4096);
  text += table.headings.join(u'\t');
  text += u'\n';
  StampTexts repeated;
  for (qsizetype row = 0; row < table.rowCount(); ++row) {
    text += rowAsTabLine(table, row, repeated);
    if (withShade) text += table.shaded(row) ? QStringLiteral("\tshaded") : QStringLiteral("\tplain");
    if (!marks.empty()) text += marks[size_t(row)] ? QStringLiteral("\tmarked") : QStringLiteral("\tunmarked");
    text += u'\n';
    if (text.size() >= kPiece) {
      printOut(text);
      text.resize(0);
    }
  }
  printOut(text);
}

bool runSearch(DuplicateSearch& search, const QList<WalkRoot>& roots) {
  MessagesToStderr messages;
  search.scan(roots);
  if (messages.failed()) return false;
  for (const QString& path : search.unreadableFiles()) fail(QStringLiteral("Could not read ") + platform::displayPath(path));
  if (search.table().rows.empty()) fail(kNoFilesFound);
  return true;
}

int runSearchCommand(const QCommandLineParser& parser, bool findDups, const QString& usage) {
  const std::optional<SearchArguments> parsed = parseSearchArguments(parser, findDups, usage);
  if (!parsed) return 2;
  DuplicateSearch search(parsed->settings);
  if (!runSearch(search, parsed->roots)) return 1;
  printGrid(search.table(), findDups);
  return 0;
}

}  // namespace tessaly::cli
