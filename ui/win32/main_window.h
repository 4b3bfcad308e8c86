// Form1's window on Win32: one top-level window with its controls, implementing WindowPort.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <vector>

#include "ui/form1.h"
#include "ui/form1_layout.h"
#include "ui/ports.h"
#include "ui/win32/dpi.h"
#include "ui/win32/handles.h"

namespace wyc::ui::win32 {

// Whether destroying the window ends the message loop (the program) or not (a test).
enum class OnDestroy { EndProgram, KeepRunning };

class MainWindow final : public WindowPort {
 public:
  // `find` looks up the display-scale functions of later Windows; a test passes one that finds
  // less, to see the window as an older Windows shows it.
  explicit MainWindow(OnDestroy onDestroy = OnDestroy::EndProgram,
                      FunctionFinder find = &FindExportedFunction);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window and its controls, still hidden; false when Windows refused.
  bool create(HINSTANCE instance, HICON icon);
  // From now on the controls' events reach `form`, which must outlive the window.
  void bind(Form1& form);
  // Shows the window with the focus in Text1 and its placeholder selected.
  void show(int showCommand);

  [[nodiscard]] HWND handle() const { return hwnd_; }
  [[nodiscard]] HWND control(ControlName name) const;

  [[nodiscard]] std::u16string text() const override;
  void replaceText(std::u16string_view text) override;
  void focus(ControlName control) override;
  void showMessage(std::u16string_view text, std::u16string_view title,
                   std::function<void()> closed) override;
  void runAfterCurrentInput(std::function<void()> task) override;
  void runBusy(std::function<void()> work) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK TextProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR data);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool createControls(HINSTANCE instance);
  // Places the controls and gives them their fonts at `dpi`.
  void layOut(UINT dpi);
  void onCommand(int id, int code);
  void onTextLostFocus(HWND gainingFocus);
  void moveFocus(WPARAM wParam, LPARAM lParam);
  void showBusy();
  void endBusy();
  void runDeferredTasks();

  OnDestroy onDestroy_;
  DpiFunctions dpi_;
  HWND hwnd_ = nullptr;
  // In the order of the layout table, which is the tab order.
  std::array<HWND, kForm1Controls.size()> controls_{};
  // Each control's font: the desktop's message font, or smaller where its text needs that.
  std::array<UniqueFont, kForm1Controls.size()> fonts_;
  Form1* form_ = nullptr;
  // The control that had the focus when the window was last deactivated.
  HWND lastFocus_ = nullptr;
  std::vector<std::function<void()>> deferred_;
  bool busy_ = false;
};

// Delivers one message as a dialog would, so Tab and Shift+Tab move between the controls.
void DeliverMessage(HWND window, MSG& message);

// Runs the message loop until WM_QUIT and returns its exit code.
int RunMessageLoop(HWND window);

}  // namespace wyc::ui::win32
