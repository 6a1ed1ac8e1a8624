// The predictive-region plot drawn off screen, read back where its lines and texts should be.
#include <gtest/gtest.h>

#include "vorn_viewer.h"

namespace plot::testing {
namespace {

constexpr double kTop = 0.866;

struct CaptionCase {
  int16_t regions;
  const char* caption;
};

class VornCaption : public ::testing::TestWithParam<CaptionCase> {};

// Only the levels of the regions drawn, whatever the unused entries hold.
TEST_P(VornCaption, NamesTheLevelsOfTheRegionsDrawn) {
  Vector_VORN regions{};
  const float levels[] = {0.5f, 0.9f, 0.95f, 1.0e-5f};  // entry 0 is carried, never named
  for (int k = 0; k < 4; ++k) regions.VPVORN[k].alpha = levels[k];
  regions.nNivells = GetParam().regions;
  EXPECT_EQ(predictive_caption(regions), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, VornCaption,
    ::testing::Values(CaptionCase{0, "VORN Predictive Region. Alpha =   "},
                      CaptionCase{1, "VORN Predictive Region. Alpha =  0.9 "},
                      CaptionCase{2, "VORN Predictive Region. Alpha =  0.9   0.95 "},
                      CaptionCase{3, "VORN Predictive Region. Alpha =  0.9   0.95   1E-05 "}));

TEST(VornDrawing, NoRegionsLeaveOutlineNamesAndCaption) {
  VornViewer v;
  v.set_region(1, {{0.3, 0.2}, {0.7, 0.2}}, {{0.3, 0.15}, {0.7, 0.15}});
  v.regions().nNivells = 0;
  v.show();
  ASSERT_TRUE(v.form().shown());
  EXPECT_TRUE(v.seen_near(0.25, kTop / 2, kBlack));       // the left edge
  EXPECT_TRUE(v.seen_near(0.5, 0, kBlack));               // the bottom edge
  EXPECT_FALSE(v.seen_near(0.5, 0.2, kBlack, 2));         // region 1 is not drawn
  EXPECT_GT(v.ink_between(0.45, 0.89, 0.55, 0.95), 20);   // coor(1) over the top
  EXPECT_GT(v.ink_between(-0.1, -0.05, -0.04, 0.0), 20);  // coor(2), lower than ternary's
  EXPECT_GT(v.ink_between(1.0, -0.05, 1.06, 0.0), 20);    // coor(3)
  EXPECT_GT(v.ink_between(-0.1, -0.15, 0.5, -0.1), 300);  // the caption
}

TEST(VornDrawing, EachRegionIsItsBranchesJoinedAtBothEnds) {
  VornViewer v;
  v.set_region(1, {{0.3, 0.2}, {0.5, 0.5}, {0.7, 0.2}}, {{0.3, 0.1}, {0.7, 0.1}});
  v.set_region(2, {{0.4, 0.25}}, {{0.6, 0.25}});  // one point each: the two joins only
  v.set_region(3, {{0.2, 0.05}, {0.8, 0.05}}, {{0.2, 0.05}, {0.8, 0.05}});
  v.regions().nNivells = 2;
  v.show();
  struct Probe {
    const char* what;
    double x, y;
    bool black;
  };
  for (const Probe& p :
       {Probe{"first branch, first segment", 0.4, 0.35, true},
        Probe{"first branch, second segment", 0.6, 0.35, true},
        Probe{"second branch", 0.5, 0.1, true}, Probe{"join of the first points", 0.3, 0.15, true},
        Probe{"join of the last points", 0.7, 0.15, true},
        Probe{"region 2's joins", 0.5, 0.25, true},
        Probe{"no segment past region 2's one point", 0.2, 0.125, false},
        Probe{"region 3, beyond nNivells", 0.5, 0.05, false}})
    EXPECT_EQ(v.seen_near(p.x, p.y, kBlack), p.black) << p.what;
}

TEST(VornDrawing, GroupsGivenGetTheConfidencePlotsColourLegend) {
  for (const int16_t groups : {int16_t{0}, int16_t{2}}) {
    VornViewer v;
    v.set_region(1, {{0.3, 0.2}, {0.7, 0.2}}, {{0.3, 0.15}, {0.7, 0.15}});
    v.regions().nNivells = 1;
    v.data.nGrups = groups;
    v.data.nomsGrups = StringArray(1, {"Marga", "Argila"});
    v.show();
    EXPECT_EQ(v.colour_at(1, 0.95), groups == 0 ? kWhite : kRed);
    EXPECT_EQ(v.ink_between(1.03, 0.93, 1.3, 0.97) > 20, groups != 0);  // "Argila"
  }
}

// The host's observations as dots in their own colours at the ternary diagram's depth, inside
// the region and outside it alike, and under the curve where one lies on it.
TEST(VornDrawing, ObservationsAreDotsInsideAndOutsideTheRegion) {
  VornViewer v;
  v.set_region(1, {{0.3, 0.2}, {0.5, 0.4}, {0.7, 0.2}}, {{0.3, 0.2}, {0.5, 0.1}, {0.7, 0.2}});
  v.regions().nNivells = 1;
  v.observations = std::make_unique<Vector_Punts>();
  v.observations->long_ = 3;
  v.observations->Punts[0] = {0.5, 0.22, {1, 0, 0}, 3};  // inside
  v.observations->Punts[1] = {0.8, 0.5, {0, 0, 1}, 3};   // outside
  v.observations->Punts[2] = {0.5, 0.1, {1, 0, 0}, 3};   // on the second branch
  v.observations->Punts[3] = {0.2, 0.5, {0, 1, 0}, 3};   // beyond long
  v.show();
  EXPECT_EQ(v.colour_at(0.5, 0.22), kRed);
  EXPECT_EQ(v.colour_at(0.8, 0.5), kBlue);
  EXPECT_EQ(v.colour_at(0.2, 0.5), kWhite);
  EXPECT_TRUE(v.seen_near(0.6, 0.3, kBlack));
  EXPECT_TRUE(v.seen_near(0.5, 0.1, kBlack));
}

// With `formes` the plot makes the marker shapes it otherwise lacks: black, by forma.
TEST(VornDrawing, ObservationsAreMarkersByFormaWithFormes) {
  VornViewer v;
  v.data.formes = Boolean(true);
  v.observations = std::make_unique<Vector_Punts>();
  v.observations->long_ = 1;
  v.observations->Punts[0] = {0.8, 0.5, {1, 0, 0}, 3};
  v.show();
  EXPECT_EQ(v.colour_at(0.8, 0.5), kBlack);
}

}  // namespace
}  // namespace plot::testing
