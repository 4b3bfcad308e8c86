// Form1's behaviour. Every rule of the window lives here, over the platform ports.
#include "ui/form1.h"

#include <new>
#include <string>
#include <utility>

#include "core/line_list.h"
#include "core/rewrite.h"
#include "ui/form1_texts.h"

namespace wyc::ui {

Form1::Form1(WindowPort& window, Form1Services services) : window_(window), services_(services) {}

void Form1::Form_Load() {
  if (services_.skin == nullptr) return;
  services_.skin->attach(services_.skin->applicationDirectory() + std::u16string(texts::kSkinFile),
                         u"");
}

void Form1::Form_Share(std::u16string_view title, std::u16string_view text,
                       std::u16string_view address) {
  LineList<char16_t> lines;
  for (const std::u16string_view field : {title, text, address}) {
    if (!field.empty()) lines.push_back(field);
  }
  if (lines.empty()) return;
  window_.replaceText(JoinLines<char16_t>(lines, kCrLf<char16_t>));
  window_.focus(ControlName::Command1);
}

void Form1::Text1_LostFocus(FocusDestination destination) {
  // Switching to another application, opening a popup or closing the window is not leaving
  // the box for the window's next control.
  if (destination != FocusDestination::OtherControl) return;
  if (promptPending_ || !window_.text().empty()) return;
  // A modal box opened inside the focus change would swallow the click that caused it.
  promptPending_ = true;
  window_.runAfterCurrentInput([this] {
    if (!promptPending_) return;  // the click itself already prompted
    promptPending_ = false;
    if (window_.text().empty()) promptForText();
  });
}

void Form1::Command1_Click() {
  // A large article takes seconds, mostly in the toolkit's own layout of the new text.
  window_.runBusy([this] { rewrite(); });
}

void Form1::rewrite() {
  RandomSource& random = services_.random;
  random.reseed(SeedFromTimeOfDay(services_.clock.secondsSinceMidnight()));
  std::u16string rewritten;
  try {
    rewritten = RewriteArticle(window_.text(), random);
  } catch (const std::bad_alloc&) {
    // Nothing has been touched yet: the box and the clipboard keep what they had.
    showMessage(texts::kOutOfMemory);
    return;
  }
  if (rewritten.empty()) {
    // No line to shuffle: keep the box and the user's clipboard as they are.
    promptPending_ = false;
    promptForText();
    return;
  }
  window_.replaceText(rewritten);
  if (!services_.clipboard.clear()) {
    showMessage(texts::kClipboardFailed);
    return;
  }
  // The clipboard gets what the box holds now, read back, not the computed string.
  services_.clipboard.setText(window_.text(), [this](bool copied) {
    if (!copied) showMessage(texts::kClipboardFailed);
  });
}

void Form1::Command2_Click() { open(texts::kWebsiteAddress); }
void Form1::Command3_Click() { open(texts::kMicroblogAddress); }
void Form1::Label2_Click() { open(texts::kWebsiteAddress); }

void Form1::Click(ControlName control) {
  if (const ClickHandler* binding = ClickHandlerOf(control)) (this->*binding->handler)();
}

void Form1::promptForText() {
  showMessage(texts::kEmptyTextPrompt, [this] { window_.focus(ControlName::Text1); });
}

void Form1::showMessage(std::u16string_view text, std::function<void()> closed) {
  window_.showMessage(text, texts::kApplicationTitle, std::move(closed));
}

void Form1::open(std::u16string_view address) {
  if (services_.launcher.open(address)) return;
  std::u16string message(texts::kOpenAddressFailed);
  message += address;
  showMessage(message);
}

}  // namespace wyc::ui
