// Polls for modal boxes and popups from the event loop that the box itself runs.
#include "modal_watcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace wyc::ui::qt {

ModalWatcher::ModalWatcher(std::function<QString()> probe) : probe_(std::move(probe)) {
  connect(&timer_, &QTimer::timeout, this, &ModalWatcher::closeWhatIsOpen);
  timer_.start(5);
}

void ModalWatcher::closeWhatIsOpen() {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    ++popupsClosed;
    popup->close();
    return;
  }
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  boxes.push_back({box->windowTitle(), box->text(), static_cast<int>(box->icon()),
                   static_cast<int>(box->standardButtons()), probe_ ? probe_() : QString()});
  box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click() : box->reject();
}

}  // namespace wyc::ui::qt
