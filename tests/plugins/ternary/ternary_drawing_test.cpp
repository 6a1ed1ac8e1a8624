// The diagram drawn off screen, read back at the projected positions of what it should show.
#include <gtest/gtest.h>

#include "ternary_viewer.h"

namespace plot::testing {
namespace {

constexpr double kTop = 0.866;

TEST(TernaryDrawing, OutlineAndVertexLabels) {
  TernaryViewer v;
  v.data.graella = "Error";
  v.show();
  ASSERT_TRUE(v.form().shown());
  EXPECT_TRUE(v.seen_near(0.5, kTop, kBlack, 2));
  EXPECT_TRUE(v.seen_near(0, 0, kBlack, 2));
  EXPECT_TRUE(v.seen_near(1, 0, kBlack, 2));
  EXPECT_TRUE(v.seen_near(0.25, kTop / 2, kBlack));         // the left edge
  EXPECT_TRUE(v.seen_near(0.5, 0, kBlack));                 // the bottom edge
  EXPECT_GT(v.ink_between(0.45, 0.89, 0.55, 0.95), 20);     // coor(1) over the top
  EXPECT_GT(v.ink_between(-0.15, -0.02, -0.08, 0.03), 20);  // coor(2) left of (0, 0)
  EXPECT_GT(v.ink_between(1.01, -0.02, 1.08, 0.03), 20);    // coor(3) right of (1, 0)
  EXPECT_EQ(v.count_between(kRed, -0.2, -0.1, 1.2, 1.0), 0);

  // The ink there is the labels': blank names leave the same places empty.
  v.coor = StringArray(1, {"", "", ""});
  v.show();
  EXPECT_EQ(v.ink_between(0.45, 0.9, 0.55, 0.95), 0);
  EXPECT_EQ(v.ink_between(-0.15, -0.01, -0.08, 0.03), 0);
  EXPECT_EQ(v.ink_between(1.02, -0.01, 1.08, 0.03), 0);
}

// One horizontal grid line at height y from x = 0.2 to 0.8, labelled at (0.3, 0).
void one_grid_line(TernaryViewer& v, double y) {
  v.grid().nPuntsGrid = 1;
  v.set_grid_line(1, 1, {0.3, 0}, {0.3, 0});
  v.set_grid_line(2, 1, {0.2, y}, {0.8, y});
  v.set_grid_line(3, 1, {0.3, 0}, {0.3, 0});
}

// The colours along the window row through height y, between x = 0.25 and 0.75.
std::vector<bool> red_along(const TernaryViewer& v, double y) {
  const WindowPoint left = v.at(0.25, y);
  const WindowPoint right = v.at(0.75, y);
  std::vector<bool> best;
  int best_count = -1;
  for (int dy = -1; dy <= 1; ++dy) {
    std::vector<bool> row;
    int count = 0;
    for (auto x = static_cast<int32_t>(left.x); x <= static_cast<int32_t>(right.x); ++x) {
      const bool red = v.pixel(x, static_cast<int32_t>(std::floor(left.y)) + dy) == kRed;
      row.push_back(red);
      count += red;
    }
    if (count > best_count) {
      best = row;
      best_count = count;
    }
  }
  return best;
}

// Runs of red: the stipple 0xFFF8 gives thirteen on and three off.
void expect_dashed(const std::vector<bool>& row) {
  int on = 0;
  int longest_gap = 0;
  int gap = 0;
  int gaps = 0;
  for (const bool red : row) {
    on += red;
    gap = red ? 0 : gap + 1;
    if (gap == 1) ++gaps;
    longest_gap = std::max(longest_gap, gap);
  }
  const double share = static_cast<double>(on) / static_cast<double>(row.size());
  EXPECT_NEAR(share, 13.0 / 16.0, 0.05);
  EXPECT_EQ(longest_gap, 3);
  EXPECT_GE(gaps, static_cast<int>(row.size()) / 16 - 1);
}

TEST(TernaryDrawing, GridLinesAreDashedRedAndLabelled) {
  TernaryViewer v;
  one_grid_line(v, 0.35);
  v.show();
  expect_dashed(red_along(v, 0.35));
  // The label of family 1's first end (0.3, 0), "30 ", below and left of it.
  EXPECT_GT(v.ink_between(0.28, -0.05, 0.34, -0.01), 20);

  v.grid().nPuntsGrid = 0;
  v.show();
  EXPECT_EQ(v.count_between(kRed, -0.2, -0.1, 1.2, 1.0), 0);
  EXPECT_EQ(v.ink_between(0.28, -0.05, 0.34, -0.01), 0);
}

TEST(TernaryDrawing, GraellaChoosesTheBackgroundExactly) {
  TernaryViewer v;
  one_grid_line(v, 0.35);
  v.components().long1 = 2;
  v.components().Punts1[0] = {0.2, 0.15, {}, 0};
  v.components().Punts1[1] = {0.8, 0.15, {}, 0};
  struct Case {
    const char* graella;
    bool grid;
    bool components;
  };
  for (const Case c : {Case{"", true, false}, Case{"PC", true, false}, Case{"pc", false, true},
                       Case{"Error", false, false}, Case{"error", true, false}}) {
    v.data.graella = c.graella;
    v.show();
    EXPECT_EQ(v.count_between(kRed, 0.3, 0.34, 0.7, 0.36) > 0, c.grid) << c.graella;
    EXPECT_EQ(v.count_between(kRed, 0.3, 0.14, 0.7, 0.16) > 0, c.components) << c.graella;
  }
}

TEST(TernaryDrawing, DotsInTheirColoursInFrontOfTheOutline) {
  TernaryViewer v;
  v.data.graella = "Error";
  v.add_point(0.3, 0.2, {1, 0, 0});
  v.add_point(0.5, 0.3, {0, 1, 0}, 0);         // any forma: dots ignore it
  v.add_point(0.25, kTop / 2, {0, 0, 1}, 11);  // on the left edge
  v.show();
  EXPECT_EQ(v.colour_at(0.3, 0.2), kRed);
  EXPECT_EQ(v.colour_at(0.5, 0.3), kGreen);
  EXPECT_EQ(v.colour_at(0.25, kTop / 2), kBlue);
  // Point size 5: two pixels off the centre is still the dot.
  const WindowPoint c = v.at(0.3, 0.2);
  EXPECT_EQ(v.pixel(static_cast<int32_t>(c.x) + 2, static_cast<int32_t>(c.y)), kRed);
  EXPECT_EQ(v.pixel(static_cast<int32_t>(c.x) + 4, static_cast<int32_t>(c.y)), kWhite);
}

TEST(TernaryDrawing, ColourLegendRowsGoDownFromOneOne) {
  TernaryViewer v;
  v.data.graella = "Error";
  v.data.nGrups = 3;
  v.show();
  // Table entries 1, 2, 3: black, red, green, 0.05 apart; the text 0.05 right, 0.01 lower.
  EXPECT_EQ(v.colour_at(1, 1), kBlack);
  EXPECT_EQ(v.colour_at(1, 0.95), kRed);
  EXPECT_EQ(v.colour_at(1, 0.90), kGreen);
  EXPECT_EQ(v.ink_between(0.98, 0.84, 1.02, 0.86), 0);
  for (const double row : {1.0, 0.95, 0.90})
    EXPECT_GT(v.ink_between(1.05, row - 0.01, 1.2, row + 0.02), 20);
  EXPECT_EQ(v.ink_between(1.05, 0.84, 1.2, 0.87), 0);

  v.data.nGrups = 0;
  v.show();
  EXPECT_EQ(v.ink_between(0.98, 0.8, 1.25, 1.03), 0);
}

TEST(TernaryDrawing, MarkersAreBlackAndChosenByForma) {
  TernaryViewer v;
  v.data.graella = "Error";
  v.data.formes = true;
  v.data.nGrups = 2;
  v.add_point(0.3, 0.2, {1, 0, 0}, 1);  // a filled triangle, black whatever its colour
  v.add_point(0.5, 0.3, {1, 0, 0}, 0);
  v.add_point(0.6, 0.2, {1, 0, 0}, 11);
  v.add_point(0.4, 0.5, {0, 1, 0}, 5);  // a square outline: its centre stays empty
  v.show();
  EXPECT_EQ(v.colour_at(0.3, 0.2), kBlack);
  EXPECT_EQ(v.ink_between(0.49, 0.29, 0.51, 0.31), 0);
  EXPECT_EQ(v.ink_between(0.59, 0.19, 0.61, 0.21), 0);
  EXPECT_EQ(v.colour_at(0.4, 0.5), kWhite);
  EXPECT_TRUE(v.seen_near(0.4 - 0.008, 0.5, kBlack));
  EXPECT_EQ(v.count_between(kRed, -0.2, -0.1, 1.2, 1.0), 0);
  // Shape legend: shape 1 at (1, 1), shape 2 at (1, 0.95), nothing at the third row.
  EXPECT_EQ(v.colour_at(1, 1), kBlack);
  EXPECT_EQ(v.colour_at(1, 0.95), kBlack);
  EXPECT_GT(v.ink_between(1.05, 0.99, 1.2, 1.02), 20);
  EXPECT_EQ(v.ink_between(0.98, 0.88, 1.2, 0.92), 0);
}

}  // namespace
}  // namespace plot::testing
