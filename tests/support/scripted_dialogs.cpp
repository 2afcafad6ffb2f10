#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace tessaly::testkit {

ScriptedDialogs::ScriptedDialogs() { setDialogs(this); }
ScriptedDialogs::~ScriptedDialogs() { setDialogs(nullptr); }

QStringList ScriptedDialogs::texts() const {
  QStringList all;
  for (const Shown& s : shown_) all.append(s.text);
  return all;
}

QStringList ScriptedDialogs::texts(MessageStyle style) const {
  QStringList all;
  for (const Shown& s : shown_) {
    if (s.style == style) all.append(s.text);
  }
  return all;
}

void ScriptedDialogs::record(Shown shown) {
  const QString text = shown.text;
  shown_.append(std::move(shown));
  if (const auto step = steps_.constFind(text); step != steps_.cend()) (*step)();
}

void ScriptedDialogs::message(MessageStyle style, const QString& text) { record({style, QString(), text}); }
void ScriptedDialogs::quietMessage(MessageStyle style, const QString& text) { record({style, QString(), text, true}); }

Answer ScriptedDialogs::ask(MessageStyle style, const QString& caption, const QString& text, AnswerSet answers) {
  shown_.append({style, caption, text});
  if (answers_.empty()) {
    ADD_FAILURE() << "unscripted question: " << text.toStdString();
    return answers == AnswerSet::YesNo ? Answer::No : Answer::Cancel;
  }
  const Answer next = answers_.front();
  answers_.pop_front();
  return next;
}

QString ScriptedDialogs::nextText(const QString& what) {
  shown_.append({MessageStyle::Question, what, QString()});
  if (texts_.empty()) {
    ADD_FAILURE() << "unscripted dialog: " << what.toStdString();
    return {};
  }
  const QString next = texts_.front();
  texts_.pop_front();
  return next;
}

QString ScriptedDialogs::chooseFolder(const QString& caption, const QString&) { return nextText(caption); }
QString ScriptedDialogs::saveFileName(const FileDialogRequest& request) { return nextText(request.caption); }
QString ScriptedDialogs::openFileName(const FileDialogRequest& request) { return nextText(request.caption); }

bool ScriptedDialogs::askText(const QString& caption, const QString&, bool, QString* text) {
  *text = nextText(caption);
  return !text->isEmpty();
}

std::optional<PrintRange> ScriptedDialogs::nextPrinterAnswer(const QString& caption, const QString& text) {
  shown_.append({MessageStyle::Question, caption, text});
  if (printerAnswers_.empty()) {
    ADD_FAILURE() << "unscripted print dialog";
    return std::nullopt;
  }
  const PrinterAnswer answer = printerAnswers_.front();
  printerAnswers_.pop_front();
  if (!answer.accepted) return std::nullopt;
  return answer.range;
}

bool ScriptedDialogs::setUpPrinter(QPrinter&) {
  return nextPrinterAnswer(QStringLiteral("Print"), QString()).has_value();
}

std::optional<PrintRange> ScriptedDialogs::setUpPrinterWithSelection(QPrinter&) {
  return nextPrinterAnswer(QStringLiteral("Print"), QStringLiteral("Selection offered"));
}

bool ScriptedDialogs::setUpPage(QPrinter&) {
  return nextPrinterAnswer(QStringLiteral("Page setup"), QString()).has_value();
}

bool ScriptedDialogs::nextFont(const QString& text, QFont& font) {
  shown_.append({MessageStyle::Question, QStringLiteral("Font"), text});
  if (fonts_.empty()) return false;
  font = fonts_.front();
  fonts_.pop_front();
  return true;
}

bool ScriptedDialogs::chooseFont(QFont& font) { return nextFont(QString(), font); }

bool ScriptedDialogs::chooseFixedPitchFont(QFont& font) { return nextFont(QStringLiteral("Fixed pitch"), font); }

}  // namespace tessaly::testkit
