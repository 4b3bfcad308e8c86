// Form1, the one window: its event handlers, written once over the platform ports.
#pragma once

#include "core/random_source.h"
#include "ui/platform.h"

namespace wyc::ui {

class Form1 {
 public:
  // The ports and the source must outlive the form.
  Form1(WindowPort& window, SystemPort& system, RandomSource& random);

  // Before the window is first shown: attaches the skin engine.
  void Form_Load();
  // The backend calls this whenever Text1 loses the focus, saying where it went.
  void Text1_LostFocus(FocusDestination destination);
  // "开始伪原创": rewrites the article in place and copies it to the clipboard.
  void Command1_Click();
  // The web links.
  void Command2_Click();
  void Command3_Click();
  void Label2_Click();

 private:
  void promptForText();
  void showMessage(std::u16string_view text);
  void open(std::u16string_view address);

  WindowPort& window_;
  SystemPort& system_;
  RandomSource& random_;
  // A prompt waits for the user action that moved the focus to finish; it is shown once.
  bool promptPending_ = false;
};

}  // namespace wyc::ui
