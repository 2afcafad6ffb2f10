#include "ui/stats/chart_toolbar.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIconEngine>
#include <QPainter>
#include <QToolButton>
#include <functional>

#include "ui/stats/stat_chart_view.h"

namespace tessaly {
namespace {

constexpr qreal kZoomStep = 1.25;
constexpr QSize kIconSize(16, 16);

// An icon drawn at the size asked for, so that it is sharp at any scale. The drawing works
// in a 16 by 16 box.
class DrawnIcon final : public QIconEngine {
 public:
  using Drawing = std::function<void(QPainter&)>;
  explicit DrawnIcon(Drawing drawing) : drawing_(std::move(drawing)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / qreal(kIconSize.width()), rect.height() / qreal(kIconSize.height()));
    painter->setPen(QPen(mode == QIcon::Disabled ? Qt::gray : Qt::black, 1.5));
    painter->setBrush(Qt::NoBrush);
    drawing_(*painter);
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(&painter, picture.rect(), mode, state);
    return picture;
  }
  QIconEngine* clone() const override { return new DrawnIcon(drawing_); }

 private:
  Drawing drawing_;
};

QIcon drawnIcon(DrawnIcon::Drawing drawing) { return QIcon(new DrawnIcon(std::move(drawing))); }

// A magnifying glass, with a plus or a minus in its lens.
QIcon magnifier(bool plus) {
  return drawnIcon([plus](QPainter& painter) {
    painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    painter.drawLine(QPointF(9, 9), QPointF(14.5, 14.5));
    painter.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
    if (plus) painter.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
  });
}

// Four corners: the whole chart.
QIcon wholeChart() {
  return drawnIcon([](QPainter& painter) {
    for (const auto& [corner, across, down] : {std::tuple{QPointF(1.5, 1.5), 4.0, 4.0}, {QPointF(14.5, 1.5), -4.0, 4.0},
                                                {QPointF(1.5, 14.5), 4.0, -4.0}, {QPointF(14.5, 14.5), -4.0, -4.0}}) {
      painter.drawLine(corner, corner + QPointF(across, 0));
      painter.drawLine(corner, corner + QPointF(0, down));
    }
    painter.drawRect(QRectF(5.5, 5.5, 5, 5));
  });
}

// Two sheets, one over the other.
QIcon twoSheets() {
  return drawnIcon([](QPainter& painter) {
    painter.drawRect(QRectF(1.5, 1.5, 8, 10));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 4.5, 8, 10));
  });
}

QToolButton* toolButton(const QIcon& icon, const QString& hint, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setIcon(icon);
  button->setIconSize(kIconSize);
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

}  // namespace

ChartToolbar::ChartToolbar(StatChartView* chart, QWidget* parent) : QWidget(parent) {
  zoomIn = toolButton(magnifier(true), QStringLiteral("Enlarge the chart"), this);
  zoomOut = toolButton(magnifier(false), QStringLiteral("Shrink the chart"), this);
  zoomReset = toolButton(wholeChart(), QStringLiteral("Show the whole chart again"), this);
  copyPicture = toolButton(twoSheets(), QStringLiteral("Copy the chart to the clipboard as a picture"), this);
  connect(zoomIn, &QToolButton::clicked, this, [chart] { chart->chart()->zoom(kZoomStep); });
  connect(zoomOut, &QToolButton::clicked, this, [chart] { chart->chart()->zoom(1 / kZoomStep); });
  connect(zoomReset, &QToolButton::clicked, this, [chart] { chart->chart()->zoomReset(); });
  connect(copyPicture, &QToolButton::clicked, this, [chart] { QGuiApplication::clipboard()->setPixmap(chart->grab()); });
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* button : {zoomIn, zoomOut, zoomReset, copyPicture}) layout->addWidget(button);
}

}  // namespace tessaly
