#pragma once

#include "ui/common/glyph_icon.h"

namespace tessaly {

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
