// The operating-system services Form1 needs, on a Linux desktop through Qt.
#pragma once

#include "ui/platform.h"

namespace wyc::ui::qt {

class QtSystem final : public SystemPort {
 public:
  bool clearClipboard() override;
  bool setClipboardText(std::u16string_view text) override;
  // Hands the address to the desktop's opener, xdg-open found on PATH.
  bool openAddress(std::u16string_view address) override;
  [[nodiscard]] std::u16string applicationDirectory() const override;
  [[nodiscard]] NarrowText toSystemNarrow(std::u16string_view text) const override;
  [[nodiscard]] std::u16string shortPath(std::u16string_view directory) const override;
  void attachSkin(const std::string& skinPath, const std::string& options) override;
  [[nodiscard]] float secondsSinceMidnight() const override;
};

}  // namespace wyc::ui::qt
