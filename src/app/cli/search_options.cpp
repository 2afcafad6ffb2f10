#include "app/cli/search_options.h"

#include <QFileInfo>

#include "app/cli/cli_command.h"
#include "core/common/date_texts.h"
#include "core/grid/grid_text.h"
#include "core/grid/stamp_texts.h"

namespace tessaly::cli {
namespace {

// A whole number within the window's range, else nullopt.
std::optional<int> sizeNumber(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < 0 || value > kLargestSizeNumber) return std::nullopt;
  return value;
}

}  // namespace

std::optional<SearchArguments> parseSearchArguments(const QStringList& arguments, bool findDups, const QString& usage) {
  SearchArguments parsed;
  parsed.settings.findDups = findDups;
  SizeCondition condition = SizeCondition::LargerOrEqual;
  int first = 250;
  int second = 250;
  SizeUnit unit = SizeUnit::KB;
  QStringList paths;
  const auto refuse = [&](const QString& text) {
    fail(text + QStringLiteral(" Usage: tessaly-cli ") + usage);
    return std::nullopt;
  };
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const auto takeValue = [&]() -> std::optional<QString> {
      if (i + 1 >= arguments.size()) return std::nullopt;
      return arguments[++i];
    };
    const auto takeNumber = [&]() -> std::optional<int> {
      const std::optional<QString> value = takeValue();
      return value ? sizeNumber(*value) : std::nullopt;
    };
    if (findDups && argument == QStringLiteral("--match")) {
      const std::optional<QString> value = takeValue();
      bool ok = false;
      const int mode = value ? value->toInt(&ok) : -1;
      if (!ok || mode < 0 || mode >= kMatchModeCount) return refuse(QStringLiteral("--match needs a number from 0 to 6."));
      parsed.settings.matchMode = MatchMode(mode);
    } else if (argument == QStringLiteral("--larger") || argument == QStringLiteral("--smaller")) {
      const std::optional<int> number = takeNumber();
      if (!number) return refuse(argument + QStringLiteral(" needs a number from 0 to 10000."));
      condition = argument == QStringLiteral("--larger") ? SizeCondition::LargerOrEqual : SizeCondition::SmallerOrEqual;
      first = *number;
    } else if (argument == QStringLiteral("--between")) {
      const std::optional<int> low = takeNumber();
      const std::optional<int> high = low ? takeNumber() : std::nullopt;
      if (!high) return refuse(QStringLiteral("--between needs two numbers from 0 to 10000."));
      condition = SizeCondition::Between;
      first = *low;
      second = *high;
    } else if (argument == QStringLiteral("--unit")) {
      const QString value = takeValue().value_or(QString());
      if (value == QStringLiteral("bytes")) {
        unit = SizeUnit::Bytes;
      } else if (value == QStringLiteral("KB")) {
        unit = SizeUnit::KB;
      } else {
        return refuse(QStringLiteral("--unit is bytes or KB."));
      }
    } else if (argument == QStringLiteral("--pattern")) {
      const std::optional<QString> value = takeValue();
      if (!value || value->isEmpty()) return refuse(QStringLiteral("--pattern needs a file pattern."));
      parsed.settings.pattern = *value;
    } else if (argument.startsWith(u'-') && argument != QStringLiteral("-")) {
      return refuse(QStringLiteral("Unknown option \"%1\".").arg(argument));
    } else {
      paths.append(argument);
    }
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

void printGrid(const GridTable& table, bool withShade) {
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
    text += u'\n';
    if (text.size() >= kPiece) {
      printOut(text);
      text.resize(0);
    }
  }
  printOut(text);
}

int runSearchCommand(const QStringList& arguments, bool findDups, const QString& usage) {
  const std::optional<SearchArguments> parsed = parseSearchArguments(arguments, findDups, usage);
  if (!parsed) return 2;
  MessagesToStderr messages;
  DuplicateSearch search(parsed->settings);
  search.scan(parsed->roots);
  if (messages.failed()) return 1;
  if (search.table().rows.empty()) fail(kNoFilesFound);
  printGrid(search.table(), findDups);
  return 0;
}

}  // namespace tessaly::cli
