#include "ui/common/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tessaly {
namespace {

QWidget* owner() { return QApplication::activeWindow(); }

QMessageBox::Icon iconOf(MessageStyle style) {
  switch (style) {
    case MessageStyle::Error: return QMessageBox::Critical;
    case MessageStyle::Warning: return QMessageBox::Warning;
    case MessageStyle::Information: return QMessageBox::Information;
    case MessageStyle::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString captionOf(MessageStyle style) {
  switch (style) {
    case MessageStyle::Error: return QStringLiteral("Error");
    case MessageStyle::Warning: return QStringLiteral("Warning");
    case MessageStyle::Information: return QStringLiteral("Information");
    case MessageStyle::Question: return QStringLiteral("Confirm");
  }
  return {};
}

}  // namespace

void QtDialogs::message(MessageStyle style, const QString& text) {
  if (style == MessageStyle::Error || style == MessageStyle::Warning) QApplication::beep();
  quietMessage(style, text);
}

void QtDialogs::quietMessage(MessageStyle style, const QString& text) {
  QMessageBox box(iconOf(style), captionOf(style), text, QMessageBox::Ok, owner());
  box.exec();
}

Answer QtDialogs::ask(MessageStyle style, const QString& caption, const QString& text, AnswerSet answers) {
  QMessageBox::StandardButtons buttons;
  switch (answers) {
    case AnswerSet::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case AnswerSet::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case AnswerSet::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
  }
  QMessageBox box(iconOf(style), caption.isEmpty() ? captionOf(style) : caption, text, buttons, owner());
  switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

QString QtDialogs::chooseFolder(const QString& caption, const QString& startFolder) {
  return QFileDialog::getExistingDirectory(owner(), caption, startFolder);
}

QString QtDialogs::saveFileName(const FileDialogRequest& request) {
  QFileDialog dialog(owner(), request.caption, request.startFolder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(request.filters);
  dialog.setDefaultSuffix(request.defaultExtension.startsWith(u'.') ? request.defaultExtension.mid(1)
                                                                    : request.defaultExtension);
  dialog.selectFile(request.defaultName);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtDialogs::openFileName(const FileDialogRequest& request) {
  return QFileDialog::getOpenFileName(owner(), request.caption, request.startFolder, request.filters.join(QStringLiteral(";;")));
}

bool QtDialogs::askText(const QString& caption, const QString& label, bool hidden, QString* text) {
  bool ok = false;
  const QString value = QInputDialog::getText(owner(), caption, label, hidden ? QLineEdit::Password : QLineEdit::Normal,
                                              *text, &ok);
  if (ok) *text = value;
  return ok;
}

bool QtDialogs::setUpPrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, owner());
  return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::chooseFont(QFont& font) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, font, owner());
  if (ok) font = chosen;
  return ok;
}

std::optional<PrintRange> QtDialogs::setUpPrinterWithSelection(QPrinter& printer) {
  QPrintDialog dialog(&printer, owner());
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  switch (printer.printRange()) {
    case QPrinter::Selection: return PrintRange::Selection;
    case QPrinter::AllPages: return PrintRange::All;
    default: return PrintRange::Pages;
  }
}

bool QtDialogs::setUpPage(QPrinter& printer) {
  QPageSetupDialog dialog(&printer, owner());
  return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::chooseFixedPitchFont(QFont& font) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, font, owner(), QString(), QFontDialog::MonospacedFonts);
  if (ok) font = chosen;
  return ok;
}

}  // namespace tessaly
