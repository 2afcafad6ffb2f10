#include <QFileInfo>

#include "app/cli/cli_command.h"
#include "app/cli/removal_steps.h"
#include "app/cli/search_options.h"
#include "core/common/text_routines.h"
#include "core/deletion/last_copy_guard.h"
#include "core/search/keep_one_copy.h"
#include "platform/host_files.h"
#include "platform/trash.h"

namespace tessaly::cli {
namespace {

const QString kUsage = QStringLiteral(
    "duplicates [--match 0..7] [--larger N | --smaller N | --between N M] [--unit bytes|KB] [--pattern P] "
    "[--keep first|newest|oldest|in:FOLDER] [--delete | --trash [--all-copies]] PATH...");
const QString kKeepOption = QStringLiteral("keep");
const QString kDeleteOption = QStringLiteral("delete");
const QString kTrashOption = QStringLiteral("trash");
const QString kAllCopiesOption = QStringLiteral("all-copies");
const QString kInFolderPrefix = QStringLiteral("in:");

enum class Removal { None, Delete, Trash };

struct DuplicateArguments {
  SearchArguments search;
  std::optional<KeepChoice> keep;
  Removal removal = Removal::None;
  bool allCopies = false;
};

void declareOptions(QCommandLineParser& parser) {
  declareSearchOptions(parser, true);
  parser.addOption(valueOption(kKeepOption, QStringLiteral("RULE"),
                               QStringLiteral("Marks all but one file of each group: the first listed, the newest, "
                                              "the oldest or the one in FOLDER.")));
  parser.addOption(QCommandLineOption(kDeleteOption, QStringLiteral("Deletes the marked files.")));
  parser.addOption(QCommandLineOption(kTrashOption, QStringLiteral("Moves the marked files to the trash.")));
  parser.addOption(QCommandLineOption(kAllCopiesOption, QStringLiteral("Removes every file of a group all the same.")));
}

std::optional<KeepChoice> parseKeep(const QString& text) {
  if (text == QStringLiteral("first")) return KeepChoice{KeepRule::FirstListed, {}};
  if (text == QStringLiteral("newest")) return KeepChoice{KeepRule::Newest, {}};
  if (text == QStringLiteral("oldest")) return KeepChoice{KeepRule::Oldest, {}};
  if (text.startsWith(kInFolderPrefix) && text.size() > kInFolderPrefix.size()) {
    const QString folder = platform::absolutePath(text.mid(kInFolderPrefix.size()));
    if (QFileInfo(folder).isDir()) return KeepChoice{KeepRule::InFolder, folder};
  }
  return std::nullopt;
}

std::optional<DuplicateArguments> parseArguments(const QCommandLineParser& parser) {
  DuplicateArguments parsed;
  if (parser.isSet(kKeepOption)) {
    const QString rule = parser.value(kKeepOption);
    parsed.keep = parseKeep(rule);
    if (!parsed.keep) {
      failUsage(rule.startsWith(kInFolderPrefix) ? QStringLiteral("--keep in: needs a folder that exists.")
                                                 : QStringLiteral("--keep is first, newest, oldest or in: followed by a folder."),
                kUsage);
      return std::nullopt;
    }
  }
  if (parser.isSet(kDeleteOption) && parser.isSet(kTrashOption)) {
    failUsage(QStringLiteral("Give one of --delete and --trash."), kUsage);
    return std::nullopt;
  }
  parsed.removal = parser.isSet(kDeleteOption) ? Removal::Delete : parser.isSet(kTrashOption) ? Removal::Trash : Removal::None;
  parsed.allCopies = parser.isSet(kAllCopiesOption);
  std::optional<SearchArguments> search = parseSearchArguments(parser, true, kUsage);
  if (!search) return std::nullopt;
  parsed.search = *search;
  return parsed;
}

// The marks of "Mark all but one in each group" for a keep rule; without one, a removal takes
// every row, as "Mark all" does.
std::vector<bool> marksOf(const DuplicateSearch& search, const DuplicateArguments& arguments) {
  const FileTable& table = search.table();
  if (!arguments.keep) return std::vector<bool>(size_t(table.rowCount()), arguments.removal != Removal::None);
  std::vector<bool> marks(size_t(table.rowCount()), false);
  for (qsizetype row : rowsToMarkKeepingOne(table, search.groupStarts(), *arguments.keep)) marks[size_t(row)] = true;
  return marks;
}

// Removes the marked files that the safe harbor lets go, unless that would leave a group
// without a single file and --all-copies was not given.
int removeMarked(const DuplicateSearch& search, const std::vector<bool>& marks, const DuplicateArguments& arguments) {
  const FileTable& table = search.table();
  QStringList marked;
  for (qsizetype row = 0; row < table.rowCount(); ++row) {
    if (marks[size_t(row)]) marked.append(table.filePath(row));
  }
  MessagesToStderr messages;
  const QStringList removing = filesFreeToRemove(marked);
  const QSet<QString> markedSet(marked.begin(), marked.end());
  const std::vector<CopyGroup> groups =
      copyGroupsWithMarks(table, search.groupStarts(), [&](const QString& path) { return markedSet.contains(path); });
  const std::vector<size_t> losing = groupsLeftWithoutCopy(groups, removing);
  if (!losing.empty() && !arguments.allCopies) {
    return fail(QStringLiteral("Nothing was removed: every file of these duplicate groups would go, and not one copy of "
                               "them would be left:\n") +
                groupLines(groups, losing) + QStringLiteral("\nGive --all-copies to remove them all the same."));
  }
  QuietRun observer;
  const std::vector<PlannedRemoval> plan = planRemovals(removing);
  const bool trash = arguments.removal == Removal::Trash;
  const RunOutcome outcome =
      trash ? trashPlannedFiles(plan, platform::desktopTrash(), observer) : deletePlannedFiles(plan, systemRemover(), observer);
  printOut(QStringLiteral("%1 files (%2 bytes) %3\n")
               .arg(formatThousands(outcome.removedFiles), formatThousands(outcome.removedBytes),
                    trash ? QStringLiteral("moved to the trash") : QStringLiteral("deleted")));
  return outcome.removedFiles == marked.size() ? 0 : 1;
}

int runDuplicates(const QCommandLineParser& parser) {
  const std::optional<DuplicateArguments> arguments = parseArguments(parser);
  if (!arguments) return 2;
  DuplicateSearch search(arguments->search.settings);
  if (!runSearch(search, arguments->search.roots)) return 1;
  const std::vector<bool> marks = marksOf(search, *arguments);
  printGrid(search.table(), true, arguments->keep || arguments->removal != Removal::None ? marks : std::vector<bool>{});
  if (arguments->removal == Removal::None || search.table().rows.empty()) return 0;
  return removeMarked(search, marks, *arguments);
}

const bool registered = registerCommand(
    {QStringLiteral("duplicates"), kUsage,
     QStringLiteral("Duplicate files by the match mode (0 filename, 1 and size, 2 and date/time, 3 size, 4 size and "
                    "date/time, 5 size and type, 6 type and date/time, 7 same contents), in groups, each row ending in "
                    "its shade (shaded or plain). --keep adds a last column, marked or unmarked, marking all but the "
                    "kept file of each group (a group without a file in the FOLDER of in:FOLDER stays unmarked). "
                    "--delete or --trash then removes the marked files (every listed file without --keep); a file "
                    "the safe harbor protects stays, and a run that would leave a group without any file is refused "
                    "unless --all-copies is given. Defaults: --match 0 --larger 250 --unit KB --pattern \"*.*\"."),
     declareOptions, runDuplicates});

}  // namespace
}  // namespace tessaly::cli
