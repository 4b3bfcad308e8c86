// Stands in for the skin engine SkinH_VB6.dll: SkinH_AttachEx leaves its two arguments, as
// "<skin path>|<options>", in the variable WYC_SKIN_CALL of the process that loaded it.
#include <windows.h>

#include <string>

extern "C" __declspec(dllexport) int __stdcall SkinH_AttachEx(const char* skinPath,
                                                              const char* options) {
  return SetEnvironmentVariableA("WYC_SKIN_CALL", (std::string(skinPath) + "|" + options).c_str());
}
