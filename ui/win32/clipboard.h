// The clipboard port: two small operations that report whether they worked.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "ui/ports.h"

namespace wyc::ui::win32 {

// Another program may hold the clipboard open for a moment; each operation tries to open it ten
// times, 100 ms apart (about one second in all), before it reports failure.
class Win32Clipboard final : public ClipboardPort {
 public:
  // `owner` becomes the clipboard's owner; SetClipboardData needs one.
  explicit Win32Clipboard(HWND owner) : owner_(owner) {}
  // Empties the clipboard, all formats.
  bool clear() override;
  // Puts `text` (CR LF line breaks, as CF_UNICODETEXT wants) on as the only format.
  void setText(std::u16string_view text, std::function<void(bool copied)> done) override;
  bool setText(std::u16string_view text);

 private:
  HWND owner_;
};

}  // namespace wyc::ui::win32
