// Form1's window in a web page: the controls built from the layout table inside the page's
// window frame, the page's events handed to Form1, and Form1's requests carried out on the
// elements. The page's script only carries events here (ui/web/page.js).
#pragma once

#include <emscripten/val.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form1.h"
#include "ui/ports.h"

namespace wyc::ui::web {

class PageWindow final : public WindowPort {
 public:
  // Builds the controls into the page.
  PageWindow();
  PageWindow(const PageWindow&) = delete;
  PageWindow& operator=(const PageWindow&) = delete;
  ~PageWindow() override = default;

  // From now on the page's events reach `form`, which must outlive the window.
  void bind(Form1& form);
  // Gives Text1 the focus with its placeholder selected.
  void show();

  [[nodiscard]] std::u16string text() const override;
  void replaceText(std::u16string_view text) override;
  void focus(ControlName control) override;
  void showMessage(std::u16string_view text, std::u16string_view title,
                   std::function<void()> closed) override;
  void runAfterCurrentInput(std::function<void()> task) override;
  void runBusy(std::function<void()> work) override;

  // What the page's script reports. `id` is an element's id, empty for none.
  // A click on an element; true when Form1 handles it, so the browser's own action is dropped.
  bool click(const std::string& id);
  // Text1 lost the focus to the element `id`.
  void textLostFocus(const std::string& id);
  // Ctrl+Z (or, with `redo`, Ctrl+Y): true when it undid or redid a rewrite.
  bool undo(bool redo);
  // The user changed Text1's text.
  void textEdited();
  // The user action that was being delivered has been carried out.
  void inputFinished();
  // The busy cursor has had time to show.
  void cursorShown();
  // The page has been repainted since the last busy run.
  void repainted();
  // The message box has been closed.
  void messageClosed();
  // Another app shared its title, text and address (strings with LF line breaks) to the
  // installed page.
  void share(const emscripten::val& title, const emscripten::val& text,
             const emscripten::val& address);

 private:
  struct Message {
    std::u16string text, title;
    std::function<void()> closed;
  };
  void showFrontMessage();

  emscripten::val document_;
  emscripten::val text1_;
  emscripten::val dialog_;
  Form1* form_ = nullptr;
  std::vector<std::function<void()>> afterInput_;
  // Busy runs waiting for their cursor to show.
  std::vector<std::function<void()>> busyWork_;
  std::deque<Message> messages_;
  // A browser box forgets its undo history when its value is set: the text on the other side of
  // the last rewrite is kept here instead, until the user edits the box.
  emscripten::val otherText_;
  enum class Undo { None, CanUndo, CanRedo } undo_ = Undo::None;
};

}  // namespace wyc::ui::web
