#include "app/cli/cli_command.h"

#include <cstdio>

#include "platform/host_path.h"

namespace tessaly::cli {
namespace {

std::vector<CliCommand>& registry() {
  static std::vector<CliCommand> all;
  return all;
}

// The parser's own texts name options without their dashes and in its own quotes; the
// program names them as they are typed.
QString parserProblem(const QCommandLineParser& parser) {
  const QStringList unknown = parser.unknownOptionNames();
  if (!unknown.isEmpty()) {
    const QString& name = unknown.first();
    return QStringLiteral("Unknown option \"%1%2\".").arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
  }
  return parser.errorText();
}

}  // namespace

bool registerCommand(CliCommand command) {
  registry().push_back(std::move(command));
  return true;
}

const std::vector<CliCommand>& commands() { return registry(); }

int runCommand(const CliCommand& command, const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows what the command does."));
  parser.addOption(help);
  if (command.declareOptions) command.declareOptions(parser);
  // The parser skips its first argument, the program's name.
  if (!parser.parse(QStringList{QStringLiteral("tessaly-cli")} + arguments))
    return failUsage(parserProblem(parser), command.usage);
  if (parser.isSet(help)) {
    printOut(QStringLiteral("Usage: tessaly-cli %1\n\n%2\n").arg(command.usage, command.summary));
    return 0;
  }
  return command.run(parser);
}

int fail(const QString& message) {
  std::fputs(platform::encodePath(message).constData(), stderr);
  std::fputc('\n', stderr);
  return 2;
}

int failUsage(const QString& message, const QString& usage) {
  return fail(message + QStringLiteral(" Usage: tessaly-cli ") + usage);
}

void printOut(const QString& text) { std::fputs(platform::encodePath(text).constData(), stdout); }

QCommandLineOption valueOption(const QString& name, const QString& valueName, const QString& description) {
  return QCommandLineOption(name, description, valueName);
}

MessagesToStderr::MessagesToStderr(bool answerYes) : answerYes_(answerYes) { setDialogs(this); }
MessagesToStderr::~MessagesToStderr() { setDialogs(nullptr); }

void MessagesToStderr::message(MessageStyle style, const QString& text) {
  fail(text);
  if (style == MessageStyle::Error || style == MessageStyle::Warning) failed_ = true;
}

Answer MessagesToStderr::ask(MessageStyle style, const QString& caption, const QString& text, AnswerSet answers) {
  const Answer answer = answerYes_ && answers != AnswerSet::OkCancel ? Answer::Yes : RefusingDialogs::ask(style, caption, text, answers);
  const QString said = answer == Answer::Yes ? QStringLiteral("Yes") : answer == Answer::No ? QStringLiteral("No") : QStringLiteral("Cancel");
  fail(text + QStringLiteral("\nAnswered ") + said + u'.');
  return answer;
}

}  // namespace tessaly::cli
