#include "core/common/window_placement.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/common/settings_store.h"

namespace tessaly {

WindowPlacement parsePlacement(const QString& text) {
  WindowPlacement p;
  int* fields[] = {&p.flags, &p.showCommand, &p.minX, &p.minY,  &p.maxX,
                   &p.maxY,  &p.left,        &p.top,  &p.right, &p.bottom};
  QString rest = text.left(255);
  for (int i = 0; i < 10; ++i) {
    const qsizetype blank = rest.indexOf(u' ');
    const QString field = blank < 0 ? rest : rest.left(blank);
    rest = blank < 0 ? QString() : rest.mid(blank + 1);
    bool ok = false;
    const int value = field.toInt(&ok);
    *fields[i] = ok ? value : (i == 1 ? 1 : 0);
  }
  return p;
}

QString formatPlacement(const WindowPlacement& p) {
  QString text;
  for (int value : {p.flags, p.showCommand, p.minX, p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom})
    text += QString::number(value) + u' ';
  return text;
}

WindowPlacement readPlacement(const PlacementKey& key) {
  return parsePlacement(IniView(key.iniFileName).readString(key.section, key.identifier, QString()));
}

void writePlacement(const PlacementKey& key, const WindowPlacement& placement) {
  IniView(key.iniFileName).writeString(key.section, key.identifier, formatPlacement(placement));
}

QString programFileName() {
  const QString path = QCoreApplication::applicationFilePath();
  return path.isEmpty() ? QStringLiteral("tessaly") : QFileInfo(path).fileName();
}

}  // namespace tessaly
