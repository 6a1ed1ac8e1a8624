#include "core/profile/plugin_profile.h"

#include <gtest/gtest.h>

#include <set>

namespace plot {
namespace {

// The constants in which the eight plug-ins differ, one expectation row per plug-in.
struct Expected {
  PluginKind kind;
  int32_t glyphs;
  double fov;
  Vec3 eye;
  float rotation;
  double zoom;
  bool grey5;
  int32_t client_w;
  int32_t axes;
  std::size_t buttons;
};

TEST(PluginProfile, EveryRowHoldsItsPluginsConstants) {
  const Expected rows[] = {
      {PluginKind::biplot, 224, 15, {0, 0, 10}, 0, 0, true, 918, 1, 1},
      {PluginKind::Havrel, 224, 15, {0, 0, 10}, 5, 5, true, 918, 1, 9},
      {PluginKind::Pellin, 96, 15, {0, 0, 10}, 0, 0, false, 918, 1, 1},
      {PluginKind::Tormin, 96, 10, {-10, 10, 10}, 20, 2, false, 918, 1, 9},
      {PluginKind::ternary, 224, 25, {0, 0, 3}, 0, 0, true, 917, 5, 1},
      {PluginKind::Quadrel, 224, 25, {0, 0, 3}, 5, 5, true, 917, 5, 9},
      {PluginKind::Vorn, 96, 25, {0, 0, 3}, 0, 0, false, 918, 5, 1},
      {PluginKind::Vornc, 96, 25, {0, 0, 3}, 0, 0, false, 918, 5, 1},
  };
  for (const Expected& e : rows) {
    const PluginProfile& p = profile_of(e.kind);
    SCOPED_TRACE(std::string(p.deliverable));
    EXPECT_EQ(p.glyph_count, e.glyphs);
    EXPECT_EQ(p.field_of_view, e.fov);
    EXPECT_EQ(p.eye.x, e.eye.x);
    EXPECT_EQ(p.eye.y, e.eye.y);
    EXPECT_EQ(p.eye.z, e.eye.z);
    EXPECT_EQ(p.rotation_step, e.rotation);
    EXPECT_EQ(p.zoom_step, e.zoom);
    EXPECT_EQ(p.grey_background_code, e.grey5);
    EXPECT_EQ(twips_to_pixels(p.layout.client_width), e.client_w);
    EXPECT_EQ(twips_to_pixels(p.layout.client_height), 734);
    EXPECT_EQ(p.axes_half_length, e.axes);
    EXPECT_EQ(p.layout.buttons.size(), e.buttons);
    EXPECT_EQ(p.layout.tab_order.size(), e.buttons);
    EXPECT_EQ(p.three_d, e.buttons == 9);
    // Sortir comes first in the layout and in the tab order, and every button is in both.
    EXPECT_EQ(p.layout.buttons.front().id, ButtonId::Sortir);
    EXPECT_EQ(p.layout.tab_order.front(), ButtonId::Sortir);
    std::set<ButtonId> placed, tabbed;
    for (const auto& b : p.layout.buttons) placed.insert(b.id);
    for (const auto id : p.layout.tab_order) tabbed.insert(id);
    EXPECT_EQ(placed, tabbed);
    EXPECT_EQ(placed.size(), e.buttons);
    // The three plug-ins without grey have no grey clear colour either... except the region
    // plots, which start white.
    const bool white = e.kind == PluginKind::Vorn || e.kind == PluginKind::Vornc;
    EXPECT_EQ(p.initial_clear_colour.r, white ? 1.0f : 0.2f);
    EXPECT_EQ(p.unload == UnloadVariant::ReleaseRenderer, white);
  }
}

TEST(PluginProfile, ColourDefaultsMarkersAndMembers) {
  EXPECT_FALSE(profile_of(PluginKind::biplot).colorp_default);
  EXPECT_FALSE(profile_of(PluginKind::Havrel).colorp_default);
  for (auto kind :
       {PluginKind::Pellin, PluginKind::Tormin, PluginKind::ternary, PluginKind::Quadrel}) {
    EXPECT_EQ(profile_of(kind).colorp_default, int16_t{4});
    EXPECT_FALSE(profile_of(kind).colorf_default);
  }
  for (auto kind : {PluginKind::Vorn, PluginKind::Vornc}) {
    EXPECT_EQ(profile_of(kind).colorp_default, int16_t{1});
    EXPECT_EQ(profile_of(kind).colorf_default, int16_t{0});
  }
  EXPECT_FALSE(profile_of(PluginKind::Vorn).has_markers);
  EXPECT_FALSE(profile_of(PluginKind::Vorn).exposes_field_of_view);
  EXPECT_EQ(profile_of(PluginKind::ternary).dot_point_size, 8);
  EXPECT_EQ(profile_of(PluginKind::Vornc).dot_point_size, 8);
  EXPECT_EQ(profile_of(PluginKind::Tormin).dot_point_size, 5);
  EXPECT_TRUE(profile_of(PluginKind::biplot).outlier_mark);
  EXPECT_FALSE(profile_of(PluginKind::ternary).outlier_mark);
}

TEST(PluginProfile, ButtonsInPixels) {
  const PluginProfile& tormin = profile_of(PluginKind::Tormin);
  // alr_3D: Rot_XX at 240, 9720 twips; Sortir at 12240, 9840.
  EXPECT_EQ(tormin.layout.buttons[1].id, ButtonId::Rot_XX);
  EXPECT_EQ(twips_to_pixels(tormin.layout.buttons[1].left), 16);
  EXPECT_EQ(twips_to_pixels(tormin.layout.buttons[1].top), 648);
  EXPECT_EQ(twips_to_pixels(button_size_twips(ButtonId::Sortir).width), 97);
  EXPECT_EQ(twips_to_pixels(button_size_twips(ButtonId::Sortir).height), 41);
  EXPECT_EQ(twips_to_pixels(button_size_twips(ButtonId::inc_zoom).width), 49);
  EXPECT_EQ(twips_to_pixels(button_size_twips(ButtonId::Rot_Z).width), 89);
  EXPECT_EQ(button_caption(ButtonId::Rot_YY), "Rot Y +");
  EXPECT_EQ(button_caption(ButtonId::dec_zoom), "zoom -");
  EXPECT_EQ(button_by_name("inc_zoom"), ButtonId::inc_zoom);
  EXPECT_FALSE(button_by_name("Rot_W"));
  const PluginProfile& td = profile_of(PluginKind::Quadrel);
  EXPECT_EQ(td.layout.tab_order[1], ButtonId::inc_zoom);
  EXPECT_EQ(td.layout.tab_order[8], ButtonId::Rot_Z);
  EXPECT_EQ(td.caption, "ternary");
  EXPECT_EQ(profile_of(PluginKind::Tormin).caption, "alr");
  EXPECT_EQ(profile_of(PluginKind::Vorn).caption, "VORN_Predictive");
}

}  // namespace
}  // namespace plot
