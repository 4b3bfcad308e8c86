// The busy cursor for work that freezes the window: a long run or a large paste.
#pragma once

class QWidget;

namespace wyc::ui::qt {

// Shows the busy cursor from now until `window` has been repainted after the current event,
// which is where Qt lays out a large text.
void ShowBusyUntilRepainted(QWidget& window);

}  // namespace wyc::ui::qt
