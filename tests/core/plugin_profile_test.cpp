#include "core/profile/plugin_profile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace plot {
namespace {

// What every row must hold together; the values themselves are the pictures' to check.
class PluginProfileRow : public ::testing::TestWithParam<PluginProfile> {};

TEST_P(PluginProfileRow, ColumnsAgreeWithEachOther) {
  const PluginProfile& p = GetParam();
  EXPECT_TRUE(p.data_class.starts_with("CDades_")) << p.data_class;
  EXPECT_TRUE(p.renderer_class.starts_with("COpenGL_")) << p.renderer_class;
  EXPECT_EQ(twips_to_pixels(p.layout.client_height), 734);
  // The 3D viewers have the eight camera buttons and steps for them; the 2D ones neither.
  const std::size_t buttons = p.three_d ? 9 : 1;
  EXPECT_EQ(p.layout.buttons.size(), buttons);
  EXPECT_EQ(p.rotation_step > 0 && p.zoom_step > 0, p.three_d);
  // Sortir comes first in the layout and in the tab order, and every button is in both.
  EXPECT_EQ(p.layout.buttons.front().id, ButtonId::Sortir);
  EXPECT_EQ(p.layout.tab_order.front(), ButtonId::Sortir);
  std::set<ButtonId> placed, tabbed;
  for (const auto& b : p.layout.buttons) placed.insert(b.id);
  for (const auto id : p.layout.tab_order) tabbed.insert(id);
  EXPECT_EQ(placed.size(), buttons);
  EXPECT_EQ(placed, tabbed);
}

INSTANTIATE_TEST_SUITE_P(EveryPlugin, PluginProfileRow, ::testing::ValuesIn(all_profiles()),
                         [](const auto& row) { return std::string(row.param.deliverable); });

TEST(PluginProfile, ButtonsInPixelsAndByName) {
  EXPECT_EQ(twips_to_pixels(button_size_twips(ButtonId::Sortir).width), 97);
  EXPECT_EQ(twips_to_pixels(button_size_twips(ButtonId::Sortir).height), 41);
  EXPECT_EQ(twips_to_pixels(button_size_twips(ButtonId::inc_zoom).width), 49);
  EXPECT_EQ(twips_to_pixels(button_size_twips(ButtonId::Rot_Z).width), 89);
  EXPECT_EQ(button_caption(ButtonId::Rot_YY), "Rot Y +");
  EXPECT_EQ(button_caption(ButtonId::dec_zoom), "zoom -");
  EXPECT_EQ(button_name(ButtonId::Rot_XX), "Rot_XX");
  EXPECT_EQ(button_by_name("inc_zoom"), ButtonId::inc_zoom);
  EXPECT_FALSE(button_by_name("Rot_W"));
}

}  // namespace
}  // namespace plot
