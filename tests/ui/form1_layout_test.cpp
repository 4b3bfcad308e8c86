// The layout table's shape: what a wrong number in it would break.
#include "ui/form1_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace wyc::ui {
namespace {

TEST(Form1Layout, ControlsFitTheClientAreaApartAndTheButtonsStandInOneEvenColumn) {
  std::vector<PixelRect> buttons;
  for (const ControlSpec& layout : kForm1Controls) {
    const PixelRect r = layout.pixels();
    EXPECT_LE(r.x + r.width, kClientWidth);
    EXPECT_LE(r.y + r.height, kClientHeight);
    for (const ControlSpec& other : kForm1Controls) {
      const PixelRect o = other.pixels();
      const bool apart = r.x + r.width <= o.x || o.x + o.width <= r.x || r.y + r.height <= o.y ||
                         o.y + o.height <= r.y;
      EXPECT_TRUE(&layout == &other || apart) << static_cast<int>(layout.name);
    }
    if (layout.kind == ControlKind::PushButton) buttons.push_back(r);
  }
  ASSERT_EQ(buttons.size(), 3U);
  for (const PixelRect& button : buttons) {
    EXPECT_EQ(button.x, buttons[0].x);
    EXPECT_EQ(button.width, buttons[0].width);
  }
  EXPECT_EQ(buttons[1].y - buttons[0].y, buttons[2].y - buttons[1].y);
}

}  // namespace
}  // namespace wyc::ui
