// What Form1 asks of a platform, one small interface per concern. A backend implements those
// that apply to it and only translates; every decision is Form1's. No toolkit header here.
// What a browser can only answer later (a message box closed, a copy done) comes back through a
// callback, which a desktop backend calls before it returns.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/form1_layout.h"

namespace wyc::ui {

// Where the focus went when the text box lost it. The backend reports what happened; Form1
// decides what it means.
enum class FocusDestination {
  OtherControl,   // another control of this window
  OutsideWindow,  // another application or window, a popup such as a context menu, closing
};

// The window's own controls.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  // Text1's article text, with CR LF between lines.
  [[nodiscard]] virtual std::u16string text() const = 0;
  // Replaces Text1's whole text with `text` (CR LF line breaks) as one undoable step.
  virtual void replaceText(std::u16string_view text) = 0;
  // Gives `control` the keyboard focus. A label takes none: for one, nothing happens.
  virtual void focus(ControlName control) = 0;
  // A modal box with `text`, an OK button only and no icon; `closed` runs once the user has
  // closed it.
  virtual void showMessage(std::u16string_view text, std::u16string_view title,
                           std::function<void()> closed) = 0;
  // Runs `task` once the user action being delivered now (a click with its button release, a
  // key) has been carried out; a modal box opened then no longer swallows half of it.
  virtual void runAfterCurrentInput(std::function<void()> task) = 0;
  // Runs `work` with the busy cursor over the window, shown until the window has been repainted
  // after it. Where the cursor would not change while `work` blocks the toolkit, the backend
  // lets it show first and runs `work` once it has returned.
  virtual void runBusy(std::function<void()> work) = 0;
};

// The shared clipboard. Text arrives with CR LF and the backend hands it on in the platform's
// convention.
class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  // Empties it, all formats; false when that failed.
  virtual bool clear() = 0;
  // Puts `text` on it as plain text and tells `done` whether that worked.
  virtual void setText(std::u16string_view text, std::function<void(bool copied)> done) = 0;
};

// Opens an address in the web browser without waiting; false when nothing could be started.
class AddressLauncher {
 public:
  virtual ~AddressLauncher() = default;
  virtual bool open(std::u16string_view address) = 0;
};

// The skin engine, where the platform has one.
class SkinPort {
 public:
  virtual ~SkinPort() = default;
  // The directory of the running executable, without a trailing separator (except a root).
  [[nodiscard]] virtual std::u16string applicationDirectory() const = 0;
  // Hands the engine the skin file's path and its options; silently nothing without an engine.
  virtual void attach(std::u16string_view skinPath, std::u16string_view options) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since local midnight, with their fraction.
  [[nodiscard]] virtual float secondsSinceMidnight() const = 0;
};

}  // namespace wyc::ui
