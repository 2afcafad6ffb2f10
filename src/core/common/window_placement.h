#pragma once

#include <QString>

namespace tessaly {

// The ten fields of a stored window placement, in stored order.
struct WindowPlacement {
  int flags = 0;
  int showCommand = 1;  // 1 normal, 2 minimised, 3 maximised
  int minX = 0, minY = 0;
  int maxX = 0, maxY = 0;
  int left = 0, top = 0, right = 0, bottom = 0;

  // A damaged or empty value leaves the window where it is.
  bool applicable() const { return left < right; }
};

// Where a window keeps its placement: hive key, section and value name.
struct PlacementKey {
  QString iniFileName;  // key below the hive root, e.g. "tessaly.ini"
  QString section;      // e.g. "frmDups"; the program file's name when not set
  QString identifier;   // e.g. "frmMods"
};

// Fields that do not parse read as 0, a show command that does not parse as 1.
WindowPlacement parsePlacement(const QString& text);
// Each field followed by one blank.
QString formatPlacement(const WindowPlacement& placement);

WindowPlacement readPlacement(const PlacementKey& key);
void writePlacement(const PlacementKey& key, const WindowPlacement& placement);

// The section used when a window does not name one.
QString programFileName();

}  // namespace tessaly
