#pragma once

#include <QList>
#include <QStringList>
#include <optional>

#include "core/common/dialogs.h"
#include "core/search/duplicate_search.h"

namespace tessaly::cli {

// The walk's boxes become lines on stderr; a run that showed an error or warning has failed.
class MessagesToStderr final : public Dialogs {
 public:
  MessagesToStderr();
  ~MessagesToStderr() override;
  bool failed() const { return failed_; }

  void message(MessageStyle style, const QString& text) override;
  Answer ask(MessageStyle, const QString&, const QString&, AnswerSet answers) override;
  QString chooseFolder(const QString&, const QString&) override { return {}; }
  QString saveFileName(const FileDialogRequest&) override { return {}; }
  QString openFileName(const FileDialogRequest&) override { return {}; }
  bool askText(const QString&, const QString&, bool, QString*) override { return false; }
  bool setUpPrinter(QPrinter&) override { return false; }
  bool chooseFont(QFont&) override { return false; }

 private:
  bool failed_ = false;
};

// Arguments of the duplicates and file-hogs subcommands, checked as the window checks them.
struct SearchArguments {
  SearchSettings settings;
  QList<WalkRoot> roots;
};

// The parsed arguments, or nullopt after the message has been printed on stderr.
std::optional<SearchArguments> parseSearchArguments(const QStringList& arguments, bool findDups, const QString& usage);

// Each PATH as a ticked added folder: its absolute path. A path that is no folder is
// refused with the walk's own message, before anything is walked.
std::optional<QList<WalkRoot>> folderRoots(const QStringList& paths);

// Prints the grid as "Entire grid separated by tabs" does, heading row first, each line ended
// by "\n"; withShade adds each data row's parity ("shaded" or "plain") as a last column.
void printGrid(const ResultTable& table, bool withShade);

// Dates in four-digit years, as the program sets them at start.
void useProgramDateFormat();

}  // namespace tessaly::cli
