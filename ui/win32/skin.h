// The optional skin engine SkinH_VB6.dll, loaded from the application directory on first use.
#pragma once

#include <string>

#include "ui/ports.h"
#include "ui/win32/handles.h"

namespace wyc::ui::win32 {

// The engine's one entry point: skin file path and options, both in the ANSI code page.
using SkinHAttachEx = int(__stdcall*)(const char*, const char*);

class SkinEngine final : public SkinPort {
 public:
  // The library is looked for in `directory` only, never on the search path.
  explicit SkinEngine(std::wstring directory);

  [[nodiscard]] std::u16string applicationDirectory() const override;
  // Calls SkinH_AttachEx when the library and the function are there; nothing otherwise. A
  // folder in the path that the ANSI code page cannot represent goes by its short (8.3) form.
  void attach(std::u16string_view skinPath, std::u16string_view options) override;

 private:
  SkinHAttachEx load();

  std::wstring directory_;
  bool loadTried_ = false;
  // The engine restyles windows for as long as it is loaded, so it stays until the end.
  UniqueModule module_;
  SkinHAttachEx attachEx_ = nullptr;
};

}  // namespace wyc::ui::win32
