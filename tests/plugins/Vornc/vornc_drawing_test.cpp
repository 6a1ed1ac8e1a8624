// The confidence-region plot drawn off screen, read back where its curves, centres and legend
// should be.
#include <gtest/gtest.h>

#include "vornc_viewer.h"

namespace plot::testing {
namespace {

TEST(VorncCaption, LevelAsTheHostWroteIt) {
  EXPECT_EQ(confidence_caption("0.95"), "VORN Confidence Region. Alpha =  0.95 ");
  EXPECT_EQ(confidence_caption(""), "VORN Confidence Region. Alpha =   ");
}

TEST(VorncDrawing, OneGroupHasALegendOnlyWithMarkers) {
  struct Case {
    bool formes;
    bool legend;
  };
  for (const Case c : {Case{false, false}, Case{true, true}}) {
    VorncViewer v;
    v.data.formes = Boolean(c.formes);
    v.data.nGrups = 1;
    v.set_group(1, 0.5, 0.3, 0.1);
    v.show();
    ASSERT_TRUE(v.form().shown());
    EXPECT_EQ(v.colour_at(0.5, 0.3), kBlack) << c.formes;    // a black dot, or shape 1
    EXPECT_TRUE(v.seen_near(0.6, 0.3, kBlack)) << c.formes;  // the curve
    EXPECT_EQ(v.ink_between(0.98, 0.98, 1.2, 1.02) > 20, c.legend) << c.formes;
    EXPECT_EQ(v.ink_between(0.98, 0.93, 1.2, 0.97), 0) << c.formes;  // no second row
  }
}

TEST(VorncDrawing, DotsTakeTheGroupColourNotTheirOwn) {
  VorncViewer v;
  v.data.nGrups = 2;
  v.set_group(1, 0.35, 0.25, 0.08);
  v.set_group(2, 0.65, 0.25, 0.08);
  v.show();
  EXPECT_EQ(v.colour_at(0.35, 0.25), kBlack);
  EXPECT_EQ(v.colour_at(0.65, 0.25), kRed);
  EXPECT_EQ(v.colour_at(1, 1), kBlack);
  EXPECT_EQ(v.colour_at(1, 0.95), kRed);
  EXPECT_GT(v.ink_between(1.05, 0.94, 1.2, 0.97), 20);  // "Grup 2 "
}

TEST(VorncDrawing, CurveClosesOnItsFirstPoint) {
  VorncViewer v;
  v.data.nGrups = 1;
  // Three quarters of a circle: only the closing segment spans the last quarter.
  v.set_group(1, 0.5, 0.3, 0.12, 1.5 * M_PI);
  v.show();
  EXPECT_TRUE(v.seen_near(0.5 + 0.06, 0.3 - 0.06, kBlack));
}

TEST(VorncDrawing, CurvesInTheGroupColoursOnlyOnRequest) {
  for (const bool coloured : {false, true}) {
    VorncViewer v;
    v.data.nGrups = 2;
    v.data.corbesColor = Boolean(coloured);
    v.set_group(1, 0.35, 0.25, 0.08);
    v.set_group(2, 0.65, 0.25, 0.08);
    v.show();
    EXPECT_TRUE(v.seen_near(0.43, 0.25, kBlack)) << coloured;  // group 1 is black either way
    EXPECT_TRUE(v.seen_near(0.73, 0.25, coloured ? kRed : kBlack)) << coloured;
  }
}

// With `formes` the observations are black markers by their own forma, as in the ternary
// diagram; shape 3 is a dot, 0 draws nothing.
TEST(VorncDrawing, ObservationsAreMarkersByFormaWithFormes) {
  VorncViewer v;
  v.data.formes = Boolean(true);
  v.data.nGrups = 1;
  v.set_group(1, 0.5, 0.3, 0.1);
  v.observations = std::make_unique<Vector_Punts>();
  v.observations->long_ = 2;
  v.observations->Punts[0] = {0.8, 0.5, {1, 0, 0}, 3};
  v.observations->Punts[1] = {0.2, 0.5, {1, 0, 0}, 0};
  v.show();
  EXPECT_EQ(v.colour_at(0.8, 0.5), kBlack);
  EXPECT_EQ(v.colour_at(0.2, 0.5), kWhite);
}

}  // namespace
}  // namespace plot::testing
