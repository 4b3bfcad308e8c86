// The Windows program's entry point: the window, its ports and Form1, then the message loop.
#include <windows.h>

#include <commctrl.h>

#include "core/random_source.h"
#include "resource_ids.h"
#include "ui/form1.h"
#include "ui/win32/main_window.h"
#include "ui/win32/module_path.h"
#include "ui/win32/system_port.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // Loads common controls 6, which the manifest asks for, before the first control exists.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  wyc::ui::win32::MainWindow window;
  if (!window.create(instance, LoadIconW(instance, MAKEINTRESOURCEW(IDI_WEIYUANCHUANG)))) {
    return 1;
  }
  wyc::ui::win32::Win32SystemPort system(window.handle(), wyc::ui::win32::ApplicationDirectory());
  wyc::ui::Form1 form(window, system, wyc::ProcessRandomSource());
  window.bind(form);
  form.Form_Load();
  window.show(showCommand);
  return wyc::ui::win32::RunMessageLoop(window.handle());
}
