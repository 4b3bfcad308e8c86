// The Windows program's entry point: the window with Form1 bound to it, then the message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "core/random_source.h"
#include "resource_ids.h"
#include "ui/form1.h"
#include "ui/system_clock.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/launch.h"
#include "ui/win32/main_window.h"
#include "ui/win32/module_path.h"
#include "ui/win32/skin.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // Loads common controls 6, which the manifest asks for, before the first control exists.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The text box's accessible name is handed to oleacc through COM.
  const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));

  wyc::ui::win32::MainWindow window;
  if (!window.create(instance, LoadIconW(instance, MAKEINTRESOURCEW(IDI_WEIYUANCHUANG)))) {
    return 1;
  }
  wyc::ui::win32::Win32Clipboard clipboard(window.handle());
  wyc::ui::win32::ExplorerLauncher launcher;
  wyc::ui::SystemClock clock;
  wyc::ui::win32::SkinEngine skin(wyc::ui::win32::ApplicationDirectory());
  wyc::ui::Form1 form(window, {.clipboard = clipboard,
                               .launcher = launcher,
                               .clock = clock,
                               .random = wyc::ProcessRandomSource(),
                               .skin = &skin});
  window.bind(form);
  form.Form_Load();
  window.show(showCommand);
  const int exitCode = wyc::ui::win32::RunMessageLoop(window.handle());
  if (com) CoUninitialize();
  return exitCode;
}
