#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/common/dialogs.h"

namespace tessaly::cli {

// One subcommand of tessaly-cli. declareOptions adds the subcommand's options to its parser;
// run gets the parsed arguments and returns the exit code; messages go to stderr, results to
// stdout.
struct CliCommand {
  QString name;
  QString usage;    // "folder-hogs [--main|--all] [--html FILE] PATH..."
  QString summary;  // one line for --help
  std::function<void(QCommandLineParser& parser)> declareOptions;
  std::function<int(const QCommandLineParser& parser)> run;
};

// Called from a static initialiser in each subcommand's file.
bool registerCommand(CliCommand command);
const std::vector<CliCommand>& commands();

// Parses the arguments after the subcommand's name and runs it; a bad option is explained
// on stderr with the usage, and nothing runs.
int runCommand(const CliCommand& command, const QStringList& arguments);

// Prints the program's message on stderr and returns the exit code for a failed run.
int fail(const QString& message);
// A refused command line: the message followed by the subcommand's usage.
int failUsage(const QString& message, const QString& usage);
// Writes text to stdout as UTF-8, file names as their own bytes.
void printOut(const QString& text);

// An option with a value: "--html FILE".
QCommandLineOption valueOption(const QString& name, const QString& valueName, const QString& description);

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
