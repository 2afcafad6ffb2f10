#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "core/common/dialogs.h"

namespace tessaly::cli {

// One subcommand of tessaly-cli. run() gets the arguments after the subcommand's name and
// returns the exit code; messages go to stderr, results to stdout.
struct CliCommand {
  QString name;
  QString usage;    // "folder-hogs [--main|--all] [--html FILE] PATH..."
  QString summary;  // one line for --help
  std::function<int(const QStringList& arguments)> run;
};

// Called from a static initialiser in each subcommand's file.
bool registerCommand(CliCommand command);
const std::vector<CliCommand>& commands();

// Prints the program's message on stderr and returns the exit code for a failed run.
int fail(const QString& message);
// Writes text to stdout as UTF-8.
void printOut(const QString& text);

// While it lives, the program's boxes become lines on stderr and every question gets the
// refusing answer (or Yes, when the user said so on the command line) and is printed with it;
// a run that showed an error or a warning has failed.
class MessagesToStderr final : public RefusingDialogs {
 public:
  explicit MessagesToStderr(bool answerYes = false);
  ~MessagesToStderr() override;
  bool failed() const { return failed_; }

  void message(MessageStyle style, const QString& text) override;
  Answer ask(MessageStyle style, const QString& caption, const QString& text, AnswerSet answers) override;

 private:
  bool answerYes_;
  bool failed_ = false;
};

}  // namespace tessaly::cli
