// The layout table: positions in pixels, tab order and focus.
#include "ui/form1_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace wyc::ui {
namespace {

TEST(Form1Layout, PixelPositionsAtFifteenTwipsPerPixel) {
  struct Row {
    ControlName name;
    PixelRect pixels;
  };
  const Row rows[] = {
      {ControlName::Text1, {16, 32, 537, 449}},    {ControlName::Command1, {568, 88, 89, 57}},
      {ControlName::Label1, {24, 8, 609, 17}},     {ControlName::Command2, {568, 208, 89, 57}},
      {ControlName::Command3, {568, 328, 89, 73}}, {ControlName::Label2, {80, 496, 401, 17}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(LayoutOf(row.name).pixels(), row.pixels) << static_cast<int>(row.name);
    const PixelRect r = LayoutOf(row.name).pixels();
    EXPECT_LE(r.x + r.width, kClientWidth);
    EXPECT_LE(r.y + r.height, kClientHeight);
  }
  EXPECT_EQ(kClientWidth, 688);
  EXPECT_EQ(kClientHeight, 528);
}

TEST(Form1Layout, FocusMovesThroughTheBoxAndTheButtonsOnly) {
  std::vector<ControlName> focusOrder;
  int lastTabIndex = -1;
  for (const auto& layout : kForm1Controls) {
    EXPECT_GT(layout.tabIndex, lastTabIndex);
    lastTabIndex = layout.tabIndex;
    if (layout.takesFocus()) focusOrder.push_back(layout.name);
  }
  EXPECT_EQ(focusOrder, (std::vector<ControlName>{ControlName::Text1, ControlName::Command1,
                                                  ControlName::Command2, ControlName::Command3}));
}

TEST(Form1Layout, FooterShowsTheWebsiteAddressItOpens) {
  EXPECT_NE(LayoutOf(ControlName::Label2).text.find(texts::kWebsiteAddress),
            std::u16string_view::npos);
  EXPECT_TRUE(texts::kWebsiteAddress.starts_with(u"http://"));
}

}  // namespace
}  // namespace wyc::ui
