// SystemPort on Windows: clipboard, process start, paths, ANSI text and the skin engine.
#pragma once

#include <windows.h>

#include <string>

#include "ui/platform.h"
#include "ui/win32/skin.h"

namespace wyc::ui::win32 {

class Win32SystemPort final : public SystemPort {
 public:
  // `clipboardOwner` is the main window; `applicationDirectory` is where the skin engine and
  // its skin file are looked for.
  Win32SystemPort(HWND clipboardOwner, std::wstring applicationDirectory);

  bool clearClipboard() override;
  bool setClipboardText(std::u16string_view text) override;
  bool openAddress(std::u16string_view address) override;
  std::u16string applicationDirectory() const override;
  NarrowText toSystemNarrow(std::u16string_view text) const override;
  std::u16string shortPath(std::u16string_view directory) const override;
  void attachSkin(const std::string& skinPath, const std::string& options) override;
  float secondsSinceMidnight() const override;

 private:
  HWND clipboardOwner_;
  std::wstring applicationDirectory_;
  SkinEngine skin_;
};

}  // namespace wyc::ui::win32
