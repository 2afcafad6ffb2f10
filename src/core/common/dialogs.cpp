#include "core/common/dialogs.h"

namespace tessaly {
namespace {

// Used by command-line runs: every question gets the safe answer.
class NoUserDialogs final : public Dialogs {
 public:
  void message(MessageStyle, const QString&) override {}
  Answer ask(MessageStyle, const QString&, const QString&, AnswerSet answers) override {
    return answers == AnswerSet::YesNo ? Answer::No : Answer::Cancel;
  }
  QString chooseFolder(const QString&, const QString&) override { return {}; }
  QString saveFileName(const FileDialogRequest&) override { return {}; }
  QString openFileName(const FileDialogRequest&) override { return {}; }
  bool askText(const QString&, const QString&, bool, QString*) override { return false; }
  bool setUpPrinter(QPrinter&) override { return false; }
  bool chooseFont(QFont&) override { return false; }
};

Dialogs* installed = nullptr;

}  // namespace

Dialogs& dialogs() {
  static NoUserDialogs noUser;
  return installed ? *installed : noUser;
}

void setDialogs(Dialogs* implementation) { installed = implementation; }

void showError(const QString& text) { dialogs().message(MessageStyle::Error, text); }
void showWarning(const QString& text) { dialogs().message(MessageStyle::Warning, text); }
void showInfo(const QString& text) { dialogs().message(MessageStyle::Information, text); }

}  // namespace tessaly
