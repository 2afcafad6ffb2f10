#include <QFileInfo>

#include "app/cli/cli_command.h"
#include "core/common/dialogs.h"
#include "core/folderhogs/folder_hogs.h"
#include "core/grid/grid_text.h"

namespace tessaly::cli {
namespace {

// The walk's boxes become lines on stderr; a run that showed one has failed.
class StderrDialogs final : public Dialogs {
 public:
  StderrDialogs() { setDialogs(this); }
  ~StderrDialogs() override { setDialogs(nullptr); }
  bool failed() const { return failed_; }

  void message(MessageStyle, const QString& text) override {
    fail(text);
    failed_ = true;
  }
  Answer ask(MessageStyle, const QString&, const QString&, AnswerSet answers) override {
    return answers == AnswerSet::YesNo ? Answer::No : Answer::Cancel;
  }
  QString chooseFolder(const QString&, const QString&) override { return {}; }
  QString saveFileName(const FileDialogRequest&) override { return {}; }
  QString openFileName(const FileDialogRequest&) override { return {}; }
  bool askText(const QString&, const QString&, bool, QString*) override { return false; }
  bool setUpPrinter(QPrinter&) override { return false; }
  bool chooseFont(QFont&) override { return false; }

 private:
  bool failed_ = false;
};

constexpr auto kUsage = "folder-hogs [--main|--all] [--html FILE] PATH...";

int runFolderHogs(const QStringList& arguments) {
  FolderHogsMode mode = FolderHogsMode::MainFolders;
  QString htmlFile;
  QList<WalkRoot> roots;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QStringLiteral("--main")) {
      mode = FolderHogsMode::MainFolders;
    } else if (argument == QStringLiteral("--all")) {
      mode = FolderHogsMode::AllFolders;
    } else if (argument == QStringLiteral("--html")) {
      if (++i == arguments.size()) return fail(QStringLiteral("--html needs a file name. Usage: tessaly-cli ") + kUsage);
      htmlFile = arguments[i];
    } else if (argument.startsWith(u'-') && argument != QStringLiteral("-")) {
      return fail(QStringLiteral("Unknown option \"%1\". Usage: tessaly-cli %2").arg(argument, QLatin1String(kUsage)));
    } else {
      // An added folder is stored as its full path, so a relative one is made absolute.
      const QString path = QFileInfo(argument).absoluteFilePath();
      roots.append({path, path});
    }
  }
  if (roots.isEmpty()) return fail(QStringLiteral("No folder given. Usage: tessaly-cli ") + kUsage);

  StderrDialogs messages;
  FolderHogsScan scan(mode);
  scan.run(roots);
  if (messages.failed()) return 1;

  const ResultTable table = scan.table();
  if (!htmlFile.isEmpty()) {
    if (!writeWebPage(table, htmlFile)) return fail(QStringLiteral("Cannot write the web page ") + htmlFile);
    return 0;
  }
  const QStringList lines = gridAsTabLines(table);
  printOut(lines.join(u'\n') + u'\n');
  return 0;
}

const bool registered = registerCommand({QStringLiteral("folder-hogs"), QLatin1String(kUsage),
                                         QStringLiteral("The folders that take the most space, largest first, "
                                                        "as tab-separated lines (--main: folders below each PATH "
                                                        "with their whole subtree, the default; --all: every folder)."),
                                         runFolderHogs});

}  // namespace
}  // namespace tessaly::cli
