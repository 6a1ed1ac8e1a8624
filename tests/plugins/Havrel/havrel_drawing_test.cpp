// What the 3D biplot draws from its tables, read back at the projected model positions.
#include <gtest/gtest.h>

#include "havrel_viewer.h"

namespace plot::testing {
namespace {

constexpr Colour kGrey = {128, 128, 128};
constexpr Colour kNone = kWhite;  // nothing drawn: the background

// Groups 2.5, 3.5, 10.5 and 2 at four places: colours take the even neighbour of a half,
// shapes need the exact number.
const std::string kGroups =
    "-0.6,0.5,0.2,2.5,0\r\n-0.2,0.5,-0.3,3.5,0\r\n0.2,0.5,0,10.5,0\r\n0.6,0.5,0.4,2,0\r\n";
constexpr Vec3 kAt[] = {{-0.6, 0.5, 0.2}, {-0.2, 0.5, -0.3}, {0.2, 0.5, 0}, {0.6, 0.5, 0.4}};

struct GroupCase {
  const char* mode;
  HavrelOptions options;
  std::array<Colour, 4> seen;
};

TEST(HavrelDrawing, GroupNumbersPickColoursHalfToEvenAndShapesOnlyWhenWhole) {
  const GroupCase cases[] = {
      {"colours", {.modeDibuix = 0}, {kRed, kBlue, kGrey, kRed}},
      {"colours, outliers marked", {.outlier_mark = true}, {kRed, kBlue, kGrey, kRed}},
      {"shapes", {.modeDibuix = 2}, {kNone, kNone, kNone, kBlack}},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.mode);
    HavrelViewer v;
    v.write_files(c.options, kGroups);
    ASSERT_EQ(v.show_error(), 0);
    for (std::size_t n = 0; n < 4; ++n)
      EXPECT_TRUE(near_colour(v.colour_at3(kAt[n].x, kAt[n].y, kAt[n].z), c.seen[n])) << n;
  }
}

TEST(HavrelDrawing, AColourOutsideTheTableEndsMostrar) {
  for (const char* group : {"-0.6", "10.6"}) {
    SCOPED_TRACE(group);
    HavrelViewer v;
    v.write_files({}, std::string("0.3,0.3,0,") + group + ",0\r\n");
    EXPECT_EQ(v.show_error(), static_cast<int32_t>(ErrorNumber::SubscriptOutOfRange));
    EXPECT_FALSE(v.form().shown());
  }
}

TEST(HavrelDrawing, OnlyAnOutlierFlagOfExactlyOneGetsTheSquare) {
  HavrelViewer v;
  v.write_files({.outlier_mark = true}, "-0.5,0,0,3,1\r\n0.5,0,0,3,1.0000001\r\n");
  ASSERT_EQ(v.show_error(), 0);
  // The square's right side lies 0.02 from its centre; a dot's edge does not reach that far.
  EXPECT_TRUE(v.seen_near(-0.5 + 0.02, 0, kGreen));
  EXPECT_FALSE(v.seen_near(0.5 + 0.02, 0, kGreen));
}

TEST(HavrelDrawing, RayLabelSitsAtItsTipEvenBelowTheOrigin) {
  HavrelViewer v;
  v.write_files({.nLinies = 1, .observation = false}, "", "0.6,-0.5,0,\"Ca\"\r\n");
  ASSERT_EQ(v.show_error(), 0);
  EXPECT_GT(v.ink_between(0.61, -0.5, 0.75, -0.44), 20);
  // Where the plane biplot would put it, 0.06 below the tip: nothing.
  EXPECT_EQ(v.ink_between(0.61, -0.58, 0.75, -0.51), 0);
}

TEST(HavrelDrawing, OnlyModeOneHasAColourLegendAndModeTwoAShapeLegend) {
  const std::pair<int, Colour> cases[] = {{1, kRed}, {2, kBlack}, {0, kNone}, {3, kNone}};
  for (const auto& [mode, sample] : cases) {
    SCOPED_TRACE(mode);
    HavrelViewer v;
    v.write_files({.nGrups = 3, .modeDibuix = mode}, "0,0,0,2,0\r\n");
    ASSERT_EQ(v.show_error(), 0);
    EXPECT_TRUE(near_colour(v.colour_at(1, 0.92), sample));  // group 2's sample
  }
}

TEST(HavrelDrawing, RotationButtonsTurnAboutXThenYThenZAndZoomNarrowsTheView) {
  HavrelViewer v;
  v.write_files({.modeDibuix = 0}, "0.6,0.4,0.5,2,0\r\n");
  ASSERT_EQ(v.show_error(), 0);
  v.press(ButtonId::Rot_XX, 6);
  v.press(ButtonId::Rot_YY, 9);
  v.press(ButtonId::Rot_ZZ, 12);
  ASSERT_FLOAT_EQ(v.renderer().yAngle, 45);
  EXPECT_TRUE(near_colour(v.colour_at3(0.6, 0.4, 0.5), kRed));
  // The same turns in the reverse order, z then y then x, would put it elsewhere.
  using namespace detail;
  const Image& image = v.picture();
  Matrix m = multiply(perspective(15, double(image.width) / image.height, 0.5, 200),
                      look_at(profile_of(PluginKind::Havrel).eye));
  m = multiply(multiply(multiply(m, rotation(60, 0, 0, 1)), rotation(45, 0, 1, 0)),
               rotation(30, 1, 0, 0));
  double clip[4] = {};
  for (int r = 0; r < 4; ++r) clip[r] = m[r] * 0.6 + m[4 + r] * 0.4 + m[8 + r] * 0.5 + m[12 + r];
  EXPECT_EQ(v.pixel((clip[0] / clip[3] + 1) * image.width / 2,
                    (clip[1] / clip[3] + 1) * image.height / 2),
            kNone);

  v.press(ButtonId::inc_zoom);
  ASSERT_DOUBLE_EQ(v.renderer().m_fieldOfView, 10);
  EXPECT_TRUE(near_colour(v.colour_at3(0.6, 0.4, 0.5), kRed));
}

TEST(HavrelDrawing, AfterAMissingFileAPressDrawsWhatWasReadBeforeIt) {
  HavrelViewer v;
  v.write_files({.observation = false, .nRang = 2}, "", " ", "0.5\r\n0.75\r\n");
  std::filesystem::remove(v.file("liniesBiplot.qvm"));
  ASSERT_EQ(v.show_error(), 0);
  v.form().window().user_resize(1200, 600);  // wide enough for the texts at the left
  EXPECT_EQ(v.ink_between(-1.8, 1.1, -1.0, 1.3), 0);
  v.press(ButtonId::Rot_YY);
  EXPECT_GT(v.ink_between(-1.8, 1.1, -1.0, 1.3), 100);
  EXPECT_EQ(v.log.messages.size(), 1u);
}

}  // namespace
}  // namespace plot::testing
