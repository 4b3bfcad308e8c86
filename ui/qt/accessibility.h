// What a screen reader is told about Form1's window beyond what Qt's widgets tell by themselves.
#pragma once

namespace wyc::ui::qt {

// The window as a frame named by its caption, and a clickable label as a link with a press
// action. Installs once, however often it is called.
void InstallAccessibility();

}  // namespace wyc::ui::qt
