// The clipboard and the address opener of a Linux desktop, through Qt.
#pragma once

#include <functional>

#include "ui/ports.h"

namespace wyc::ui::qt {

class QtClipboard final : public ClipboardPort {
 public:
  bool clear() override;
  void setText(std::u16string_view text, std::function<void(bool copied)> done) override;
};

// Hands the address to the desktop's opener, xdg-open found on PATH.
class XdgOpenLauncher final : public AddressLauncher {
 public:
  bool open(std::u16string_view address) override;
};

}  // namespace wyc::ui::qt
