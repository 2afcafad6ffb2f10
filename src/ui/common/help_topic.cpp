#include "ui/common/help_topic.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "platform/xdg_paths.h"
#include "ui/common/help_window.h"

namespace tessaly {
namespace {

constexpr char kHelpTopicProperty[] = "tessalyHelpTopic";

}  // namespace

void setHelpTopic(QWidget* window, const QString& page) {
  window->setProperty(kHelpTopicProperty, page);
  auto* shortcut = new QShortcut(QKeySequence::HelpContents, window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window, [window] { showHelpPage(window, helpTopicOf(window)); });
}

QString helpTopicOf(const QWidget* window) { return window->property(kHelpTopicProperty).toString(); }

void showHelpPage(QWidget* window, const QString& page) {
  TfrmHelp* viewer = window->findChild<TfrmHelp*>(QString(), Qt::FindDirectChildrenOnly);
  if (!viewer) viewer = new TfrmHelp(window);
  viewer->showPage(platform::manualFolder(), page);
}

}  // namespace tessaly
