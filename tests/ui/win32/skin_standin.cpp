// A stand-in for the skin engine SkinH_VB6.dll: SkinH_AttachEx appends its two arguments as one
// line "<skin path>|<options>" to the file named by WYC_SKIN_RECORD, so tests see every call.
#include <windows.h>

#include <cstdio>
#include <string>

extern "C" __declspec(dllexport) int __stdcall SkinH_AttachEx(const char* skinPath,
                                                              const char* options) {
  char recordPath[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("WYC_SKIN_RECORD", recordPath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 0;
  std::FILE* record = std::fopen(recordPath, "ab");
  if (record == nullptr) return 0;
  const std::string line = std::string(skinPath) + "|" + options + "\n";
  std::fwrite(line.data(), 1, line.size(), record);
  std::fclose(record);
  return 1;
}
