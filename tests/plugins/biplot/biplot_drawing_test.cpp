// What the 2D biplot draws, read back from the presented frame at the projected model
// positions.
#include <gtest/gtest.h>

#include <cstring>

#include "biplot_viewer.h"

namespace plot::testing {

namespace {

constexpr std::array<float, 3> kRedDot = {1, 0, 0};
constexpr std::array<float, 3> kGreenDot = {0, 1, 0};
constexpr std::array<float, 3> kBlueDot = {0, 0, 1};
constexpr Colour kGrey = {128, 128, 128};

// Wide enough that the texts at x = -1.8 are inside the view.
void widen(BiplotViewer& v) {
  v.form().window().user_resize(1400, 734);
}

TEST(BiplotDrawing, EachObservationModeByItsPixels) {
  struct Mode {
    bool outlier_mark, formes;
    Colour plain;           // forma 1, red dot
    Colour outlier_edge;    // the outlier's square, 0.02 right of it (white: no square)
    Colour outlier_centre;  // green dot, forma 2
    bool forma0_drawn;      // blue dot, forma 0
  };
  const Mode modes[] = {
      {.outlier_mark = true,
       .formes = false,
       .plain = kRed,
       .outlier_edge = kGreen,
       .outlier_centre = kGreen,
       .forma0_drawn = true},
      {.outlier_mark = true,
       .formes = true,
       .plain = kBlack,
       .outlier_edge = kBlack,
       .outlier_centre = kBlack,
       .forma0_drawn = false},
      {.outlier_mark = false,
       .formes = true,
       .plain = kBlack,
       .outlier_edge = kWhite,
       .outlier_centre = kBlack,
       .forma0_drawn = false},
      {.outlier_mark = false,
       .formes = false,
       .plain = kRed,
       .outlier_edge = kWhite,
       .outlier_centre = kGreen,
       .forma0_drawn = true},
  };
  for (const Mode& m : modes) {
    BiplotViewer v;
    v.data.observation = true;
    v.data.outlier_mark = m.outlier_mark;
    v.data.formes = m.formes;
    v.add(-0.5, 0.5, kRedDot, 1);
    v.add(0.5, 0.5, kGreenDot, 2, true);
    v.add(-0.5, -0.5, kBlueDot, 0);
    v.show();
    ASSERT_TRUE(v.form().shown());
    const std::string mode = std::to_string(m.outlier_mark) + std::to_string(m.formes);
    EXPECT_TRUE(near_colour(v.colour_at(-0.5, 0.5), m.plain)) << mode;
    EXPECT_TRUE(v.seen_near(0.52, 0.5, m.outlier_edge)) << mode;
    EXPECT_TRUE(v.seen_near(0.5, 0.5, m.outlier_centre)) << mode;
    EXPECT_EQ(v.ink_between(-0.53, -0.53, -0.47, -0.47) > 0, m.forma0_drawn) << mode;
  }
}

TEST(BiplotDrawing, RayLabelsAboveTipsWithPositiveYAndBelowTheOthers) {
  struct Ray {
    double x, y;
    bool above;
  };
  const Ray rays[] = {{0.5, 0.6, true}, {-0.7, 0, false}, {0.4, -0.5, false}};
  for (const bool by_name : {true, false}) {
    BiplotViewer v;
    v.data.printeixos = by_name;
    for (const Ray& r : rays) v.add_ray(r.x, r.y, "MMM");
    v.show();
    for (const Ray& r : rays) {
      const int above = v.ink_between(r.x + 0.005, r.y + 0.025, r.x + 0.15, r.y + 0.09);
      const int below = v.ink_between(r.x + 0.005, r.y - 0.055, r.x + 0.15, r.y - 0.005);
      EXPECT_EQ(above > 20, r.above) << r.x << ", " << r.y << " by name " << by_name;
      EXPECT_EQ(below > 20, !r.above) << r.x << ", " << r.y << " by name " << by_name;
    }
    // The ray itself, black up to its tip; the legend of numbers only for numbered rays.
    EXPECT_TRUE(v.seen_near(0.25, 0.3, kBlack));
    EXPECT_EQ(v.ink_between(1, -0.2, 1.4, 0.06) > 0, !by_name);
  }
}

TEST(BiplotDrawing, ColourLegendOfTenGroupsEndsGreyAtPointTwentyEight) {
  BiplotViewer v;
  v.data.observation = true;
  v.data.nGrups = 10;
  v.show();
  EXPECT_TRUE(near_colour(v.colour_at(1, 1), kBlack));
  EXPECT_TRUE(near_colour(v.colour_at(1, 1 - 0.08), kRed));
  EXPECT_TRUE(near_colour(v.colour_at(1, 0.28), kGrey));
  EXPECT_GT(v.ink_between(1.05, 0.22, 1.3, 0.3), 20) << "Grup 10";
  EXPECT_EQ(v.ink_between(0.95, 0.17, 1.3, 0.22), 0) << "an eleventh entry";
}

TEST(BiplotDrawing, ObservationNumbersWithoutObservations) {
  BiplotViewer v;
  v.data.labels = true;
  v.add(0.5, -0.5, kRedDot);
  v.add(-0.6, 0.4, kRedDot);
  v.show();
  EXPECT_TRUE(near_colour(v.colour_at(0.5, -0.5), kWhite));
  EXPECT_GT(v.ink_between(0.48, -0.48, 0.56, -0.41), 10) << "1";
  EXPECT_GT(v.ink_between(-0.62, 0.42, -0.54, 0.49), 10) << "2";
  EXPECT_EQ(v.ink_between(1, 0.5, 1.4, 1.1), 0) << "no group legend";
}

TEST(BiplotDrawing, LegendsOfVariablesProportionsAndOutliers) {
  BiplotViewer v;
  v.data.outlier_mark = true;
  v.add_ray(0.3, 0.3, "Ca");
  v.add_ray(-0.3, 0.3, "Na");
  v.rays().rang = 20;
  for (int j = 1; j <= 20; ++j) v.rays().cpe[j] = 0.75f;
  v.show();
  widen(v);
  EXPECT_GT(v.ink_between(-1.8, 1.2, -1.2, 1.27), 100) << "Cumulative proportion explained:";
  for (const double y : {1.1, 1.1 - 0.08 * 19})
    EXPECT_GT(v.ink_between(-1.7, y, -1.6, y + 0.05), 10) << "0.75 at " << y;
  EXPECT_EQ(v.ink_between(-1.7, -0.6, -1.6, -0.44), 0) << "a 21st proportion";
  // "1 = Ca " at height 0 and "2 = Na " below it; no third row.
  EXPECT_GT(v.ink_between(1, 0, 1.2, 0.06), 20);
  EXPECT_GT(v.ink_between(1, -0.08, 1.2, -0.02), 20);
  EXPECT_EQ(v.ink_between(1, -0.16, 1.3, -0.1), 0);
  // "= Outliers " and its black square.
  EXPECT_GT(v.ink_between(-1.7, -1.2, -1.4, -1.14), 20);
  EXPECT_TRUE(v.seen_near(-1.78, -1.17, kBlack));
  EXPECT_TRUE(v.seen_near(-1.8, -1.17, kBlack));
}

TEST(BiplotDrawing, TheHostsRecordsAndNamesMayChangeOnceMostrarReturns) {
  BiplotViewer v;
  v.data.observation = true;
  v.data.printeixos = true;
  v.add(0.4, 0.4, kRedDot);
  v.add_ray(-0.5, 0.5, "Kept");
  v.show();
  v.observations().Punts[0] = {-0.4, -0.4, {0, 1, 0}, 1, 0};
  v.rays().Punts[0].y = -0.5;
  std::memset(v.name_bytes(0).data(), 0, 4);
  v.name_bytes(0) = std::string(200, 'x');
  // A repaint replays what was handed over.
  v.form().window().user_resize(900, 700);
  v.form().window().user_resize(918, 734);
  EXPECT_TRUE(near_colour(v.colour_at(0.4, 0.4), kRed));
  EXPECT_TRUE(near_colour(v.colour_at(-0.4, -0.4), kWhite));
  EXPECT_GT(v.ink_between(-0.495, 0.525, -0.35, 0.59), 20) << "the label as handed over";
}

TEST(BiplotDrawing, ASecondMostrarReplacesThePlot) {
  BiplotViewer v;
  v.data.observation = true;
  v.add(0.4, 0.4, kRedDot);
  v.show();
  v.observations().Punts[0] = {-0.4, -0.4, {0, 0, 1}, 1, 0};
  v.show();
  ASSERT_TRUE(v.form().shown());
  EXPECT_TRUE(near_colour(v.colour_at(-0.4, -0.4), kBlue));
  EXPECT_TRUE(near_colour(v.colour_at(0.4, 0.4), kWhite));
}

}  // namespace
}  // namespace plot::testing
