// Closes every message box and popup menu that opens while it lives, noting what each showed,
// so a test can drive the window through modal loops without a person to press OK.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

namespace wyc::ui::qt {

struct SeenBox {
  QString title;
  QString text;
  int icon = 0;     // QMessageBox::Icon
  int buttons = 0;  // QMessageBox::StandardButtons
  QString state;    // what the test's probe said while the box was open
};

class ModalWatcher final : public QObject {
  Q_OBJECT

 public:
  // `probe` runs while each box is open, before it is closed.
  explicit ModalWatcher(std::function<QString()> probe = {});

  std::vector<SeenBox> boxes;
  int popupsClosed = 0;

 private:
  void closeWhatIsOpen();

  QTimer timer_;
  std::function<QString()> probe_;
};

}  // namespace wyc::ui::qt
