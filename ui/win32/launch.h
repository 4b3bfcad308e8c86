// Opening a web address through the Windows directory's explorer.exe.
#pragma once

#include <string_view>

#include "ui/ports.h"

namespace wyc::ui::win32 {

// Starts "explorer.exe <address>" shown minimized, without waiting for it. The program is named
// by its full path in `windowsDirectory`, so an explorer.exe in the application or current
// directory is never picked. False when it could not be started.
bool StartExplorer(std::wstring_view windowsDirectory, std::wstring_view address);

class ExplorerLauncher final : public AddressLauncher {
 public:
  bool open(std::u16string_view address) override;
};

}  // namespace wyc::ui::win32
