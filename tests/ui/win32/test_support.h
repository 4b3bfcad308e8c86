// Helpers for the Win32 backend's end-to-end tests: pumping the real message queue, real input
// through SendInput, the clipboard, temporary folders and message boxes closed from a watcher.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace wyc::ui::win32::testing {

// Delivers messages to `window` as the program's loop does until `done` holds and no message
// waits, or until `timeoutMs` have passed; returns whether `done` held.
bool PumpUntil(HWND window, const std::function<bool()>& done, DWORD timeoutMs = 10000);
// Delivers what is queued now, and what that brings, until the queue stays empty.
void PumpPending(HWND window);

// Real input: a left click at the centre of `target`, and one key with modifiers held.
void Click(HWND target);
void PressKey(WORD key, bool shift = false, bool control = false);
// Brings `window` to the front with the focus, as a user's click on its caption would.
bool Activate(HWND window);

// CF_UNICODETEXT on the clipboard, or nothing when it holds none.
std::optional<std::wstring> ClipboardText();

// The folder of the running test program.
std::wstring TestProgramDirectory();

// A fresh folder under the temporary directory, removed with its files at the end.
class TemporaryDirectory {
 public:
  explicit TemporaryDirectory(const std::wstring& nameStem = L"wyc");
  ~TemporaryDirectory();
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
  [[nodiscard]] const std::wstring& path() const { return path_; }
  [[nodiscard]] std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// The whole content of a file, or nothing when it does not exist.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

// One message box as the watcher found it.
struct SeenMessageBox {
  std::wstring text;
  bool hasIcon = false;
};

// Watches, on a thread of its own, for message boxes of this process with `title`; records
// each one and closes it with OK, as a user would.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(std::wstring title);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
  [[nodiscard]] std::vector<SeenMessageBox> seen() const;

 private:
  void watch(const std::stop_token& stop);

  std::wstring title_;
  mutable std::mutex mutex_;
  std::vector<SeenMessageBox> seen_;
  std::jthread thread_;
};

}  // namespace wyc::ui::win32::testing
