// What the window logic asks of a toolkit. A backend implements these two ports and only
// translates; every decision is Form1's. No toolkit header may appear here.
#pragma once

#include <functional>
#include <string>
#include <string_view>

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
  virtual void focusText() = 0;
  // A modal box with `text`, an OK button only and no icon; returns once it is closed.
  virtual void showMessage(std::u16string_view text, std::u16string_view title) = 0;
  // Runs `task` once the user action being delivered now (a click with its button release, a
  // key) has been carried out; a modal box opened then no longer swallows half of it.
  virtual void runAfterCurrentInput(std::function<void()> task) = 0;
};

// The result of converting to the system's narrow encoding (the ANSI code page on Windows).
struct NarrowText {
  std::string bytes;  // best effort when not exact
  bool exact = true;  // every character was representable
};

// Services of the operating system.
class SystemPort {
 public:
  virtual ~SystemPort() = default;
  // Both report whether they worked. Text arrives with CR LF; the backend hands it on in the
  // platform's convention.
  virtual bool clearClipboard() = 0;
  virtual bool setClipboardText(std::u16string_view text) = 0;
  // Opens `address` in the web browser without waiting; false when nothing could be started.
  virtual bool openAddress(std::u16string_view address) = 0;
  // The directory of the running executable, without a trailing separator (except a root).
  [[nodiscard]] virtual std::u16string applicationDirectory() const = 0;
  [[nodiscard]] virtual NarrowText toSystemNarrow(std::u16string_view text) const = 0;
  // The short (8.3) form of an existing directory, or the directory itself where it has none.
  [[nodiscard]] virtual std::u16string shortPath(std::u16string_view directory) const = 0;
  // Hands the skin engine its two arguments; silently nothing where there is no engine.
  virtual void attachSkin(const std::string& skinPath, const std::string& options) = 0;
  [[nodiscard]] virtual float secondsSinceMidnight() const = 0;
};

}  // namespace wyc::ui
