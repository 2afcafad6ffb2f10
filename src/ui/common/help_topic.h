#pragma once

#include <QString>

class QWidget;

namespace tessaly {

// The manual's first page, which the main window's "H&elp" opens.
inline const QString kContentsPage = QStringLiteral("index.html");

// F1 anywhere in the window opens this page of the manual ("duplicates.html").
void setHelpTopic(QWidget* window, const QString& page);
// The page F1 opens in the window; empty when it has none.
QString helpTopicOf(const QWidget* window);

// Opens the help viewer of the window at the page. The viewer belongs to the window, so it
// takes input while that window is modal and goes when the window goes.
void showHelpPage(QWidget* window, const QString& page);

}  // namespace tessaly
