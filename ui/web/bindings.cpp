// What the page's script may call: the window's and the clipboard's event entry points.
#include <emscripten/bind.h>

#include "ui/web/browser_services.h"
#include "ui/web/page_window.h"

EMSCRIPTEN_BINDINGS(weiyuanchuang_page) {
  using namespace wyc::ui::web;
  emscripten::class_<PageWindow>("PageWindow")
      .function("click", &PageWindow::click)
      .function("textLostFocus", &PageWindow::textLostFocus)
      .function("undo", &PageWindow::undo)
      .function("textEdited", &PageWindow::textEdited)
      .function("inputFinished", &PageWindow::inputFinished)
      .function("cursorShown", &PageWindow::cursorShown)
      .function("repainted", &PageWindow::repainted)
      .function("messageClosed", &PageWindow::messageClosed)
      .function("share", &PageWindow::share);
  emscripten::class_<BrowserClipboard>("BrowserClipboard")
      .function("settled", &BrowserClipboard::settled);
}
