#include "support/window_texts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

namespace tessaly::testkit {
namespace {

// Enough rows to see what a list says of itself without reading a million of them.
constexpr int kRowsRead = 50;

void addText(QStringList& texts, const QString& text) {
  if (!text.trimmed().isEmpty()) texts.append(text);
}

void addModelTexts(QStringList& texts, const QAbstractItemModel& model) {
  for (int column = 0; column < model.columnCount(); ++column) {
    addText(texts, model.headerData(column, Qt::Horizontal).toString());
  }
  for (int row = 0; row < qMin(model.rowCount(), kRowsRead); ++row) {
    for (int column = 0; column < model.columnCount(); ++column) {
      const QModelIndex index = model.index(row, column);
      addText(texts, model.data(index, Qt::DisplayRole).toString());
      addText(texts, model.data(index, Qt::ToolTipRole).toString());
    }
  }
}

void addWidgetTexts(QStringList& texts, const QWidget& widget) {
  addText(texts, widget.windowTitle());
  addText(texts, widget.toolTip());
  addText(texts, widget.statusTip());
  addText(texts, widget.whatsThis());
  addText(texts, widget.accessibleName());
  for (const QAction* action : widget.actions()) {
    addText(texts, action->text());
    addText(texts, action->toolTip());
  }
  if (auto* label = qobject_cast<const QLabel*>(&widget)) addText(texts, label->text());
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) addText(texts, button->text());
  if (auto* group = qobject_cast<const QGroupBox*>(&widget)) addText(texts, group->title());
  if (auto* line = qobject_cast<const QLineEdit*>(&widget)) {
    addText(texts, line->text());
    addText(texts, line->placeholderText());
  }
  if (auto* document = qobject_cast<const QTextEdit*>(&widget)) addText(texts, document->toPlainText());
  if (auto* bar = qobject_cast<const QProgressBar*>(&widget)) addText(texts, bar->text());
  if (auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
    for (int i = 0; i < tabs->count(); ++i) {
      addText(texts, tabs->tabText(i));
      addText(texts, tabs->tabToolTip(i));
    }
  }
  if (auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    for (int i = 0; i < qMin(combo->count(), kRowsRead); ++i) addText(texts, combo->itemText(i));
  } else if (auto* view = qobject_cast<const QAbstractItemView*>(&widget); view && view->model()) {
    addModelTexts(texts, *view->model());
  }
}

}  // namespace

QStringList windowTexts(const QWidget& window) {
  QStringList texts;
  addWidgetTexts(texts, window);
  for (const QWidget* child : window.findChildren<QWidget*>()) addWidgetTexts(texts, *child);
  texts.removeDuplicates();
  return texts;
}

QString hostWordProblem(const QString& text) {
  struct Rule {
    QRegularExpression pattern;
    const char* problem;
  };
  static const Rule rules[] = {
      {QRegularExpression(QStringLiteral("registry"), QRegularExpression::CaseInsensitiveOption),
       "names the registry"},
      {QRegularExpression(QStringLiteral("\\bWindows\\b|\\bwindows (system|search|folder|director)")),
       "names Windows"},
      {QRegularExpression(QStringLiteral("\\bWin(95|98|NT|32)\\b|\\b(MS-)?DOS\\b")), "names Windows or DOS"},
      {QRegularExpression(QStringLiteral("recycle"), QRegularExpression::CaseInsensitiveOption),
       "names the recycle bin"},
      {QRegularExpression(QStringLiteral("\\b[A-Za-z]:[\\\\/]|\\b[A-Z]:(\\s|$)|drive letter")),
       "names a drive letter"},
      {QRegularExpression(QStringLiteral("\\r")), "breaks a line with a carriage return"},
  };
  for (const Rule& rule : rules) {
    if (rule.pattern.match(text).hasMatch()) return QString::fromLatin1(rule.problem);
  }
  return {};
}

}  // namespace tessaly::testkit
