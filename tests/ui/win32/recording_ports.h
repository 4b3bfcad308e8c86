// Ports that record what Form1 asks: a SystemPort for tests of the real window that must not
// launch a browser or touch the clipboard, and a WindowPort for tests of the real system port.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace wyc::ui::win32::testing {

class RecordingSystemPort final : public SystemPort {
 public:
  bool clearClipboard() override {
    ++clipboardWrites;
    return true;
  }
  bool setClipboardText(std::u16string_view) override {
    ++clipboardWrites;
    return true;
  }
  bool openAddress(std::u16string_view address) override {
    opened.emplace_back(address);
    return true;
  }
  std::u16string applicationDirectory() const override { return u"C:\\app"; }
  NarrowText toSystemNarrow(std::u16string_view text) const override {
    return {std::string(text.begin(), text.end()), true};
  }
  std::u16string shortPath(std::u16string_view directory) const override {
    return std::u16string(directory);
  }
  void attachSkin(const std::string&, const std::string&) override {}
  float secondsSinceMidnight() const override { return 1.5F; }

  int clipboardWrites = 0;
  std::vector<std::u16string> opened;
};

class RecordingWindowPort final : public WindowPort {
 public:
  std::u16string text() const override { return content; }
  void replaceText(std::u16string_view text) override { content = text; }
  void focusText() override {}
  void showMessage(std::u16string_view text, std::u16string_view) override {
    messages.emplace_back(text);
  }
  void runAfterCurrentInput(std::function<void()> task) override { task(); }

  std::u16string content;
  std::vector<std::u16string> messages;
};

}  // namespace wyc::ui::win32::testing
