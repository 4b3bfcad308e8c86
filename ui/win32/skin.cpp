// Run-time loading of the skin engine through a named function-pointer type.
#include "ui/win32/skin.h"

#include <bit>
#include <utility>

namespace wyc::ui::win32 {

SkinEngine::SkinEngine(std::wstring directory) : directory_(std::move(directory)) {}

bool SkinEngine::attach(const std::string& skinPath, const std::string& options) {
  const SkinHAttachEx attachEx = load();
  if (attachEx == nullptr) return false;
  // The engine's result says nothing the window acts on.
  static_cast<void>(attachEx(skinPath.c_str(), options.c_str()));
  return true;
}

SkinHAttachEx SkinEngine::load() {
  if (loadTried_) return attachEx_;
  loadTried_ = true;
  // A bare file name would send LoadLibrary through the search path.
  if (directory_.empty()) return nullptr;
  std::wstring path = directory_;
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  path += L"SkinH_VB6.dll";
  // A full path loads that file and no other; the altered search path makes the engine's own
  // dependencies come from its folder too, and never from the current directory first.
  module_.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!module_) return nullptr;
  const FARPROC address = GetProcAddress(module_.get(), "SkinH_AttachEx");
  if (address == nullptr) return nullptr;
  attachEx_ = std::bit_cast<SkinHAttachEx>(address);
  return attachEx_;
}

}  // namespace wyc::ui::win32
