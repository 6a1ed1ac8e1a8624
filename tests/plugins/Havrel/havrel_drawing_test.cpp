// What the 3D biplot draws from its tables, read back at the projected model positions.
#include <gtest/gtest.h>

#include "havrel_viewer.h"

namespace plot::testing {
namespace {

constexpr Colour kGrey = {128, 128, 128};
constexpr Colour kNone = kWhite;  // nothing drawn: the background

// Group numbers at four places: halves go to the even neighbour for colours; shapes need the
// exact number.
const std::vector<PointRow> kGroups = {{-0.6, 0.5, 0.2, 2.5, 0},
                                       {-0.2, 0.5, -0.3, 3.5, 0},
                                       {0.2, 0.5, 0, 10.5, 0},
                                       {0.6, 0.5, 0.4, 2, 0}};

struct GroupCase {
  const char* mode;
  HavrelOptions options;
  std::array<Colour, 4> seen;
};

TEST(HavrelDrawing, GroupNumbersPickColoursHalfToEvenAndShapesOnlyWhenWhole) {
  const GroupCase cases[] = {
      {"colours", {.modeDibuix = 0}, {kRed, kBlue, kGrey, kRed}},
      {"colours, outliers marked",
       {.modeDibuix = 1, .outlier_mark = true},
       {kRed, kBlue, kGrey, kRed}},
      {"shapes", {.modeDibuix = 2}, {kNone, kNone, kNone, kBlack}},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.mode);
    HavrelViewer v;
    v.write_files(c.options, kGroups);
    ASSERT_EQ(v.show_error(), 0);
    for (std::size_t n = 0; n < kGroups.size(); ++n) {
      const PointRow& p = kGroups[n];
      EXPECT_TRUE(near_colour(v.colour_at3(p.x, p.y, p.z), c.seen[n])) << "group " << p.group;
    }
  }
}

TEST(HavrelDrawing, AColourOutsideTheTableEndsMostrarButAShapeIsOnlyLeftOut) {
  for (const double group : {-0.6, 10.6, 11.0}) {
    SCOPED_TRACE(group);
    HavrelViewer colours;
    colours.write_files({.modeDibuix = 1}, {{0, 0, 0, 1, 0}, {0.3, 0.3, 0, group, 0}});
    EXPECT_EQ(colours.show_error(), static_cast<int32_t>(ErrorNumber::SubscriptOutOfRange));
    EXPECT_FALSE(colours.form().shown());

    HavrelViewer shapes;
    shapes.write_files({.modeDibuix = 2}, {{0.3, 0.3, 0, group, 0}});
    EXPECT_EQ(shapes.show_error(), 0);
    EXPECT_EQ(shapes.ink_between(0.25, 0.25, 0.35, 0.35), 0);
  }
}

TEST(HavrelDrawing, OnlyAnOutlierFlagOfExactlyOneGetsTheSquare) {
  HavrelViewer v;
  v.write_files({.modeDibuix = 1, .outlier_mark = true},
                {{-0.5, 0, 0, 3, 1}, {0.5, 0, 0, 3, 1.0000001}});
  ASSERT_EQ(v.show_error(), 0);
  // The square's right side lies 0.02 from its centre, in the point's colour; a dot's edge
  // does not reach that far.
  EXPECT_TRUE(v.seen_near(-0.5 + 0.02, 0, kGreen));
  EXPECT_FALSE(v.seen_near(0.5 + 0.02, 0, kGreen));
  EXPECT_TRUE(near_colour(v.colour_at(0.5, 0), kGreen));
}

TEST(HavrelDrawing, RayLabelSitsAtItsTipEvenBelowTheOrigin) {
  HavrelViewer v;
  v.write_files({.nLinies = 1, .observation = false}, {}, "0.6,-0.5,0,\"Ca\"\r\n");
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_TRUE(v.seen_near(0.3, -0.25, kBlack));
  EXPECT_GT(v.ink_between(0.61, -0.5, 0.75, -0.44), 20);
  // Where the plane biplot would put it, 0.06 below the tip: nothing.
  EXPECT_EQ(v.ink_between(0.61, -0.58, 0.75, -0.51), 0);
}

struct LegendCase {
  int modeDibuix;
  Colour sample;  // group 2's sample at (1, 0.92)
  bool text;
};

TEST(HavrelDrawing, TheGroupLegendFollowsTheDrawingMode) {
  const LegendCase cases[] = {
      {1, kRed, true}, {2, kBlack, true}, {0, kNone, false}, {3, kNone, false}};
  for (const LegendCase& c : cases) {
    SCOPED_TRACE(c.modeDibuix);
    HavrelViewer v;
    v.write_files({.nGrups = 3, .modeDibuix = c.modeDibuix}, {{0, 0, 0, 2, 0}});
    ASSERT_EQ(v.show_error(), 0);
    EXPECT_TRUE(near_colour(v.colour_at(1, 0.92), c.sample));
    EXPECT_EQ(v.ink_between(1.05, 0.86, 1.3, 0.93) > 20, c.text);
  }
}

TEST(HavrelDrawing, RotationButtonsTurnAboutXThenYThenZAndZoomNarrowsTheView) {
  HavrelViewer v;
  const PointRow p = {0.6, 0.4, 0.5, 2, 0};
  v.write_files({.modeDibuix = 0}, {p});
  ASSERT_EQ(v.show_error(), 0);
  v.press(ButtonId::Rot_XX, 6);
  v.press(ButtonId::Rot_YY, 9);
  v.press(ButtonId::Rot_ZZ, 12);
  ASSERT_FLOAT_EQ(v.renderer().yAngle, 45);
  EXPECT_TRUE(near_colour(v.colour_at3(p.x, p.y, p.z), kRed));
  // The same turns in the reverse order, z then y then x, would put it elsewhere.
  using namespace detail;
  const Image& image = v.picture();
  Matrix m = multiply(perspective(15, double(image.width) / image.height, 0.5, 200),
                      look_at(profile_of(PluginKind::Havrel).eye));
  m = multiply(multiply(multiply(m, rotation(60, 0, 0, 1)), rotation(45, 0, 1, 0)),
               rotation(30, 1, 0, 0));
  double clip[4] = {};
  for (int r = 0; r < 4; ++r) clip[r] = m[r] * p.x + m[4 + r] * p.y + m[8 + r] * p.z + m[12 + r];
  EXPECT_EQ(v.pixel((clip[0] / clip[3] + 1) * image.width / 2,
                    (clip[1] / clip[3] + 1) * image.height / 2),
            kNone);

  v.press(ButtonId::inc_zoom);
  ASSERT_DOUBLE_EQ(v.renderer().m_fieldOfView, 10);
  EXPECT_TRUE(near_colour(v.colour_at3(p.x, p.y, p.z), kRed));
}

TEST(HavrelDrawing, AfterAMissingFileAPressDrawsWhatWasReadBeforeIt) {
  HavrelViewer v;
  v.write_files({.nLinies = 1, .observation = false, .nRang = 2}, {}, " ", "0.5\r\n0.75\r\n");
  std::filesystem::remove(v.file("liniesBiplot.qvm"));
  ASSERT_EQ(v.show_error(), 0);
  ASSERT_EQ(v.log.messages.size(), 1u);
  v.form().window().user_resize(1200, 600);  // wide enough for the texts at the left
  EXPECT_EQ(v.ink_between(-1.8, 1.1, -1.0, 1.3), 0);
  v.press(ButtonId::Rot_YY);
  EXPECT_GT(v.ink_between(-1.8, 1.1, -1.0, 1.3), 100);
  EXPECT_EQ(v.log.messages.size(), 1u);
}

}  // namespace
}  // namespace plot::testing
