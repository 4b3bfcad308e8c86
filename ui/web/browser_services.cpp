// Clipboard and address opening in a browser.
#include "ui/web/browser_services.h"

#include <emscripten/val.h>

#include <string>
#include <utility>

#include "ui/web/page_text.h"
#include "ui/web/script_handle.h"

namespace wyc::ui::web {

using emscripten::val;

void BrowserClipboard::setText(std::u16string_view text, std::function<void(bool copied)> done) {
  const int id = next_++;
  pending_.emplace(id, std::move(done));
  // The browser writes LF line breaks in the system's own convention.
  val::module_property("copy")(val(this), id, LfTextFromArticle(text));
}

void BrowserClipboard::settled(int id, bool copied) {
  const auto found = pending_.find(id);
  if (found == pending_.end()) return;
  const std::function<void(bool)> done = std::move(found->second);
  pending_.erase(found);
  done(copied);
}

bool NewTabLauncher::open(std::u16string_view address) {
  // With "noopener" the browser answers null whether or not the tab opened. An empty tab
  // answers truly, and is then cut off from this page before it goes to the address.
  val tab = val::global("window").call<val>("open", std::string(), std::string("_blank"));
  if (tab.isNull() || tab.isUndefined()) return false;
  tab.set("opener", val::null());
  tab["location"].set("href", ToJsString(address));
  return true;
}

}  // namespace wyc::ui::web
