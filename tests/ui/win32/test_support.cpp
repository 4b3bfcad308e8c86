// Message pumping, input, clipboard, file and message-box helpers for the Win32 tests.
#include "tests/ui/win32/test_support.h"

#include <shellapi.h>

#include <array>
#include <cstdio>

#include "ui/win32/handles.h"
#include "ui/win32/main_window.h"
#include "ui/win32/module_path.h"

namespace wyc::ui::win32::testing {

namespace {

bool DeliverOne(HWND window) {
  MSG message{};
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  // A WM_QUIT left by an earlier window means nothing to these tests.
  if (message.message != WM_QUIT) DeliverMessage(window, message);
  return true;
}

void SendInputs(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// EnumChildWindows callback: the text and the icon of a message box, from its static controls.
BOOL CALLBACK CollectMessageBoxPart(HWND child, LPARAM data) {
  auto& seen = *reinterpret_cast<SeenMessageBox*>(data);
  std::array<wchar_t, 16> className{};
  GetClassNameW(child, className.data(), static_cast<int>(className.size()));
  if (lstrcmpiW(className.data(), L"Static") != 0) return TRUE;
  if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    seen.hasIcon = seen.hasIcon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
    return TRUE;
  }
  const int length = GetWindowTextLengthW(child);
  if (length > 0 && seen.text.empty()) {
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(child, text.data(), length + 1)));
    seen.text = std::move(text);
  }
  return TRUE;
}

}  // namespace

bool PumpUntil(HWND window, const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline) {
    if (DeliverOne(window)) continue;
    if (done()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return done();
}

void PumpPending(HWND window) {
  // Timers and input from SendInput arrive a moment later; a short quiet spell ends it.
  for (int quiet = 0; quiet < 5;) {
    if (DeliverOne(window)) {
      quiet = 0;
    } else {
      ++quiet;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
  }
}

void Click(HWND target) {
  RECT bounds{};
  GetWindowRect(target, &bounds);
  const int x = (bounds.left + bounds.right) / 2;
  const int y = (bounds.top + bounds.bottom) / 2;
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = MulDiv(x, 65535, width - 1);
  move.mi.dy = MulDiv(y, 65535, height - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  INPUT down = move;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  INPUT up = move;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInputs({move, down, up});
}

void PressKey(WORD key, bool shift, bool control) {
  std::vector<INPUT> inputs;
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
  if (control) inputs.push_back(KeyInput(VK_CONTROL, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  if (control) inputs.push_back(KeyInput(VK_CONTROL, true));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  SendInputs(std::move(inputs));
}

bool Activate(HWND window) {
  SetForegroundWindow(window);
  SetActiveWindow(window);
  PumpPending(window);
  return GetForegroundWindow() == window;
}

std::optional<std::wstring> ClipboardText() {
  for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) Sleep(20);
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = std::wstring(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::wstring TestProgramDirectory() { return ApplicationDirectory(); }

TemporaryDirectory::TemporaryDirectory(const std::wstring& nameStem) {
  std::array<wchar_t, MAX_PATH + 1> base{};
  GetTempPathW(static_cast<DWORD>(base.size()), base.data());
  for (unsigned attempt = 0; path_.empty(); ++attempt) {
    std::wstring candidate = std::wstring(base.data()) + nameStem + L"-" +
                             std::to_wstring(GetCurrentProcessId()) + L"-" +
                             std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt);
    if (CreateDirectoryW(candidate.c_str(), nullptr)) path_ = std::move(candidate);
  }
}

TemporaryDirectory::~TemporaryDirectory() {
  // SHFileOperation wants a list that ends in two NULs.
  std::wstring from = path_;
  from.push_back(L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationW(&operation);
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  std::FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  std::array<char, 4096> buffer{};
  std::size_t read = 0;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
    bytes.append(buffer.data(), read);
  std::fclose(file);
  return bytes;
}

MessageBoxWatcher::MessageBoxWatcher(std::wstring title)
    : title_(std::move(title)), thread_([this](const std::stop_token& stop) { watch(stop); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  thread_.request_stop();
  thread_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::seen() const {
  const std::lock_guard lock(mutex_);
  return seen_;
}

void MessageBoxWatcher::watch(const std::stop_token& stop) {
  while (!stop.stop_requested()) {
    HWND box = FindWindowW(L"#32770", title_.c_str());
    DWORD process = 0;
    if (box != nullptr) GetWindowThreadProcessId(box, &process);
    if (box == nullptr || process != GetCurrentProcessId() || !IsWindowVisible(box)) {
      Sleep(10);
      continue;
    }
    SeenMessageBox found;
    EnumChildWindows(box, CollectMessageBoxPart, reinterpret_cast<LPARAM>(&found));
    {
      const std::lock_guard lock(mutex_);
      seen_.push_back(std::move(found));
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (int wait = 0; wait < 500 && IsWindow(box); ++wait) Sleep(10);
  }
}

}  // namespace wyc::ui::win32::testing
