// Helper program: holds the clipboard open, as a busy program would, for the time given.
// Usage: clipboard_holder <event name> <milliseconds>; signals the event once it holds it.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
  if (ready == nullptr) return 3;
  const auto milliseconds = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
  if (!OpenClipboard(nullptr)) return 4;
  SetEvent(ready);
  Sleep(milliseconds);
  CloseClipboard();
  CloseHandle(ready);
  return 0;
}
