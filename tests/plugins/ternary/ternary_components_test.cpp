// The principal-component display. Its texts and legend samples lie left of the triangle,
// partly outside the designed client area, so these runs widen the window first.
#include <gtest/gtest.h>

#include "ternary_viewer.h"

namespace plot::testing {
namespace {

constexpr int32_t kWideWidth = 1500;

class TernaryComponents : public ::testing::Test {
 protected:
  void SetUp() override {
    v.data.graella = "pc";
    // The first component: a polyline of three points; the second: one horizontal segment.
    set(v.components().Punts1, {{{0.2, 0.15}, {0.5, 0.15}, {0.8, 0.25}}});
    v.components().long1 = 3;
    set(v.components().Punts2, {{{0.2, 0.4}, {0.8, 0.4}, {0, 0}}});
    v.components().long2 = 2;
    v.components().cpe[0] = 0.75f;
    v.components().cpe[1] = 1;
  }

  static void set(Punt (&points)[151], std::array<std::array<double, 2>, 3> xy) {
    for (std::size_t i = 0; i < 3; ++i) {
      points[i].X = xy[i][0];
      points[i].Y = xy[i][1];
    }
  }

  void show_wide() {
    v.show();
    v.form().window().user_resize(kWideWidth, client_height(profile_of(PluginKind::ternary)));
    ASSERT_EQ(v.picture().width, kWideWidth);
  }

  TernaryViewer v;
};

TEST_F(TernaryComponents, FirstRedSolidSecondBlueDashed) {
  show_wide();
  // Red and unbroken along both segments of the first component.
  int red = 0;
  int total = 0;
  for (double x = 0.22; x < 0.48; x += 0.005, ++total) red += v.seen_near(x, 0.15, kRed);
  EXPECT_EQ(red, total);
  EXPECT_TRUE(v.seen_near(0.65, 0.2, kRed));
  // Blue with gaps along the second.
  EXPECT_GT(v.count_between(kBlue, 0.25, 0.39, 0.75, 0.41), 200);
  const WindowPoint a = v.at(0.25, 0.4);
  int gaps = 0;
  bool in_gap = false;
  for (auto x = static_cast<int32_t>(a.x); x < static_cast<int32_t>(v.at(0.75, 0.4).x); ++x) {
    bool any = false;
    for (int dy = -1; dy <= 1; ++dy)
      any = any || v.pixel(x, static_cast<int32_t>(a.y) + dy) == kBlue;
    if (!any && !in_gap) ++gaps;
    in_gap = !any;
  }
  EXPECT_GT(gaps, 5);
}

TEST_F(TernaryComponents, LegendSamplesAndTexts) {
  show_wide();
  // Red solid beside cpe(0) and pc(0..2), blue dashed beside cpe(1) and pc(3..5).
  for (const double y : {1.06, 0.86}) {
    EXPECT_GT(v.count_between(kRed, -0.4, y - 0.003, -0.32, y + 0.003), 40) << y;
    EXPECT_EQ(v.count_between(kBlue, -0.4, y - 0.003, -0.32, y + 0.003), 0) << y;
  }
  for (const double y : {1.01, 0.81}) {
    const int blue = v.count_between(kBlue, -0.4, y - 0.003, -0.32, y + 0.003);
    EXPECT_GT(blue, 20) << y;
    EXPECT_EQ(v.count_between(kRed, -0.4, y - 0.003, -0.32, y + 0.003), 0) << y;
  }
  // The heading, cpe(0), cpe(1), the heading of the coefficients and their two rows.
  for (const auto& [x, y] : std::array<std::array<double, 2>, 6>{
           {{-0.4, 1.1}, {-0.3, 1.045}, {-0.3, 1.0}, {-0.4, 0.9}, {-0.3, 0.845}, {-0.3, 0.8}}})
    EXPECT_GT(v.ink_between(x, y, x + 0.1, y + 0.03), 20) << x << ", " << y;
}

TEST_F(TernaryComponents, ShortPolylinesDrawOnlyTheirSamples) {
  for (const int16_t count : {int16_t{1}, int16_t{0}, int16_t{-32768}}) {
    v.components().long1 = count;
    v.components().long2 = count;
    show_wide();
    EXPECT_EQ(v.count_between(kRed, 0.1, 0.05, 0.9, 0.5), 0) << count;
    EXPECT_EQ(v.count_between(kBlue, 0.1, 0.05, 0.9, 0.5), 0) << count;
    EXPECT_GT(v.count_between(kRed, -0.4, 1.057, -0.32, 1.063), 40) << count;
    EXPECT_GT(v.count_between(kBlue, -0.4, 1.007, -0.32, 1.013), 20) << count;
  }
}

}  // namespace
}  // namespace plot::testing
