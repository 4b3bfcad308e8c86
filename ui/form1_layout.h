// Form1's layout table: the controls in tab order, placed in twips from the top-left corner
// of the client area, at 15 twips per pixel (96 dpi).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "ui/form1_texts.h"

namespace wyc::ui {

inline constexpr int kTwipsPerPixel = 15;

enum class ControlName { Text1, Command1, Label1, Command2, Command3, Label2 };
enum class ControlKind { TextBox, PushButton, Label };

struct PixelRect {
  int x, y, width, height;
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct ControlSpec {
  ControlName name;
  ControlKind kind;
  std::u16string_view text;
  int left, top, width, height;  // twips
  int tabIndex;

  // Device-independent pixels at 96 dpi.
  [[nodiscard]] constexpr PixelRect pixels() const {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
  }
  // Labels take no focus.
  [[nodiscard]] constexpr bool takesFocus() const { return kind != ControlKind::Label; }
};

inline constexpr int kClientWidthTwips = 10320;
inline constexpr int kClientHeightTwips = 7920;
inline constexpr int kClientWidth = kClientWidthTwips / kTwipsPerPixel;    // 688
inline constexpr int kClientHeight = kClientHeightTwips / kTwipsPerPixel;  // 528

inline constexpr std::array<ControlSpec, 6> kForm1Controls{{
    {ControlName::Text1, ControlKind::TextBox, texts::kPlaceholder, 240, 480, 8055, 6735, 0},
    {ControlName::Command1, ControlKind::PushButton, texts::kStart, 8520, 1320, 1335, 855, 1},
    {ControlName::Label1, ControlKind::Label, texts::kDescription, 360, 120, 9135, 255, 2},
    {ControlName::Command2, ControlKind::PushButton, texts::kWebsiteButton, 8520, 3120, 1335, 855,
     3},
    {ControlName::Command3, ControlKind::PushButton, texts::kMicroblogButton, 8520, 4920, 1335,
     1095, 4},
    {ControlName::Label2, ControlKind::Label, texts::kFooter, 1200, 7440, 6015, 255, 5},
}};

// The control's name, by which tests, accessibility tools and a page's script know it.
constexpr std::string_view NameOf(ControlName name) {
  switch (name) {
    case ControlName::Text1:
      return "Text1";
    case ControlName::Command1:
      return "Command1";
    case ControlName::Label1:
      return "Label1";
    case ControlName::Command2:
      return "Command2";
    case ControlName::Command3:
      return "Command3";
    case ControlName::Label2:
      return "Label2";
  }
  return {};
}

// The control's row in the layout table, which is also its place in the tab order.
constexpr std::size_t IndexOf(ControlName name) {
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    if (kForm1Controls[i].name == name) return i;
  }
  return 0;  // unreachable: every name has a row
}

constexpr const ControlSpec& LayoutOf(ControlName name) { return kForm1Controls[IndexOf(name)]; }

}  // namespace wyc::ui
