#include "ui/stats/shadow_label.h"

#include <QPainter>

namespace tessaly {
namespace {

constexpr int kShadowOffset = 2;
const QColor kShadowColour(128, 128, 128);

}  // namespace

ShadowLabel::ShadowLabel(const QString& text, int pointSize, QWidget* parent) : QWidget(parent), text_(text) {
  QFont large = font();
  large.setPointSize(pointSize);
  large.setBold(true);
  setFont(large);
  setAttribute(Qt::WA_TranslucentBackground);
}

void ShadowLabel::setText(const QString& text) {
  text_ = text;
  updateGeometry();
  update();
}

QSize ShadowLabel::sizeHint() const {
  const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, qMax(width(), 1), 0), Qt::TextWordWrap, text_);
  return bounds.size() + QSize(kShadowOffset, kShadowOffset);
}

void ShadowLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect().adjusted(0, 0, -kShadowOffset, -kShadowOffset);
  const int flags = Qt::AlignCenter | Qt::TextWordWrap;
  painter.setPen(kShadowColour);
  painter.drawText(area.translated(kShadowOffset, kShadowOffset), flags, text_);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(area, flags, text_);
}

}  // namespace tessaly
