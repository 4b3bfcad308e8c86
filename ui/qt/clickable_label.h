// A one-line label that reports a click (press and release on it) and never takes the focus.
#pragma once

#include <QLabel>

namespace wyc::ui::qt {

class ClickableLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace wyc::ui::qt
