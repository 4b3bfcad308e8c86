// Clipboard access: open with retries, and memory freed on every path where Windows does not
// take it over.
#include "ui/win32/clipboard.h"

#include <cstring>

#include "ui/win32/handles.h"

namespace wyc::ui::win32 {

namespace {

constexpr int kOpenTries = 10;
constexpr DWORD kRetryDelayMs = 100;

// An open clipboard, closed when the session ends.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) {
    for (int attempt = 0; attempt < kOpenTries && !open_; ++attempt) {
      if (attempt > 0) Sleep(kRetryDelayMs);
      open_ = OpenClipboard(owner) != FALSE;
    }
  }
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;

  // Open and emptied: `owner` owns the clipboard now.
  [[nodiscard]] bool emptied() const { return open_ && EmptyClipboard(); }

 private:
  bool open_ = false;
};

// `text` with its terminating NUL in movable global memory, as SetClipboardData requires.
UniqueGlobal CopyToGlobal(std::u16string_view text) {
  UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t)));
  if (!memory) return nullptr;
  auto* target = static_cast<char16_t*>(GlobalLock(memory.get()));
  if (target == nullptr) return nullptr;  // the deleter frees the block
  std::memcpy(target, text.data(), text.size() * sizeof(char16_t));
  target[text.size()] = u'\0';
  GlobalUnlock(memory.get());
  return memory;
}

}  // namespace

bool Win32Clipboard::clear() { return ClipboardSession(owner_).emptied(); }

void Win32Clipboard::setText(std::u16string_view text, std::function<void(bool copied)> done) {
  done(setText(text));
}

bool Win32Clipboard::setText(std::u16string_view text) {
  UniqueGlobal memory = CopyToGlobal(text);
  if (!memory) return false;
  const ClipboardSession session(owner_);
  // Emptying again makes `owner_` the owner even if someone wrote to the clipboard since it was
  // cleared; SetClipboardData fails for a window that does not own it.
  if (!session.emptied() || SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) {
    return false;
  }
  // The clipboard owns the block now and frees it when it is emptied.
  static_cast<void>(memory.release());
  return true;
}

}  // namespace wyc::ui::win32
