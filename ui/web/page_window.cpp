// Builds Form1's window from the layout table into the page and translates between the page's
// elements and Form1.
#include "ui/web/page_window.h"

#include <cstddef>
#include <string>
#include <utility>

#include "ui/form1_layout.h"
#include "ui/form1_texts.h"
#include "ui/web/page_text.h"
#include "ui/web/script_handle.h"

namespace wyc::ui::web {
namespace {

using emscripten::val;

// Up to about this many characters a box lays its text out within a frame or two.
constexpr std::size_t kQuickTextUnits = 20'000;

// The OK button's label, as Chinese Windows and Qt's Chinese texts write it.
constexpr std::u16string_view kOk = u"确定";

val ById(const val& document, std::string_view id) {
  return document.call<val>("getElementById", std::string(id));
}

void SetText(val element, std::u16string_view text) {
  element.set("textContent", ToJsString(text));
}

// The element of a control: native elements, so that the browser gives them their keyboard
// handling and screen readers their roles.
val CreateControl(const val& document, const ControlSpec& layout) {
  switch (layout.kind) {
    case ControlKind::TextBox: {
      val box = document.call<val>("createElement", std::string("textarea"));
      box.set("value", ToJsString(layout.text));
      box.set("spellcheck", false);
      box.call<void>("setAttribute", std::string("aria-label"), ToJsString(texts::kArticleBoxName));
      box.call<void>("setAttribute", std::string("aria-describedby"),
                     std::string(NameOf(ControlName::Label1)));
      return box;
    }
    case ControlKind::PushButton: {
      val button = document.call<val>("createElement", std::string("button"));
      button.set("type", std::string("button"));
      SetText(button, layout.text);
      return button;
    }
    case ControlKind::Label: {
      val label = document.call<val>("createElement", std::string("span"));
      // A label that opens a page is a link to a screen reader, but takes no focus, as on the
      // desktop: no href, since Form1, not the browser, follows it.
      if (ClickHandlerOf(layout.name) != nullptr) {
        label.call<void>("setAttribute", std::string("role"), std::string("link"));
      }
      SetText(label, layout.text);
      return label;
    }
  }
  return val::null();
}

// The wide layout places each control as the table does; a narrow screen stacks them in the
// document's order, which is the table's and so the tab order.
void Place(const val& control, const ControlSpec& layout) {
  const PixelRect r = layout.pixels();
  val style = control["style"];
  const auto px = [](int pixels) { return std::to_string(pixels) + "px"; };
  style.call<void>("setProperty", std::string("--left"), px(r.x));
  style.call<void>("setProperty", std::string("--top"), px(r.y));
  style.call<void>("setProperty", std::string("--width"), px(r.width));
  style.call<void>("setProperty", std::string("--height"), px(r.height));
}

}  // namespace

PageWindow::PageWindow()
    : document_(val::global("document")),
      text1_(val::null()),
      dialog_(ById(document_, "message")),
      otherText_(val::undefined()) {
  document_.set("title", ToJsString(texts::kCaption));
  SetText(ById(document_, "caption"), texts::kCaption);
  SetText(ById(document_, "messageOk"), kOk);
  const val client = ById(document_, "client");
  client["style"].call<void>("setProperty", std::string("--client-width"),
                             std::to_string(kClientWidth) + "px");
  client["style"].call<void>("setProperty", std::string("--client-height"),
                             std::to_string(kClientHeight) + "px");
  for (const ControlSpec& layout : kForm1Controls) {
    val control = CreateControl(document_, layout);
    control.set("id", std::string(NameOf(layout.name)));
    control["classList"].call<void>("add", std::string("control"));
    Place(control, layout);
    client.call<void>("append", control);
    if (layout.name == ControlName::Text1) text1_ = control;
  }
}

void PageWindow::bind(Form1& form) {
  form_ = &form;
  val::module_property("connect")(val(this));
}

void PageWindow::show() {
  focus(ControlName::Text1);
  // The placeholder is selected, so the first typing or paste replaces it.
  text1_.call<void>("select");
  // The moment the page takes input, for whoever measures it.
  val::global("performance").call<void>("mark", std::string("weiyuanchuang:ready"));
}

std::u16string PageWindow::text() const { return ArticleFromBoxValue(text1_["value"]); }

void PageWindow::replaceText(std::u16string_view text) {
  otherText_ = text1_["value"];
  undo_ = Undo::CanUndo;
  // Without scroll bars the box shows where its caret is: the start of the new text. Scrolled
  // back while the old text is still laid out, since scrolling over text not laid out yet lays
  // it out at once (in WebKit, most of a short run's time).
  text1_.set("scrollTop", 0);
  text1_.set("value", LfTextFromArticle(text));
  text1_.call<void>("setSelectionRange", 0, 0);
}

void PageWindow::focus(ControlName control) {
  // A label's <span> cannot take the focus: the browser ignores the call.
  ById(document_, NameOf(control)).call<void>("focus");
}

void PageWindow::showMessage(std::u16string_view text, std::u16string_view title,
                             std::function<void()> closed) {
  messages_.push_back({std::u16string(text), std::u16string(title), std::move(closed)});
  // The page has one box: the next waits until it is closed.
  if (!dialog_["open"].as<bool>()) showFrontMessage();
}

void PageWindow::showFrontMessage() {
  const Message& message = messages_.front();
  SetText(ById(document_, "messageTitle"), message.title);
  SetText(ById(document_, "messageText"), message.text);
  // The rest of the page is inert until the box is closed; Esc closes it.
  dialog_.call<void>("showModal");
  ById(document_, "messageOk").call<void>("focus");
}

void PageWindow::messageClosed() {
  if (messages_.empty()) return;
  Message closed = std::move(messages_.front());
  messages_.pop_front();
  if (closed.closed) closed.closed();
  if (!messages_.empty() && !dialog_["open"].as<bool>()) showFrontMessage();
}

void PageWindow::runAfterCurrentInput(std::function<void()> task) {
  afterInput_.push_back(std::move(task));
  if (afterInput_.size() == 1) val::module_property("afterInput")(val(this));
}

void PageWindow::inputFinished() {
  for (auto& task : std::exchange(afterInput_, {})) task();
}

void PageWindow::runBusy(std::function<void()> work) {
  document_["documentElement"]["classList"].call<void>("add", std::string("busy"));
  // Laying out a long text blocks the page for seconds, and Chromium changes the pointer's shape
  // only on a timer that the block would hold up: such a run waits until the cursor shows.
  if (text1_["textLength"].as<std::size_t>() > kQuickTextUnits) {
    busyWork_.push_back(std::move(work));
    if (busyWork_.size() == 1) val::module_property("afterCursorShows")(val(this));
    return;
  }
  work();
  val::module_property("afterRepaint")(val(this));
}

void PageWindow::cursorShown() {
  for (auto& work : std::exchange(busyWork_, {})) work();
  val::module_property("afterRepaint")(val(this));
}

void PageWindow::repainted() {
  if (!busyWork_.empty()) return;  // a waiting run keeps the cursor
  document_["documentElement"]["classList"].call<void>("remove", std::string("busy"));
}

bool PageWindow::click(const std::string& id) {
  for (const ControlSpec& layout : kForm1Controls) {
    if (NameOf(layout.name) != id) continue;
    if (form_ == nullptr || ClickHandlerOf(layout.name) == nullptr) return false;
    form_->Click(layout.name);
    return true;
  }
  return false;
}

void PageWindow::textLostFocus(const std::string& id) {
  if (form_ == nullptr) return;
  // Another tab or application, the message box, or no element at all: not one of the window's
  // controls. The box's context menu takes no focus from it.
  bool toControl = false;
  for (const ControlSpec& layout : kForm1Controls) toControl |= NameOf(layout.name) == id;
  form_->Text1_LostFocus(toControl ? FocusDestination::OtherControl
                                   : FocusDestination::OutsideWindow);
}

bool PageWindow::undo(bool redo) {
  if (undo_ != (redo ? Undo::CanRedo : Undo::CanUndo)) return false;
  val shown = text1_["value"];
  text1_.set("value", otherText_);
  otherText_ = std::move(shown);
  undo_ = redo ? Undo::CanUndo : Undo::CanRedo;
  return true;
}

void PageWindow::share(const val& title, const val& text, const val& address) {
  if (form_ == nullptr) return;
  form_->Form_Share(ArticleFromBoxValue(title), ArticleFromBoxValue(text),
                    ArticleFromBoxValue(address));
}

void PageWindow::textEdited() {
  // From here on the browser's own undo history holds the user's edits.
  undo_ = Undo::None;
  otherText_ = val::undefined();
}

}  // namespace wyc::ui::web
