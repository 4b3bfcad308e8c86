// Win32SystemPort: each operation translated to its Windows helper.
#include "ui/win32/system_port.h"

#include <utility>

#include "core/time_of_day.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/launch.h"
#include "ui/win32/text_conversion.h"

namespace wyc::ui::win32 {

Win32SystemPort::Win32SystemPort(HWND clipboardOwner, std::wstring applicationDirectory)
    : clipboardOwner_(clipboardOwner),
      applicationDirectory_(std::move(applicationDirectory)),
      skin_(applicationDirectory_) {}

bool Win32SystemPort::clearClipboard() { return ClearClipboard(clipboardOwner_); }

bool Win32SystemPort::setClipboardText(std::u16string_view text) {
  return SetClipboardText(clipboardOwner_, ToWide(text));
}

bool Win32SystemPort::openAddress(std::u16string_view address) {
  return OpenAddress(ToWide(address));
}

std::u16string Win32SystemPort::applicationDirectory() const {
  return FromWide(applicationDirectory_);
}

NarrowText Win32SystemPort::toSystemNarrow(std::u16string_view text) const {
  return ToAnsi(ToWide(text));
}

std::u16string Win32SystemPort::shortPath(std::u16string_view directory) const {
  const std::wstring longPath = ToWide(directory);
  const DWORD size = GetShortPathNameW(longPath.c_str(), nullptr, 0);
  if (size == 0) return std::u16string(directory);
  std::wstring shortForm(size, L'\0');
  const DWORD length = GetShortPathNameW(longPath.c_str(), shortForm.data(), size);
  // No short name (8.3 names switched off on the volume) leaves the directory as it is.
  if (length == 0 || length >= size) return std::u16string(directory);
  shortForm.resize(length);
  return FromWide(shortForm);
}

void Win32SystemPort::attachSkin(const std::string& skinPath, const std::string& options) {
  // A missing engine leaves the window unskinned, without a word.
  static_cast<void>(skin_.attach(skinPath, options));
}

float Win32SystemPort::secondsSinceMidnight() const { return wyc::SecondsSinceMidnight(); }

}  // namespace wyc::ui::win32
