#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace tessaly {

// The serif faces the design asks for, with the metric-compatible ones Debian ships.
QFont serifFont(int pixelSize);
QFont sansFont(int pixelSize);

// The tiled background picture of the main window (EsTile1), made at run time.
class TiledBackground final : public QWidget {
 public:
  explicit TiledBackground(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap tile_;
};

// The blue-to-black vertical gradient used in low-colour modes (EsGradient1).
class GradientBackground final : public QWidget {
 public:
  explicit GradientBackground(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A title drawn in grey with an extruded shadow below and to the right.
class ExtrudedTitle final : public QWidget {
 public:
  ExtrudedTitle(const QString& text, int pixelSize, QWidget* parent);
  QString text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

// The silver-to-black shadow a button panel casts.
class GradientShadow final : public QWidget {
 public:
  explicit GradientShadow(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A label with a hand cursor that reports a click.
class ClickableLabel final : public QLabel {
  Q_OBJECT
 public:
  ClickableLabel(const QString& text, QWidget* parent);

 Q_SIGNALS:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tessaly
