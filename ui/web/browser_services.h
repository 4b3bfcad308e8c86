// The clipboard and the address opener of a web page, through the browser's own interfaces.
#pragma once

#include <functional>
#include <map>
#include <string_view>

#include "ui/ports.h"

namespace wyc::ui::web {

// The Clipboard API, which answers once the copy is done or refused.
class BrowserClipboard final : public ClipboardPort {
 public:
  // The browser's copy replaces every format: there is nothing to empty first.
  bool clear() override { return true; }
  void setText(std::u16string_view text, std::function<void(bool copied)> done) override;
  // The browser's answer to copy number `id`.
  void settled(int id, bool copied);

 private:
  std::map<int, std::function<void(bool)>> pending_;
  int next_ = 0;
};

// Opens an address in a new tab that cannot reach back to this page.
class NewTabLauncher final : public AddressLauncher {
 public:
  bool open(std::u16string_view address) override;
};

}  // namespace wyc::ui::web
