#pragma once

#include "core/common/dialogs.h"

class QWidget;

namespace tessaly {

// The dialogs as the user sees them: Qt's message boxes and file, folder, font and print
// dialogs, parented to the active window.
class QtDialogs final : public Dialogs {
 public:
  void message(MessageStyle style, const QString& text) override;
  void quietMessage(MessageStyle style, const QString& text) override;
  Answer ask(MessageStyle style, const QString& caption, const QString& text, AnswerSet answers) override;
  QString chooseFolder(const QString& caption, const QString& startFolder) override;
  QString saveFileName(const FileDialogRequest& request) override;
  QString openFileName(const FileDialogRequest& request) override;
  bool askText(const QString& caption, const QString& label, bool hidden, QString* text) override;
  bool setUpPrinter(QPrinter& printer) override;
  bool chooseFont(QFont& font) override;
  std::optional<PrintRange> setUpPrinterWithSelection(QPrinter& printer) override;
  bool setUpPage(QPrinter& printer) override;
  bool chooseFixedPitchFont(QFont& font) override;
};

}  // namespace tessaly
