#include "app/cli/cli_command.h"

#include <cstdio>

#include "platform/host_path.h"

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
  std::fputs(platform::encodePath(message).constData(), stderr);
  std::fputc('\n', stderr);
  return 2;
}

void printOut(const QString& text) { std::fputs(platform::encodePath(text).constData(), stdout); }  // names as their bytes

MessagesToStderr::MessagesToStderr() { setDialogs(this); }
MessagesToStderr::~MessagesToStderr() { setDialogs(nullptr); }

void MessagesToStderr::message(MessageStyle style, const QString& text) {
  fail(text);
  if (style == MessageStyle::Error || style == MessageStyle::Warning) failed_ = true;
}

}  // namespace tessaly::cli
