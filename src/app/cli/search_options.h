#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/search/duplicate_search.h"

namespace tessaly::cli {

// Arguments of the duplicates and file-hogs subcommands, checked as the window checks them.
struct SearchArguments {
  SearchSettings settings;
  QList<WalkRoot> roots;
};

// The options of the duplicates and file-hogs subcommands.
void declareSearchOptions(QCommandLineParser& parser, bool findDups);
// The parsed arguments, or nullopt after the message has been printed on stderr.
std::optional<SearchArguments> parseSearchArguments(const QCommandLineParser& parser, bool findDups,
                                                    const QString& usage);

// Each PATH as a ticked added folder: its absolute path. A path that is no folder is
// refused with the walk's own message, before anything is walked.
std::optional<QList<WalkRoot>> folderRoots(const QStringList& paths);

// Prints the grid as "Entire grid separated by tabs" does, heading row first, each line ended
// by "\n"; withShade adds each data row's parity ("shaded" or "plain") as a column, and marks,
// one per row when given, a last column "marked" or "unmarked".
void printGrid(const GridTable& table, bool withShade, const std::vector<bool>& marks = {});

// Walks and presents; what could not be read and "No files found." go to stderr. False when
// the walk reported a failure.
bool runSearch(DuplicateSearch& search, const QList<WalkRoot>& roots);

// The duplicates and file-hogs subcommands: parse, search, print; the exit code.
int runSearchCommand(const QCommandLineParser& parser, bool findDups, const QString& usage);

}  // namespace tessaly::cli
