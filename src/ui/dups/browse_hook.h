#pragma once

#include <QString>

class QWidget;

namespace tessaly {

// What the browse window is opened on from a tool window.
struct BrowseRequest {
  QString folder;   // its current folder
  QString pattern;  // its file pattern
  QString file;     // the file named to it
};

// Opens the browse window modally on the request, with the program's archive folder.
void openBrowseWindow(QWidget* owner, const BrowseRequest& request);

}  // namespace tessaly
