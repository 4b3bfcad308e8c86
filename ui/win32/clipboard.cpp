// Clipboard access: open with retries, and memory freed on every path where Windows does not
// take it over.
#include "ui/win32/clipboard.h"

#include <cstring>

#include "ui/win32/handles.h"
#include "ui/win32/text_conversion.h"

namespace wyc::ui::win32 {

namespace {

// An open clipboard, closed when the session ends.
class ClipboardSession {
 public:
  ClipboardSession(HWND owner, ClipboardRetry retry) {
    for (int attempt = 0; attempt < retry.tries; ++attempt) {
      if (attempt > 0) Sleep(retry.delayMs);
      if (OpenClipboard(owner)) {
        open_ = true;
        return;
      }
    }
  }
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;

  [[nodiscard]] bool open() const { return open_; }

 private:
  bool open_ = false;
};

// `text` with its terminating NUL in movable global memory, as SetClipboardData requires.
UniqueGlobal CopyToGlobal(std::wstring_view text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return nullptr;
  auto* target = static_cast<wchar_t*>(GlobalLock(memory.get()));
  if (target == nullptr) return nullptr;  // the deleter frees the block
  std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
  target[text.size()] = L'\0';
  GlobalUnlock(memory.get());
  return memory;
}

}  // namespace

bool ClearClipboard(HWND owner, ClipboardRetry retry) {
  const ClipboardSession session(owner, retry);
  return session.open() && EmptyClipboard();
}

bool SetClipboardText(HWND owner, std::wstring_view text, ClipboardRetry retry) {
  UniqueGlobal memory = CopyToGlobal(text);
  if (!memory) return false;
  const ClipboardSession session(owner, retry);
  // Emptying again makes `owner` the owner even if someone wrote to the clipboard since it was
  // cleared; SetClipboardData fails for a window that does not own it.
  if (!session.open() || !EmptyClipboard()) return false;
  if (SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
  // The clipboard owns the block now and frees it when it is emptied.
  static_cast<void>(memory.release());
  return true;
}

bool Win32Clipboard::setText(std::u16string_view text) {
  return SetClipboardText(owner_, ToWide(text));
}

}  // namespace wyc::ui::win32
