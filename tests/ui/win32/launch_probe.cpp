// Helper program that stands in for explorer.exe: it appends to the file named by
// WYC_LAUNCH_RECORD its own path, its command line and the show state it was given, one per
// line in UTF-16, so a test sees which program ran and how.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain() {
  wchar_t recordPath[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"WYC_LAUNCH_RECORD", recordPath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  GetStartupInfoW(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
  const std::wstring entry =
      std::wstring(self) + L"\n" + GetCommandLineW() + L"\n" + std::to_wstring(show) + L"\n";
  // Written to a side file and renamed, so a reader never sees half an entry.
  const std::wstring partial = std::wstring(recordPath) + L".part";
  std::FILE* record = _wfopen(partial.c_str(), L"wb");
  if (record == nullptr) return 1;
  std::fwrite(entry.data(), sizeof(wchar_t), entry.size(), record);
  std::fclose(record);
  return MoveFileExW(partial.c_str(), recordPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
