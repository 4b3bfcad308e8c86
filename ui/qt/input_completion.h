// Defers work until the user action being delivered has been carried out completely.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

namespace wyc::ui::qt {

// A modal box opened while a mouse button is down swallows the release: the button that was
// pressed neither clicks nor pops back up. A task given here waits for the release to be
// delivered (and with it the click) and then runs from the event loop.
class InputCompletion final : public QObject {
  Q_OBJECT

 public:
  explicit InputCompletion(QObject* parent);
  void runAfterCurrentInput(std::function<void()> task);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void queue(std::function<void()> task);

  std::vector<std::function<void()>> waiting_;
};

}  // namespace wyc::ui::qt
