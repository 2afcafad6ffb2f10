#pragma once

#include <QIcon>

class QPainter;

namespace tessaly {

// Draws one button glyph in a 16 x 16 space; the icon scales it to any size and pixel ratio.
using GlyphPainter = void (*)(QPainter& painter);

QIcon glyphIcon(GlyphPainter painter);

namespace glyphs {
void duplicateFiles(QPainter& p);
void fileHogs(QPainter& p);
void filesAccessed(QPainter& p);
void folderHogs(QPainter& p);
void quickClean(QPainter& p);
void statistics(QPainter& p);
void browse(QPainter& p);
void clearInternetFiles(QPainter& p);
void unzipArchive(QPainter& p);
void buildSafeHarbor(QPainter& p);
}  // namespace glyphs

}  // namespace tessaly
