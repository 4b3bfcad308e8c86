// The clipboard as two small operations that report whether they worked.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/ports.h"

namespace wyc::ui::win32 {

// Another program may hold the clipboard open for a moment; the usual remedy is a few tries
// a little apart (ten, 100 ms apart, about one second in all).
struct ClipboardRetry {
  int tries = 10;
  DWORD delayMs = 100;
};

// Empties the clipboard, all formats, taking ownership for `owner`.
bool ClearClipboard(HWND owner, ClipboardRetry retry = {});

// Puts `text` (CR LF line breaks, as CF_UNICODETEXT wants) on the clipboard as its only format.
bool SetClipboardText(HWND owner, std::wstring_view text, ClipboardRetry retry = {});

// The clipboard port, owned by the main window.
class Win32Clipboard final : public ClipboardPort {
 public:
  explicit Win32Clipboard(HWND owner) : owner_(owner) {}
  bool clear() override { return ClearClipboard(owner_); }
  bool setText(std::u16string_view text) override;

 private:
  HWND owner_;
};

}  // namespace wyc::ui::win32
