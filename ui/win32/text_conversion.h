// Text between the ports' UTF-16 strings, the Windows API's wide strings and the ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace wyc::ui::win32 {

// Both are UTF-16 code units on Windows; only the element type differs.
std::wstring ToWide(std::u16string_view text);
std::u16string FromWide(std::wstring_view text);

// The result of converting to the ANSI code page.
struct NarrowText {
  std::string bytes;  // best effort when not exact
  bool exact = true;  // every character was representable
};

// Converts to the system's ANSI code page; `exact` is false when a character had no
// representation there and the default character stood in for it.
NarrowText ToAnsi(std::wstring_view text);

}  // namespace wyc::ui::win32
