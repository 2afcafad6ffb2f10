#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "core/common/dialogs.h"

namespace tessaly::testkit {

// Records every box and dialog the code under test shows and answers from a script.
// An unscripted question fails the test and gets the refusing answer, so no test blocks.
class ScriptedDialogs final : public Dialogs {
 public:
  struct Shown {
    MessageStyle style;
    QString caption;
    QString text;
    bool quiet = false;  // shown without the beep of its style
  };

  ScriptedDialogs();   // installs itself
  ~ScriptedDialogs() override;  // uninstalls itself

  // Answers for ask(), in order.
  void answer(Answer next) { answers_.push_back(next); }
  // Results for the folder, file and text dialogs, in order; an empty text is "cancelled".
  void chooseText(const QString& next) { texts_.push_back(next); }
  // The answer of the next print or printer setup dialog, and the range the user chose in it.
  void printerAccepted(bool accepted, PrintRange range = PrintRange::All) {
    printerAnswers_.push_back({accepted, range});
  }
  // The font the next font dialog chooses; without one, every font dialog is cancelled.
  void fontChosen(const QFont& font) { fonts_.push_back(font); }
  // The user's next step once a message box with this text is closed (pressing a button that
  // the box's owner left live), run each time such a box is shown.
  void afterMessage(const QString& text, std::function<void()> step) { steps_.insert(text, std::move(step)); }

  const QList<Shown>& shown() const { return shown_; }
  QStringList texts() const;  // every text shown, in order
  // The texts of boxes of one style.
  QStringList texts(MessageStyle style) const;
  void clear() { shown_.clear(); }

  void message(MessageStyle style, const QString& text) override;
  void quietMessage(MessageStyle style, const QString& text) override;
  Answer ask(MessageStyle style, const QString& caption, const QString& text, AnswerSet answers) override;
  QString chooseFolder(const QString& caption, const QString& startFolder) override;
  QString saveFileName(const FileDialogRequest& request) override;
  QString openFileName(const FileDialogRequest& request) override;
  bool askText(const QString& caption, const QString& label, bool hidden, QString* text) override;
  bool setUpPrinter(QPrinter& printer) override;
  bool chooseFont(QFont& font) override;
  // Recorded as "Print" with the text "Selection offered".
  std::optional<PrintRange> setUpPrinterWithSelection(QPrinter& printer) override;
  bool setUpPage(QPrinter& printer) override;
  // Recorded as "Font" with the text "Fixed pitch".
  bool chooseFixedPitchFont(QFont& font) override;

 private:
  struct PrinterAnswer {
    bool accepted;
    PrintRange range;
  };
  std::optional<PrintRange> nextPrinterAnswer(const QString& caption, const QString& text);
  bool nextFont(const QString& text, QFont& font);
  QString nextText(const QString& what);
  void record(Shown shown);
  QList<Shown> shown_;
  std::deque<Answer> answers_;
  std::deque<QString> texts_;
  std::deque<PrinterAnswer> printerAnswers_;
  std::deque<QFont> fonts_;
  QHash<QString, std::function<void()>> steps_;
};

}  // namespace tessaly::testkit
