// A SystemPort that records what the window asks of the system, for the widget tests.
#pragma once

#include <string>
#include <vector>

#include "ui/platform.h"

namespace wyc::ui::qt {

class RecordingSystem final : public SystemPort {
 public:
  bool clearClipboard() override;
  bool setClipboardText(std::u16string_view text) override;
  bool openAddress(std::u16string_view address) override;
  [[nodiscard]] std::u16string applicationDirectory() const override;
  [[nodiscard]] NarrowText toSystemNarrow(std::u16string_view text) const override;
  [[nodiscard]] std::u16string shortPath(std::u16string_view directory) const override;
  void attachSkin(const std::string& skinPath, const std::string& options) override;
  [[nodiscard]] float secondsSinceMidnight() const override;

  // Clipboard operations in order: "clear", or the text that was set.
  std::vector<std::u16string> clipboard;
  std::vector<std::u16string> opened;
  std::vector<std::string> skins;
  bool openSucceeds = true;
};

}  // namespace wyc::ui::qt
