// Form1, the one window: its event handlers, written once over the platform ports.
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "core/random_source.h"
#include "ui/form1_layout.h"
#include "ui/ports.h"

namespace wyc::ui {

// What Form1 uses besides its window. All must outlive the form.
struct Form1Services {
  ClipboardPort& clipboard;
  AddressLauncher& launcher;
  Clock& clock;
  RandomSource& random;
  SkinPort* skin = nullptr;  // none where the platform has no skin engine
};

class Form1 {
 public:
  Form1(WindowPort& window, Form1Services services);

  // Before the window is first shown: attaches the skin engine.
  void Form_Load();
  // Text another app shared to this one: its title, text and address, with CR LF line breaks,
  // any of them empty. Those with text become the article's lines in that order, replacing the
  // article as a paste would, so Ctrl+Z brings back the one it replaced; the focus then waits on
  // "开始伪原创" so that one tap or Enter rewrites it. A share with no text at all changes nothing.
  void Form_Share(std::u16string_view title, std::u16string_view text, std::u16string_view address);
  // The backend calls this whenever Text1 loses the focus, saying where it went.
  void Text1_LostFocus(FocusDestination destination);
  // "开始伪原创": rewrites the article in place and copies it to the clipboard.
  void Command1_Click();
  // The web links.
  void Command2_Click();
  void Command3_Click();
  void Label2_Click();
  // A click on `control`, as a backend reports it: runs that control's handler, if it has one.
  void Click(ControlName control);

 private:
  void rewrite();
  void promptForText();
  void showMessage(std::u16string_view text, std::function<void()> closed = {});
  void open(std::u16string_view address);

  WindowPort& window_;
  Form1Services services_;
  // A prompt waits for the user action that moved the focus to finish; it is shown once.
  bool promptPending_ = false;
};

// Which control's click runs which handler: backends connect exactly these controls.
struct ClickHandler {
  ControlName control;
  void (Form1::*handler)();
};
inline constexpr std::array<ClickHandler, 4> kClickHandlers{{
    {ControlName::Command1, &Form1::Command1_Click},
    {ControlName::Command2, &Form1::Command2_Click},
    {ControlName::Command3, &Form1::Command3_Click},
    {ControlName::Label2, &Form1::Label2_Click},
}};

// The handler of `control`'s click, or nullptr for a control that reacts to none.
constexpr const ClickHandler* ClickHandlerOf(ControlName control) {
  for (const ClickHandler& binding : kClickHandlers) {
    if (binding.control == control) return &binding;
  }
  return nullptr;
}

}  // namespace wyc::ui
