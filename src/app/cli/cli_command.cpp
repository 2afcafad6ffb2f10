#include "app/cli/cli_command.h"

#include <cstdio>

namespace tessaly::cli {
namespace {

std::vector<CliCommand>& registry() {
  static std::vector<CliCommand> all;
  return all;
}

}  // namespace

bool registerCommand(CliCommand command) {
  registry().push_back(std::move(command));
  return true;
}

const std::vector<CliCommand>& commands() { return registry(); }

int fail(const QString& message) {
  std::fputs(message.toUtf8().constData(), stderr);
  std::fputc('\n', stderr);
  return 2;
}

void printOut(const QString& text) { std::fputs(text.toUtf8().constData(), stdout); }

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
