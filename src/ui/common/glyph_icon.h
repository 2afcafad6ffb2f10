#pragma once

#include <QColor>
#include <QIcon>
#include <QRectF>

class QPainter;

namespace tessaly {

// Draws one glyph in a 16 x 16 space; the icon scales it to any size and pixel ratio.
using GlyphPainter = void (*)(QPainter& painter);

QIcon glyphIcon(GlyphPainter painter);

// Shapes the glyphs are made of, in the 16 x 16 space.
void drawPage(QPainter& painter, const QRectF& rect, const QColor& lines);
void drawFolder(QPainter& painter, const QRectF& rect);

inline const QColor kGlyphOutline(40, 40, 40);

}  // namespace tessaly
