// What the log-ratio plot draws, read back from the presented frame at the projected model
// positions.
#include <gtest/gtest.h>

#include "core/render/group_legend.h"
#include "pellin_viewer.h"

namespace plot::testing {
namespace {

constexpr std::array<float, 3> kRed = {1, 0, 0};
constexpr std::array<float, 3> kGreen = {0, 1, 0};
constexpr std::array<float, 3> kSky = {0.2f, 0.4f, 1.0f};

Colour table_colour(int group) {
  const Rgb& c = group_colour_table()(group);
  return {static_cast<int>(std::lround(c.r * 255)), static_cast<int>(std::lround(c.g * 255)),
          static_cast<int>(std::lround(c.b * 255))};
}

TEST(PellinDrawing, DotsInTheirOwnColoursInFrontOfTheAxesWithNamesBesideThem) {
  PellinViewer v;
  v.add(0.5, 0, kRed, 0);      // on the horizontal axis; forma 0 still drawn as a dot
  v.add(0, -0.5, kGreen, 11);  // on the vertical axis; so is forma 11
  v.add(-0.4, 0.6, kSky);
  v.add(1.3, -1.2, kRed);  // outside the frame: drawn where it falls
  v.coor = StringArray(1, {"alr1", "alr2"});
  v.show();
  ASSERT_TRUE(v.form().shown());
  EXPECT_TRUE(near_colour(v.colour_at(0.5, 0), {255, 0, 0}));
  EXPECT_TRUE(near_colour(v.colour_at(0, -0.5), {0, 255, 0}));
  EXPECT_TRUE(near_colour(v.colour_at(-0.4, 0.6), {51, 102, 255}));
  EXPECT_TRUE(near_colour(v.colour_at(1.3, -1.2), {255, 0, 0}));
  // Axes in black from -1 to 1, nothing beyond their ends.
  EXPECT_TRUE(v.seen_near(-0.8, 0, kBlack));
  EXPECT_TRUE(v.seen_near(0, 0.8, kBlack));
  EXPECT_EQ(v.ink_between(-1.3, -0.02, -1.05, 0.02), 0);
  // The names: right of the horizontal axis's end, above the vertical one's.
  EXPECT_GT(v.ink_between(1.02, -0.08, 1.3, 0.05), 20);
  EXPECT_GT(v.ink_between(-0.14, 1.06, 0.1, 1.2), 20);
  // No groups, no legend.
  EXPECT_EQ(v.ink_between(1.15, 0.2, 1.55, 1.1), 0);
}

TEST(PellinDrawing, MarkersAreBlackByFormaAndOnlyForShapesOneToTen) {
  PellinViewer v;
  v.data.formes = true;
  v.add(-0.5, 0.5, kRed, 1);
  v.add(0.5, 0.5, kRed, 2);
  v.add(0.5, -0.5, kRed, 10);
  v.add(-0.5, -0.5, kRed, 0);
  v.add(-0.3, -0.3, kRed, 11);
  v.add(0.3, 0.3, kRed, -1);
  v.show();
  ASSERT_TRUE(v.form().shown());
  EXPECT_TRUE(near_colour(v.colour_at(-0.5, 0.5), kBlack));
  EXPECT_TRUE(near_colour(v.colour_at(0.5, 0.5), kBlack));
  EXPECT_TRUE(near_colour(v.colour_at(0.5, -0.5), kBlack));
  for (const auto& [x, y] : {std::pair{-0.5, -0.5}, {-0.3, -0.3}, {0.3, 0.3}})
    EXPECT_EQ(v.ink_between(x - 0.03, y - 0.03, x + 0.03, y + 0.03), 0) << x << ", " << y;
}

TEST(PellinDrawing, DotLegendOfTenGroupsInTheTableColoursEndsGreyAtPointTwentyEight) {
  PellinViewer v;
  v.data.nGrups = 10;
  v.show();
  ASSERT_TRUE(v.form().shown());
  for (int j = 1; j <= 10; ++j) {
    const double y = 1 - 0.08 * (j - 1);
    EXPECT_TRUE(near_colour(v.colour_at(1.2, y), table_colour(j))) << "group " << j;
    EXPECT_GT(v.ink_between(1.25, y - 0.04, 1.45, y + 0.03), 20) << "text of group " << j;
  }
  EXPECT_TRUE(near_colour(v.colour_at(1.2, 0.28), {128, 128, 128}));
  EXPECT_EQ(v.ink_between(1.15, 0.12, 1.6, 0.22), 0) << "an eleventh entry";
}

TEST(PellinDrawing, MarkerLegendShowsEachGroupsShapeInBlack) {
  PellinViewer v;
  v.data.formes = true;
  v.data.nGrups = 3;
  v.show();
  for (int j = 1; j <= 3; ++j) {
    const double y = 1 - 0.08 * (j - 1);
    EXPECT_TRUE(near_colour(v.colour_at(1.2, y), kBlack)) << "group " << j;
    EXPECT_GT(v.ink_between(1.25, y - 0.04, 1.45, y + 0.03), 20) << "text of group " << j;
  }
  EXPECT_EQ(v.ink_between(1.15, 0.7, 1.6, 0.77), 0) << "a fourth entry";
}

TEST(PellinDrawing, NoLegendForZeroOrNegativeGroupCounts) {
  for (const bool markers : {false, true})
    for (const int16_t groups : {int16_t{0}, int16_t{-4}}) {
      PellinViewer v;
      v.data.formes = markers;
      v.data.nGrups = groups;
      v.show();
      ASSERT_TRUE(v.form().shown());
      EXPECT_EQ(v.ink_between(1.15, 0.2, 1.55, 1.1), 0) << markers << " " << groups;
    }
}

TEST(PellinDrawing, CentreMarkIsABlueFivePixelPointInBothModes) {
  for (const bool markers : {false, true}) {
    PellinViewer v;
    v.data.formes = markers;
    v.data.centreX = -0.25;
    v.data.centreY = 0.4;
    v.show();
    const WindowPoint c = v.at(-0.25, 0.4);
    EXPECT_TRUE(near_colour(v.pixel(c.x, c.y), kBlue)) << markers;
    EXPECT_TRUE(near_colour(v.pixel(c.x + 2, c.y), kBlue)) << markers;
    EXPECT_TRUE(near_colour(v.pixel(c.x - 2, c.y - 2), kBlue)) << markers;
    EXPECT_TRUE(near_colour(v.pixel(c.x + 4, c.y), kWhite)) << markers;
  }
}

TEST(PellinDrawing, LongCountsTheEntriesDrawn) {
  {
    // Zero: axes, names, legend and centre mark only.
    PellinViewer v;
    v.add(0.6, 0.6, kRed);
    v.record().long_ = 0;
    v.data.nGrups = 1;
    v.show();
    EXPECT_TRUE(near_colour(v.colour_at(0.6, 0.6), kWhite));
    EXPECT_TRUE(near_colour(v.colour_at(1.2, 1), table_colour(1)));
    EXPECT_TRUE(near_colour(v.colour_at(0, 0), kBlue));
  }
  {
    // A negative count draws no observation either.
    PellinViewer v;
    v.add(0.6, 0.6, kRed);
    v.record().long_ = -3;
    v.show();
    ASSERT_TRUE(v.form().shown());
    EXPECT_TRUE(near_colour(v.colour_at(0.6, 0.6), kWhite));
  }
  {
    // 501 draws every entry, the last included.
    PellinViewer v;
    for (int i = 0; i < 501; ++i) v.add(-0.9 + 0.0036 * i, -0.7, kGreen);
    v.record().Punts[500] = {0.7, 0.7, {{1, 0, 0}}, 1};
    v.show();
    EXPECT_TRUE(near_colour(v.colour_at(0.7, 0.7), {255, 0, 0}));
    EXPECT_TRUE(near_colour(v.colour_at(-0.9, -0.7), {0, 255, 0}));
  }
}

TEST(PellinDrawing, AnEmptyCoordinateNameShowsNoText) {
  PellinViewer v;
  v.coor = StringArray(1, {"", ""});
  v.show();
  ASSERT_TRUE(v.form().shown());
  EXPECT_EQ(v.ink_between(1.02, -0.08, 1.3, 0.05), 0);
  EXPECT_EQ(v.ink_between(-0.14, 1.06, 0.1, 1.2), 0);
}

TEST(PellinDrawing, TheHostsRecordAndNamesMayChangeOnceMostrarReturns) {
  PellinViewer v;
  v.add(0.4, 0.4, kRed);
  v.coor = StringArray(1, {"kept", "Y"});
  v.show();
  v.record().Punts[0] = {-0.4, -0.4, {{0, 1, 0}}, 1};
  v.record().long_ = 1;
  v.coor = StringArray(1, {"", ""});
  // A repaint replays what was handed over.
  v.form().window().user_resize(900, 700);
  v.form().window().user_resize(918, 734);
  EXPECT_TRUE(near_colour(v.colour_at(0.4, 0.4), {255, 0, 0}));
  EXPECT_TRUE(near_colour(v.colour_at(-0.4, -0.4), kWhite));
  EXPECT_GT(v.ink_between(1.02, -0.08, 1.3, 0.05), 20);
}

// Ninety-six glyph lists end at code 127: an accented name shows its accent as '?'.
TEST(PellinDrawing, NameCharactersWithoutAGlyphShowAsQuestionMarks) {
  const auto legend = [](const char* name) {
    PellinViewer v;
    v.data.nGrups = 1;
    v.data.nomsGrups = StringArray(1, {name});
    v.show();
    return PellinViewer::picture().rgb;
  };
  const PixelBytes accented = legend("\u00e9t\u00e9");
  EXPECT_TRUE(accented == legend("?t?"));
  EXPECT_FALSE(accented == legend("ete"));
}

}  // namespace
}  // namespace plot::testing
