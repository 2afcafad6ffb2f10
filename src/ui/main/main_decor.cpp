#include "ui/main/main_decor.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

namespace tessaly {
namespace {

constexpr int kTileSize = 64;

// A speckled stone texture that tiles without seams: the blotches wrap around the edges.
QPixmap makeTile(qreal pixelRatio) {
  const int side = qRound(kTileSize * pixelRatio);
  QImage image(side, side, QImage::Format_RGB32);
  QRandomGenerator random(1999);
  const QColor base(196, 204, 218);
  for (int y = 0; y < side; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < side; ++x) {
      const int grain = int(random.bounded(15)) - 7;
      line[x] = qRgb(base.red() + grain, base.green() + grain, base.blue() + grain);
    }
  }
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  for (int blotch = 0; blotch < 14; ++blotch) {
    const QPointF centre(random.bounded(double(side)), random.bounded(double(side)));
    const qreal radius = (3 + random.bounded(9.0)) * pixelRatio;
    const bool darker = random.bounded(2) == 0;
    const QColor colour = darker ? QColor(120, 132, 160, 40) : QColor(255, 255, 255, 55);
    painter.setBrush(colour);
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        painter.drawEllipse(centre + QPointF(dx * side, dy * side), radius, radius * 0.7);
  }
  painter.end();
  QPixmap tile = QPixmap::fromImage(image);
  tile.setDevicePixelRatio(pixelRatio);
  return tile;
}

// The design's family first, then the metric-compatible and the common ones of this host.
// The weight is set outright, or a child takes the bold of the form it sits on.
QFont designFont(const QStringList& families, QFont::StyleHint hint, int pixelSize) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(hint);
  font.setPixelSize(pixelSize);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

QFont serifFont(int pixelSize) {
  return designFont({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
                    QFont::Serif, pixelSize);
}

QFont sansFont(int pixelSize) {
  return designFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                    QFont::SansSerif, pixelSize);
}

TiledBackground::TiledBackground(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("EsTile1"));
}

void TiledBackground::paintEvent(QPaintEvent*) {
  // Made again only when the window moves to a screen of another pixel ratio.
  if (tile_.isNull() || !qFuzzyCompare(tile_.devicePixelRatio(), devicePixelRatioF()))
    tile_ = makeTile(devicePixelRatioF());
  QPainter painter(this);
  painter.drawTiledPixmap(rect(), tile_);
}

GradientBackground::GradientBackground(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("EsGradient1"));
}

void GradientBackground::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, QColor(0, 0, 255));
  gradient.setColorAt(1, Qt::black);
  painter.fillRect(rect(), gradient);
}

ExtrudedTitle::ExtrudedTitle(const QString& text, int pixelSize, QWidget* parent)
    : QWidget(parent), text_(text) {
  setFont(serifFont(pixelSize));
}

void ExtrudedTitle::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const int depth = 3;
  const QRect face = rect().adjusted(0, 0, -depth, -depth);
  painter.setPen(QColor(48, 48, 48));
  for (int step = depth; step >= 1; --step)
    painter.drawText(face.translated(step, step), Qt::AlignCenter, text_);
  painter.setPen(QColor(150, 150, 150));
  painter.drawText(face, Qt::AlignCenter, text_);
}

GradientShadow::GradientShadow(QWidget* parent) : QWidget(parent) {}

void GradientShadow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, width(), height());
  gradient.setColorAt(0, QColor(192, 192, 192));
  gradient.setColorAt(1, Qt::black);
  painter.fillRect(rect(), gradient);
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace tessaly
