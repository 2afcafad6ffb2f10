#include "ui/inspect/icon_file.h"

#include <QPainter>

#include "platform/file_type_icons.h"
#include "platform/directory_reader.h"
#include "ui/common/glyph_icon.h"

namespace tessaly {
namespace {

void directoryGlyph(QPainter& p) { drawFolder(p, QRectF(0.5, 2.5, 15, 12)); }

// A blank page with a grey question mark: a file the desktop has no picture for.
void noIconGlyph(QPainter& p) {
  drawPage(p, QRectF(2.5, 0.5, 11, 15), Qt::transparent);
  QFont font = p.font();
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(140, 140, 140));
  p.drawText(QRectF(2.5, 4, 11, 11), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QIcon directoryIcon() { return glyphIcon(directoryGlyph); }
QIcon noIcon() { return glyphIcon(noIconGlyph); }

QIcon iconfile(const QString& path) {
  platform::EntryStatus status;
  if (platform::pathStatus(path, &status) && status.kind == platform::EntryStatus::Folder) return directoryIcon();
  for (const QString& name : platform::fileTypeIconNames(path)) {
    if (QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
  }
  return noIcon();
}

}  // namespace tessaly
