// What the 3D log-ratio plot draws, read back at model points projected from the corner eye
// (-10, 10, 10).
#include <gtest/gtest.h>

#include <cmath>

#include "tormin_viewer.h"

namespace plot::testing {
namespace {

// Additive log-ratios (0.5, 0.3, -0.4) and their mirror images: every range rounds to 2, so
// the plotted points are the halves.
Observation at_alr(double a, double b, double c, int group) {
  return {{std::exp(a), std::exp(b), std::exp(c), 1}, group};
}
const std::vector<Observation> kCloud = {at_alr(0.5, 0.3, -0.4, 3), at_alr(-0.5, -0.3, 0.4, 4),
                                         at_alr(0.5, -0.3, 0.4, 0)};
constexpr Vec3 kFirst = {0.25, 0.15, -0.2};
constexpr Vec3 kSecond = {-0.25, -0.15, 0.2};
constexpr Vec3 kThird = {0.25, -0.15, 0.2};

WindowPoint window_point(const Vec3& model, const Angles& angles = {}) {
  const Image& image = TorminViewer::picture();
  return project(profile_of(PluginKind::Tormin), TorminViewer::kFieldOfView, image.width,
                 image.height, model, angles);
}

Colour colour_at(const Vec3& model, const Angles& angles = {}) {
  const WindowPoint w = window_point(model, angles);
  return TorminViewer::pixel(w.x, w.y);
}

bool seen_near(const Vec3& model, const Colour& wanted) {
  const WindowPoint w = window_point(model);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (TorminViewer::pixel(w.x + dx, w.y + dy) == wanted) return true;
  return false;
}

TEST(TorminDrawing, DotsInGroupColoursRedThirdAxisNamesLegendAndCentre) {
  TorminViewer v;
  // The data class's own settings change nothing.
  v.data.formes = true;
  v.data.nGrups = 5;
  v.write({.modeDibuix = 1, .nGrups = 3, .names = {"uuu", "vvv", "www"}}, kCloud);
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_TRUE(near_colour(colour_at(kFirst), kGreen));
  EXPECT_TRUE(near_colour(colour_at(kSecond), kBlue));
  EXPECT_TRUE(near_colour(colour_at(kThird), kBlack)) << "group 0";

  EXPECT_TRUE(seen_near({0, 0, 0.7}, kRed));
  EXPECT_TRUE(seen_near({0, 0, -0.7}, kRed));
  EXPECT_TRUE(seen_near({0.7, 0, 0}, kBlack));
  EXPECT_TRUE(seen_near({0, -0.7, 0}, kBlack));
  // The red axis crosses the centre mark's middle pixel.
  EXPECT_TRUE(seen_near({0, 0, 0.001}, kBlue)) << "centre mark";

  // The third name starts at the far end of the red axis.
  const WindowPoint name = window_point({0, 0, 1});
  int black = 0;
  for (int dy = 0; dy <= 20; ++dy)
    for (int dx = 2; dx <= 50; ++dx)
      black += TorminViewer::pixel(name.x + dx, name.y + dy) == kBlack ? 1 : 0;
  EXPECT_GT(black, 20);

  // Rows 0.13 apart: a line of text at this view.
  EXPECT_TRUE(near_colour(colour_at({1.2, 0.87, 0}), kRed)) << "legend, group 2";
  EXPECT_TRUE(near_colour(colour_at({1.2, 0.74, 0}), kGreen)) << "legend, group 3";
  EXPECT_TRUE(near_colour(colour_at({1.2, 0.61, 0}), kWhite)) << "no fourth entry";
}

TEST(TorminDrawing, ShapesOnlyForGroupsOneToTen) {
  TorminViewer v;
  std::vector<Observation> rows = kCloud;
  rows[0].group = 1;
  rows[1].group = 0;
  rows[2].group = 11;
  v.write({.modeDibuix = 2, .nGrups = 2}, rows);
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_TRUE(near_colour(colour_at(kFirst), kBlack));
  EXPECT_TRUE(near_colour(colour_at(kSecond), kWhite)) << "group 0";
  EXPECT_TRUE(near_colour(colour_at(kThird), kWhite)) << "group 11";
  EXPECT_TRUE(near_colour(colour_at({1.2, 0.87, 0}), kBlack)) << "legend shape 2";
}

TEST(TorminDrawing, ARotationPressRedrawsTheCloudTurned) {
  TorminViewer v;
  v.write({}, kCloud);
  ASSERT_EQ(v.show_error(), 0);
  v.form().window().user_click(ButtonId::Rot_YY);
  EXPECT_TRUE(near_colour(colour_at(kFirst, {.y = 20}), kGreen));
  EXPECT_TRUE(near_colour(colour_at(kFirst), kWhite));
}

}  // namespace
}  // namespace plot::testing
