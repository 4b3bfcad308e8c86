// Entry point of the web page: the window with Form1 bound to it. The browser then runs the
// event loop, delivering the page's events to the window.
#include <emscripten.h>

#include "core/random_source.h"
#include "ui/form1.h"
#include "ui/system_clock.h"
#include "ui/web/browser_services.h"
#include "ui/web/page_window.h"

int main() {
  wyc::ui::web::PageWindow window;
  wyc::ui::web::BrowserClipboard clipboard;
  wyc::ui::web::NewTabLauncher launcher;
  wyc::ui::SystemClock clock;
  wyc::ui::Form1 form(window, {.clipboard = clipboard,
                               .launcher = launcher,
                               .clock = clock,
                               .random = wyc::ProcessRandomSource()});
  window.bind(form);
  form.Form_Load();
  window.show();
  // Returns to the browser without unwinding this frame: the window and Form1 live as long as
  // the page.
  emscripten_exit_with_live_runtime();
}
