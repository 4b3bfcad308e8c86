// The main window: creation at the monitor's DPI, the controls of the layout table, and the
// translation of their notifications into Form1's handlers.
#include "ui/win32/main_window.h"

#include <commctrl.h>
// Before oleacc.h: this file defines the accessibility GUIDs it uses.
#include <initguid.h>
#include <oleacc.h>

#include <optional>
#include <string>
#include <utility>

#include "ui/form1_texts.h"
#include "ui/win32/text_conversion.h"

namespace wyc::ui::win32 {

namespace {

constexpr wchar_t kClassName[] = L"WeiyuanchuangForm1";
// Control ids stay clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc.
constexpr int kFirstControlId = 1001;
constexpr UINT_PTR kDeferredTimerId = 1;
constexpr UINT_PTR kBusyTimerId = 2;
constexpr UINT_PTR kTextSubclassId = 1;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;

int Scale(int pixels, UINT dpi) { return MulDiv(pixels, static_cast<int>(dpi), kDesignDpi); }

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassOf(const ControlSpec& layout) {
  switch (layout.kind) {
    case ControlKind::TextBox:
      // No scroll bars and no ES_AUTOHSCROLL, so lines wrap; without ES_AUTOVSCROLL the control
      // refuses a paste taller than itself. ES_WANTRETURN: Enter is a line break.
      return {L"EDIT", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
              WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
      // Never BS_DEFPUSHBUTTON: there is no default button.
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Label:
      // Only a label with a click handler asks for STN_CLICKED.
      return {L"STATIC",
              static_cast<DWORD>(SS_LEFT | SS_NOPREFIX |
                                 (ClickHandlerOf(layout.name) != nullptr ? SS_NOTIFY : 0)),
              0};
  }
  return {L"STATIC", SS_LEFT, 0};
}

// `font` for `control`, or a smaller size of it where the control's text would not fit its fixed
// box on one line: the largest that does. Text1 wraps its article and keeps `font` whatever.
UniqueFont FittingFont(HWND control, ControlKind kind, LOGFONTW font, UINT dpi) {
  RECT box{};
  GetClientRect(control, &box);
  // A button draws its text inside its border.
  const int margin = kind == ControlKind::PushButton ? Scale(4, dpi) : 0;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  HDC dc = GetDC(control);
  UniqueFont fitting;
  font.lfWidth = 0;
  for (;; font.lfHeight += font.lfHeight < 0 ? 1 : -1) {
    fitting.reset(CreateFontIndirectW(&font));
    if (!fitting || kind == ControlKind::TextBox || font.lfHeight == 0) break;
    const HGDIOBJ previous = SelectObject(dc, fitting.get());
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    if (extent.cx + 2 * margin <= box.right && extent.cy <= box.bottom) break;
  }
  ReleaseDC(control, dc);
  return fitting;
}

// What screen readers call `control`, through oleacc's direct annotation, which its proxy for
// the standard controls and UI Automation read. Nothing when COM or oleacc is not there.
void SetAccessibleName(HWND control, std::u16string_view name) {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    return;
  }
  static_cast<void>(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                             CHILDID_SELF, PROPID_ACC_NAME, ToWide(name).c_str()));
  services->Release();
}

bool RegisterWindowClass(HINSTANCE instance, HICON icon, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  // A second window (a test's) finds the class registered by the first.
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

MainWindow::MainWindow(OnDestroy onDestroy, FunctionFinder find)
    : onDestroy_(onDestroy), dpi_(find) {}

MainWindow::~MainWindow() {
  // Form1 may be gone already; destroying Text1 still reports its lost focus.
  form_ = nullptr;
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool MainWindow::create(HINSTANCE instance, HICON icon) {
  if (hwnd_ != nullptr || !RegisterWindowClass(instance, icon, &MainWindow::WindowProc)) {
    return false;
  }
  const std::wstring caption = ToWide(texts::kCaption);
  // WM_NCCREATE stores `this`; WM_CREATE makes the controls or fails the creation.
  if (CreateWindowExW(kWindowExStyle, kClassName, caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                      this) == nullptr) {
    return false;
  }
  if (icon != nullptr) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  const UINT dpi = dpi_.windowDpi(hwnd_);
  layOut(dpi);
  // The client area is 688 x 528 at 96 dpi; the frame around it is the system's.
  RECT bounds{0, 0, Scale(kClientWidth, dpi), Scale(kClientHeight, dpi)};
  dpi_.adjustWindowRect(bounds, kWindowStyle, kWindowExStyle, dpi);
  SetWindowPos(hwnd_, nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void MainWindow::bind(Form1& form) { form_ = &form; }

void MainWindow::show(int showCommand) {
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  focus(ControlName::Text1);
  // Typing or pasting replaces the placeholder; left alone it is rewritten like any text.
  SendMessageW(control(ControlName::Text1), EM_SETSEL, 0, -1);
}

HWND MainWindow::control(ControlName name) const { return controls_[IndexOf(name)]; }

std::u16string MainWindow::text() const {
  HWND box = control(ControlName::Text1);
  const int length = GetWindowTextLengthW(box);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(box, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return FromWide(text);
}

void MainWindow::replaceText(std::u16string_view text) {
  HWND box = control(ControlName::Text1);
  const std::wstring wide = ToWide(text);
  // Replacing the selection, not setting the window text, keeps the edit's undo buffer: Ctrl+Z
  // brings back the article as it was.
  SendMessageW(box, EM_SETSEL, 0, -1);
  SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  // The replacement leaves the caret, and so the view, at the end; the box has no scroll bars,
  // so it shows the start of the new text, as a freshly opened article would.
  SendMessageW(box, EM_SETSEL, 0, 0);
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void MainWindow::focus(ControlName name) {
  // Windows gives the focus even to a static control; a label must not take it.
  if (LayoutOf(name).takesFocus()) SetFocus(control(name));
}

void MainWindow::showMessage(std::u16string_view text, std::u16string_view title,
                             std::function<void()> closed) {
  const std::wstring body = ToWide(text);
  const std::wstring caption = ToWide(title);
  MessageBoxW(hwnd_, body.c_str(), caption.c_str(), MB_OK | MB_APPLMODAL);
  if (closed) closed();
}

void MainWindow::runAfterCurrentInput(std::function<void()> task) {
  if (hwnd_ == nullptr) return;
  deferred_.push_back(std::move(task));
  // Posted messages come before input in the queue, so a posted task could run between a
  // button's press and its release. A timer message comes only when no input is waiting.
  SetTimer(hwnd_, kDeferredTimerId, USER_TIMER_MINIMUM, nullptr);
}

void MainWindow::runBusy(std::function<void()> work) {
  showBusy();
  work();
}

void MainWindow::showBusy() {
  busy_ = true;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  // A timer message comes only when nothing else waits, repaints included.
  SetTimer(hwnd_, kBusyTimerId, USER_TIMER_MINIMUM, nullptr);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->handleMessage(message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::TextProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR subclassId, DWORD_PTR data) {
  auto* self = reinterpret_cast<MainWindow*>(data);
  switch (message) {
    case WM_KILLFOCUS: {
      // Only WM_KILLFOCUS names the window that gains the focus (EN_KILLFOCUS does not).
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      self->onTextLostFocus(reinterpret_cast<HWND>(wParam));
      return result;
    }
    case WM_PASTE:
      // A long paste takes seconds in the control's own layout of the text.
      self->showBusy();
      break;
    case WM_KEYDOWN:
    case WM_CHAR:
      // A multi-line edit driven by IsDialogMessage posts WM_CLOSE to its parent on Esc, as if
      // it sat in a dialog with a cancel button; this window has none, so Esc does nothing.
      if (wParam == VK_ESCAPE) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &MainWindow::TextProc, subclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return createControls(reinterpret_cast<const CREATESTRUCTW*>(lParam)->hInstance) ? 0 : -1;
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NEXTDLGCTL:
      // A multi-line edit asks its parent to move the focus on Tab; DefWindowProc ignores it.
      moveFocus(wParam, lParam);
      return 0;
    case DM_GETDEFID: {
      // There is no default button, but Enter presses a focused push button, as in a dialog.
      // Text1 takes its Enter itself (a line break) before IsDialogMessage asks this.
      HWND focus = GetFocus();
      const bool button = focus != nullptr && IsChild(hwnd_, focus) &&
                          (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) != 0;
      return button ? MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID) : 0;
    }
    case WM_SETCURSOR:
      if (!busy_) break;
      SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      // Activation gives the focus to the window itself; hand it on as a dialog does.
      if (lastFocus_ != nullptr && IsWindow(lastFocus_)) SetFocus(lastFocus_);
      return 0;
    case WM_TIMER:
      if (wParam == kDeferredTimerId) runDeferredTasks();
      if (wParam == kBusyTimerId) endBusy();
      return 0;
    case WM_SETTINGCHANGE:
      // The desktop's fonts changed.
      if (wParam == SPI_SETNONCLIENTMETRICS) layOut(dpi_.windowDpi(hwnd_));
      break;
    case WM_DPICHANGED: {
      layOut(HIWORD(wParam));
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      KillTimer(hwnd_, kDeferredTimerId);
      KillTimer(hwnd_, kBusyTimerId);
      // A task may refer to Form1; none runs once its window is gone.
      deferred_.clear();
      if (onDestroy_ == OnDestroy::EndProgram) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      controls_.fill(nullptr);
      lastFocus_ = nullptr;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool MainWindow::createControls(HINSTANCE instance) {
  // Created in tab order: the z-order of the children is the order Tab visits them.
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    const ControlSpec& layout = kForm1Controls[i];
    const ControlClass kind = ClassOf(layout);
    const std::wstring text = ToWide(layout.text);
    const auto id = static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i));
    controls_[i] =
        CreateWindowExW(kind.exStyle, kind.name, text.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
                        0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(id), instance, nullptr);
    if (controls_[i] == nullptr) return false;
  }
  HWND box = control(ControlName::Text1);
  // The default limit (about 32,000 characters) would cut a long paste without a word; zero
  // raises it to the maximum.
  SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
  SetAccessibleName(box, texts::kArticleBoxName);
  if (!SetWindowSubclass(box, &MainWindow::TextProc, kTextSubclassId,
                         reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  lastFocus_ = box;
  return true;
}

void MainWindow::layOut(UINT dpi) {
  const std::optional<LOGFONTW> messageFont = dpi_.messageFont(dpi);
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    const PixelRect rect = kForm1Controls[i].pixels();
    MoveWindow(controls_[i], Scale(rect.x, dpi), Scale(rect.y, dpi), Scale(rect.width, dpi),
               Scale(rect.height, dpi), TRUE);
    if (!messageFont) continue;
    UniqueFont font = FittingFont(controls_[i], kForm1Controls[i].kind, *messageFont, dpi);
    if (!font) continue;
    SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    // The control no longer uses its old font, so that can go now.
    fonts_[i] = std::move(font);
  }
}

void MainWindow::onCommand(int id, int code) {
  const int index = id - kFirstControlId;
  if (form_ == nullptr || index < 0 || index >= static_cast<int>(kForm1Controls.size())) return;
  // BN_CLICKED and STN_CLICKED are both zero: a click of a button or of a notifying label.
  if (code != BN_CLICKED) return;
  form_->Click(kForm1Controls[static_cast<std::size_t>(index)].name);
}

void MainWindow::onTextLostFocus(HWND gainingFocus) {
  if (form_ == nullptr) return;
  // The window gaining the focus is named only when it belongs to this thread; switching to
  // another application or closing the window leaves it empty.
  const bool ownControl = gainingFocus != nullptr && IsChild(hwnd_, gainingFocus);
  form_->Text1_LostFocus(ownControl ? FocusDestination::OtherControl
                                    : FocusDestination::OutsideWindow);
}

void MainWindow::moveFocus(WPARAM wParam, LPARAM lParam) {
  HWND target = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                    : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
  if (target == nullptr) return;
  SetFocus(target);
  // As in a dialog, an edit reached from the keyboard has its text selected.
  if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageW(target, EM_SETSEL, 0, -1);
  }
}

void MainWindow::endBusy() {
  KillTimer(hwnd_, kBusyTimerId);
  busy_ = false;
  // The cursor would change back only with the next mouse move: ask the control under the mouse
  // for its cursor now, as that move would.
  POINT point{};
  GetCursorPos(&point);
  HWND under = WindowFromPoint(point);
  if (under == nullptr || (under != hwnd_ && !IsChild(hwnd_, under))) return;
  const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
}

void MainWindow::runDeferredTasks() {
  // A button pressed and not yet released still has its click to come.
  if (GetKeyState(VK_LBUTTON) < 0 || GetCapture() != nullptr) return;
  KillTimer(hwnd_, kDeferredTimerId);
  std::vector<std::function<void()>> tasks;
  tasks.swap(deferred_);
  for (auto& task : tasks) task();
}

void DeliverMessage(HWND window, MSG& message) {
  if (window != nullptr && IsDialogMessageW(window, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int RunMessageLoop(HWND window) {
  MSG message{};
  BOOL result = 0;
  while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) DeliverMessage(window, message);
  return result < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace wyc::ui::win32
