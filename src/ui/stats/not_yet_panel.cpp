#include "ui/stats/not_yet_panel.h"

#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/stats/shadow_label.h"

namespace tessaly {
namespace {

constexpr int kTextPoints = 18;
constexpr int kTile = 24;
const QColor kTileLight(236, 233, 216);
const QColor kTileDark(222, 218, 196);

}  // namespace

NotYetPanel::NotYetPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlNotYet"));
  lblNotYet = new ShadowLabel(QStringLiteral("Statistics haven't been collected yet!"), kTextPoints, this);
  lblNotYet->setObjectName(QStringLiteral("lblNotYet"));
  btAbort = new QPushButton(QStringLiteral("&Abort"), this);
  btAbort->setObjectName(QStringLiteral("btAbort"));
  btAbort->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addStretch();
  layout->addWidget(lblNotYet);
  layout->addWidget(btAbort, 0, Qt::AlignHCenter);
  layout->addStretch();
}

void NotYetPanel::showCollecting(bool collecting) {
  lblNotYet->setText(collecting ? QStringLiteral("Collecting statistics ... standby.  Press Esc or click Abort to stop.")
                                : QStringLiteral("Statistics haven't been collected yet!"));
  btAbort->setVisible(collecting);
}

void NotYetPanel::paintEvent(QPaintEvent*) {
  // A checkered tile in two quiet shades, drawn rather than stored so it is sharp at any scale.
  QPainter painter(this);
  painter.fillRect(rect(), kTileLight);
  for (int y = 0; y < height(); y += kTile) {
    for (int x = (y / kTile) % 2 * kTile; x < width(); x += 2 * kTile) painter.fillRect(x, y, kTile, kTile, kTileDark);
  }
}

}  // namespace tessaly
