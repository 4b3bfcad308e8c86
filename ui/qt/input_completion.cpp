// Deferred tasks: queued at once for a key, after the last button release for a click.
#include "ui/qt/input_completion.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <utility>

namespace wyc::ui::qt {

InputCompletion::InputCompletion(QObject* parent) : QObject(parent) {}

void InputCompletion::runAfterCurrentInput(std::function<void()> task) {
  if (QGuiApplication::mouseButtons() == Qt::NoButton) {
    queue(std::move(task));
    return;
  }
  if (waiting_.empty()) QCoreApplication::instance()->installEventFilter(this);
  waiting_.push_back(std::move(task));
}

bool InputCompletion::eventFilter(QObject* watched, QEvent* event) {
  // The filter sees the release before its receiver does, and the receiver's click runs inside
  // that delivery; a queued task therefore runs after the click.
  if (event->type() == QEvent::MouseButtonRelease &&
      QGuiApplication::mouseButtons() == Qt::NoButton && !waiting_.empty()) {
    QCoreApplication::instance()->removeEventFilter(this);
    for (auto& task : std::exchange(waiting_, {})) queue(std::move(task));
  }
  return QObject::eventFilter(watched, event);
}

void InputCompletion::queue(std::function<void()> task) {
  // The context object drops the task if the window is gone before it runs.
  QTimer::singleShot(0, this, std::move(task));
}

}  // namespace wyc::ui::qt
