// The optional skin engine SkinH_VB6.dll, loaded from the application directory on first use.
#pragma once

#include <string>

#include "ui/win32/handles.h"

namespace wyc::ui::win32 {

// The engine's one entry point: skin file path and options, both in the ANSI code page.
using SkinHAttachEx = int(__stdcall*)(const char*, const char*);

class SkinEngine {
 public:
  // The library is looked for in `directory` only, never on the search path.
  explicit SkinEngine(std::wstring directory);

  // Calls SkinH_AttachEx; false, and nothing else, when the library or the function is missing.
  bool attach(const std::string& skinPath, const std::string& options);

 private:
  SkinHAttachEx load();

  std::wstring directory_;
  bool loadTried_ = false;
  // The engine restyles windows for as long as it is loaded, so it stays until the end.
  UniqueModule module_;
  SkinHAttachEx attachEx_ = nullptr;
};

}  // namespace wyc::ui::win32
