#include "support/keyboard_checks.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace tessaly::testkit {
namespace {

// Buttons that Enter and Escape already press need no letter of their own.
const QStringList kKeyButtons = {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Close")};

bool isControl(const QWidget* widget) {
  if (qobject_cast<const QScrollBar*>(widget)) return false;
  return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
         qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
         qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
         qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSlider*>(widget) ||
         qobject_cast<const QTabBar*>(widget);
}

// The parts of a control (a combo box's line edit, a spin box's buttons) are not controls of
// their own.
bool isPartOfAnotherControl(const QWidget* widget, const QWidget* window) {
  for (const QWidget* parent = widget->parentWidget(); parent && parent != window; parent = parent->parentWidget())
    if (isControl(parent)) return true;
  return false;
}

// Tab stops at one button of a group of radio buttons and the arrow keys move among them, so
// the group is reached when one of its buttons is.
bool reachedAsRadioGroup(const QWidget* control, const QSet<QWidget*>& reached) {
  const auto* radio = qobject_cast<const QRadioButton*>(control);
  if (!radio || !radio->autoExclusive()) return false;
  for (QWidget* other : reached) {
    const auto* sibling = qobject_cast<const QRadioButton*>(other);
    if (sibling && sibling->autoExclusive() && sibling->parentWidget() == radio->parentWidget()) return true;
  }
  return false;
}

QString describe(const QWidget* widget) {
  QString text;
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) text = button->text();
  return QStringLiteral("%1 %2 \"%3\"").arg(QLatin1String(widget->metaObject()->className()), widget->objectName(), text);
}

QList<QWidget*> shownControls(QWidget* window) {
  QList<QWidget*> controls;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->window() != window || !widget->isVisibleTo(window) || !widget->isEnabled()) continue;
    if (isControl(widget) && !isPartOfAnotherControl(widget, window)) controls.append(widget);
  }
  return controls;
}

// The letter after a single '&', upper-cased; a null character without one.
QChar mnemonicOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return caption[i + 1].toUpper();
  }
  return {};
}

// Captions whose letter moves the focus in this window: buttons, labels with a buddy, group
// boxes and tabs.
QList<QPair<QString, QWidget*>> captions(QWidget* window) {
  QList<QPair<QString, QWidget*>> found;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->window() != window || !widget->isVisibleTo(window)) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !isPartOfAnotherControl(widget, window)) {
      found.append({button->text(), widget});
    } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy()) {
      found.append({label->text(), widget});
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      found.append({group->title(), widget});
    } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i) found.append({tabs->tabText(i), widget});
    }
  }
  if (auto* bar = window->findChild<QMenuBar*>())
    for (QAction* action : bar->actions()) found.append({action->text(), bar});
  return found;
}

void addMenuTexts(const QList<QAction*>& actions, QStringList& texts) {
  for (QAction* action : actions) {
    texts << action->text() << action->toolTip() << action->statusTip();
    if (action->menu()) addMenuTexts(action->menu()->actions(), texts);
  }
}

void addModelTexts(const QAbstractItemModel* model, QStringList& texts) {
  if (!model) return;
  for (int column = 0; column < model->columnCount(); ++column)
    texts << model->headerData(column, Qt::Horizontal).toString();
  for (int row = 0; row < model->rowCount(); ++row)
    for (int column = 0; column < model->columnCount(); ++column)
      texts << model->data(model->index(row, column)).toString();
}

}  // namespace

KeyboardReport keyboardReport(QWidget* window) {
  KeyboardReport report;
  const QList<QWidget*> controls = shownControls(window);

  // Tab around twice as many times as there are controls: enough to meet each one once.
  window->activateWindow();
  QApplication::setActiveWindow(window);
  QSet<QWidget*> reached;
  if (QWidget* first = controls.isEmpty() ? nullptr : controls.first()) first->setFocus(Qt::TabFocusReason);
  for (qsizetype i = 0; i < 2 * controls.size() + 2; ++i) {
    QWidget* focused = QApplication::focusWidget();
    if (!focused) break;
    reached.insert(focused);
    for (QWidget* parent = focused->parentWidget(); parent && parent != window; parent = parent->parentWidget())
      reached.insert(parent);
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  for (QWidget* control : controls)
    if (!reached.contains(control) && !reachedAsRadioGroup(control, reached)) report.unreachable.append(describe(control));

  QMap<QChar, QStringList> byLetter;
  for (const auto& [caption, widget] : captions(window)) {
    const QChar letter = mnemonicOf(caption);
    if (!letter.isNull()) {
      byLetter[letter].append(caption);
    } else if (qobject_cast<QAbstractButton*>(widget) && !caption.isEmpty() && !kKeyButtons.contains(caption)) {
      report.withoutMnemonic.append(describe(widget));
    }
  }
  for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it)
    if (it.value().size() > 1) report.clashingMnemonics.append(u'&' + QString(it.key()) + QStringLiteral(": ") + it.value().join(QStringLiteral(", ")));
  return report;
}

void expectKeyboardComplete(QWidget* window) {
  const KeyboardReport report = keyboardReport(window);
  EXPECT_TRUE(report.unreachable.isEmpty()) << "Tab never reaches: " << report.unreachable.join(u"; ").toStdString();
  EXPECT_TRUE(report.clashingMnemonics.isEmpty()) << "Letters used twice: " << report.clashingMnemonics.join(u"; ").toStdString();
  EXPECT_TRUE(report.withoutMnemonic.isEmpty()) << "No letter: " << report.withoutMnemonic.join(u"; ").toStdString();
}

void expectEscapeCloses(QDialog* dialog) {
  ASSERT_TRUE(dialog->isVisible());
  QWidget* target = QApplication::focusWidget() && QApplication::focusWidget()->window() == dialog
                        ? QApplication::focusWidget()
                        : dialog;
  QTest::keyClick(target, Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible()) << "Escape left " << dialog->windowTitle().toStdString() << " open";
}

QStringList windowTexts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    texts << widget->toolTip() << widget->statusTip() << widget->whatsThis();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) texts << group->title();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) texts << edit->text() << edit->placeholderText();
    if (auto* tabs = qobject_cast<QTabWidget*>(widget))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i) << tabs->tabToolTip(i);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) addModelTexts(view->model(), texts);
    addMenuTexts(widget->actions(), texts);
  }
  texts.removeAll(QString());
  return texts;
}

QStringList windowsOnlyWords(const QStringList& texts) {
  static const QRegularExpression windowsWords(
      QStringLiteral(R"(\bregistry\b|\bWindows\b|\bWin(95|98|NT|32|dows 9\d)\b|\b(MS-)?DOS\b|recycle bin|)"
                     R"(\b[A-Z]:[\\/]|\\\\|drive letter)"),
      QRegularExpression::CaseInsensitiveOption);
  QStringList found;
  for (const QString& text : texts)
    if (windowsWords.match(text).hasMatch()) found.append(text);
  return found;
}

}  // namespace tessaly::testkit
