// Form1's behaviour. Every rule of the window lives here, over the platform ports.
#include "ui/form1.h"

#include <string>

#include "core/line_filter.h"
#include "core/line_shuffle.h"
#include "ui/form1_texts.h"

namespace wyc::ui {

Form1::Form1(WindowPort& window, SystemPort& system, RandomSource& random)
    : window_(window), system_(system), random_(random) {}

void Form1::Form_Load() {
  const std::u16string directory = system_.applicationDirectory();
  NarrowText skinPath = system_.toSystemNarrow(directory + std::u16string(texts::kSkinFileSuffix));
  if (!skinPath.exact) {
    // A folder name outside the ANSI code page: its short form is plain ASCII.
    skinPath = system_.toSystemNarrow(system_.shortPath(directory) +
                                      std::u16string(texts::kSkinFileSuffix));
  }
  system_.attachSkin(skinPath.bytes, system_.toSystemNarrow(u"").bytes);
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
  random_.reseed(SeedFromTimeOfDay(system_.secondsSinceMidnight()));
  const std::u16string article = window_.text();
  const std::u16string filtered = LineFilter(article);
  if (filtered.empty()) {
    // No line to shuffle: keep the box and the user's clipboard as they are.
    promptPending_ = false;
    promptForText();
    return;
  }
  window_.replaceText(RndLine(filtered, random_));
  // The clipboard gets what the box holds now, read back, not the computed string.
  const bool copied = system_.clearClipboard() && system_.setClipboardText(window_.text());
  if (!copied) showMessage(texts::kClipboardFailed);
}

void Form1::Command2_Click() { open(texts::kWebsiteAddress); }
void Form1::Command3_Click() { open(texts::kMicroblogAddress); }
void Form1::Label2_Click() { open(texts::kWebsiteAddress); }

void Form1::promptForText() {
  showMessage(texts::kEmptyTextPrompt);
  window_.focusText();
}

void Form1::showMessage(std::u16string_view text) {
  window_.showMessage(text, texts::kApplicationTitle);
}

void Form1::open(std::u16string_view address) {
  if (system_.openAddress(address)) return;
  std::u16string message(texts::kOpenAddressFailed);
  message += address;
  showMessage(message);
}

}  // namespace wyc::ui
