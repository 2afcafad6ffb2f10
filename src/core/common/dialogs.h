#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QFont;

namespace tessaly {

enum class MessageStyle { Error, Warning, Information, Question };

enum class Answer { Ok, Cancel, Yes, No };

enum class AnswerSet { OkCancel, YesNo, YesNoCancel };

// What the print dialog's range choice asked for.
enum class PrintRange { All, Selection, Pages };

struct FileDialogRequest {
  QString caption;
  QString defaultName;       // "save.htm"
  QString defaultExtension;  // ".htm"
  QStringList filters;       // "HTM files (*.htm)", ...
  QString startFolder;
};

// Every message box and every file, folder, font, text or print dialog of the program.
// The program uses the Qt implementation; tests install a scripted one.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal box with one OK button. Error and warning boxes beep first.
  virtual void message(MessageStyle style, const QString& text) = 0;
  // The same box without the beep.
  virtual void quietMessage(MessageStyle style, const QString& text) { message(style, text); }
  // A modal question; the caption is the window's own.
  virtual Answer ask(MessageStyle style, const QString& caption, const QString& text, AnswerSet answers) = 0;
  // Empty when cancelled.
  virtual QString chooseFolder(const QString& caption, const QString& startFolder) = 0;
  virtual QString saveFileName(const FileDialogRequest& request) = 0;
  virtual QString openFileName(const FileDialogRequest& request) = 0;
  // A line of text (a password when hidden is set); false when cancelled.
  virtual bool askText(const QString& caption, const QString& label, bool hidden, QString* text) = 0;
  // The print dialog for this printer; false when cancelled.
  virtual bool setUpPrinter(QPrinter& printer) = 0;
  virtual bool chooseFont(QFont& font) = 0;
  // The print dialog with its "Selection" choice offered as well: nothing when cancelled,
  // otherwise the range the user chose.
  virtual std::optional<PrintRange> setUpPrinterWithSelection(QPrinter& printer) {
    if (!setUpPrinter(printer)) return std::nullopt;
    return PrintRange::All;
  }
  // The printer setup dialog (paper and orientation); false when cancelled.
  virtual bool setUpPage(QPrinter& printer) { return setUpPrinter(printer); }
  // A font dialog that lists fixed-pitch fonts only.
  virtual bool chooseFixedPitchFont(QFont& font) { return chooseFont(font); }
};

// Shows nothing and refuses every question (Cancel or No, empty texts): the dialogs of a run
// without a user, such as the command line.
class RefusingDialogs : public Dialogs {
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

// The dialogs in use. Without an installed one, every box is refused (Cancel, empty text)
// so that code run without a user never blocks.
Dialogs& dialogs();
// The caller keeps ownership; nullptr uninstalls.
void setDialogs(Dialogs* implementation);

void showError(const QString& text);
void showWarning(const QString& text);
void showInfo(const QString& text);

}  // namespace tessaly
