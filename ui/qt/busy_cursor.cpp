// The busy cursor, restored by a zero timer: it fires once the current event has been handled.
#include "ui/qt/busy_cursor.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace wyc::ui::qt {

void ShowBusyUntilRepainted(QWidget& window) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // The application, not the window, runs the timer: the cursor comes back even if the window
  // is gone by then.
  QTimer::singleShot(0, qApp, [target = QPointer<QWidget>(&window)] {
    if (target) target->repaint();
    QApplication::restoreOverrideCursor();
  });
}

}  // namespace wyc::ui::qt
