#pragma once

#include <QWidget>

namespace tessaly {

// A large heading drawn with a grey shadow below and to the right, painted at paint time
// so it stays sharp at any scale.
class ShadowLabel final : public QWidget {
 public:
  ShadowLabel(const QString& text, int pointSize, QWidget* parent);

  QString text() const { return text_; }
  void setText(const QString& text);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace tessaly
