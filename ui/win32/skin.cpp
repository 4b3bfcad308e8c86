// Run-time loading of the skin engine through a named function-pointer type, and the ANSI form
// of the skin file's path.
#include "ui/win32/skin.h"

#include <bit>
#include <utility>

#include "ui/win32/text_conversion.h"

namespace wyc::ui::win32 {
namespace {

// The short (8.3) form of an existing directory, or the directory itself where it has none.
std::wstring ShortPath(const std::wstring& directory) {
  const DWORD size = GetShortPathNameW(directory.c_str(), nullptr, 0);
  if (size == 0) return directory;
  std::wstring shortForm(size, L'\0');
  const DWORD length = GetShortPathNameW(directory.c_str(), shortForm.data(), size);
  // No short name (8.3 names switched off on the volume) leaves the directory as it is.
  if (length == 0 || length >= size) return directory;
  shortForm.resize(length);
  return shortForm;
}

// The skin file's path in the ANSI code page. A folder the code page cannot represent is named
// by its short (8.3) form, which is plain ASCII; the file name after the last '/' stays.
std::string AnsiSkinPath(std::wstring_view path) {
  NarrowText ansi = ToAnsi(path);
  const std::size_t slash = path.rfind(L'/');
  if (ansi.exact || slash == std::wstring_view::npos) return ansi.bytes;
  return ToAnsi(ShortPath(std::wstring(path.substr(0, slash))) + std::wstring(path.substr(slash)))
      .bytes;
}

}  // namespace

SkinEngine::SkinEngine(std::wstring directory) : directory_(std::move(directory)) {}

std::u16string SkinEngine::applicationDirectory() const { return FromWide(directory_); }

void SkinEngine::attach(std::u16string_view skinPath, std::u16string_view options) {
  const SkinHAttachEx attachEx = load();
  if (attachEx == nullptr) return;
  // The engine's result says nothing the window acts on.
  const std::string path = AnsiSkinPath(ToWide(skinPath));
  static_cast<void>(attachEx(path.c_str(), ToAnsi(ToWide(options)).bytes.c_str()));
}

SkinHAttachEx SkinEngine::load() {
  if (loadTried_) return attachEx_;
  loadTried_ = true;
  // A bare file name would send LoadLibrary through the search path.
  if (directory_.empty()) return nullptr;
  std::wstring path = directory_;
  if (path.back() != L'\\' && path.back() != L'/') path += L'\\';
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
