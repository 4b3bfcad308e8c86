// UTF-16 <-> ANSI code page conversion with WideCharToMultiByte.
#include "ui/win32/text_conversion.h"

#include <windows.h>

#include <climits>

namespace wyc::ui::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide strings are UTF-16");

std::wstring ToWide(std::u16string_view text) { return {text.begin(), text.end()}; }

std::u16string FromWide(std::wstring_view text) { return {text.begin(), text.end()}; }

NarrowText ToAnsi(std::wstring_view text) {
  NarrowText result;
  if (text.empty()) return result;
  if (text.size() > static_cast<std::size_t>(INT_MAX)) return {{}, false};
  const UINT codePage = GetACP();
  // Best-fit mapping would turn a character into a look-alike (a path that names another
  // folder) without reporting it; the UTF-8 code page represents everything and rejects the
  // used-default-char flag.
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {{}, false};
  result.bytes.resize(static_cast<std::size_t>(size));
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(codePage, flags, text.data(), length, result.bytes.data(),
                                          size, nullptr, utf8 ? nullptr : &usedDefault);
  if (written <= 0) return {{}, false};
  result.bytes.resize(static_cast<std::size_t>(written));
  result.exact = usedDefault == FALSE;
  return result;
}

}  // namespace wyc::ui::win32
