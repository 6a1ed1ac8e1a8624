// The tetrahedron drawn off screen, read back where the camera puts what it should show.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "quadrel_viewer.h"

namespace plot::testing {
namespace {

// The vertices of the tetrahedron frame.
constexpr Vec3 kA{0, 0, 0};
constexpr Vec3 kB{0, 1.1547005, 0};
constexpr Vec3 kC{0.8660254, 0.5, 0};
constexpr Vec3 kD{0.28867513, 0.5, 1};

bool black_near(const QuadrelViewer& v, const Vec3& p) {
  const WindowPoint w = QuadrelViewer::seen_at(p.x, p.y, p.z);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (v.pixel(w.x + dx, w.y + dy) == kBlack) return true;
  return false;
}

Vec3 midpoint(const Vec3& a, const Vec3& b) {
  return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
}

TEST(QuadrelDrawing, NoRecordsLeaveEdgesAndLegend) {
  QuadrelViewer v;
  v.data.nGrups = 5;  // the class's own properties have no effect
  v.write_options(1, 3);
  v.write_data("\r\n");
  v.show();
  EXPECT_TRUE(black_near(v, midpoint(kA, kB)));
  EXPECT_TRUE(black_near(v, midpoint(kC, kD)));
  // Three rows from the options file: entry 3 green at the third, no fourth.
  EXPECT_EQ(v.colour_at(1, 0.90), kGreen);
  EXPECT_EQ(v.ink_between(0.98, 0.84, 1.2, 0.87), 0);
}

TEST(QuadrelDrawing, AnEdgeFollowsOneRotationPress) {
  QuadrelViewer v;
  v.write_options(1, 0);
  v.write_data("\r\n");
  v.show();
  const WindowPoint before = QuadrelViewer::seen_at(kD.x, kD.y, kD.z);
  v.click(ButtonId::Rot_Y);
  ASSERT_NE(v.renderer().yAngle, 0);
  EXPECT_TRUE(black_near(v, kD));
  EXPECT_NE(v.pixel(before.x, before.y), kBlack);
}

// A six-value options file names B, A, C and D, each at its corner after a turn: the picture
// with one name differs from the one with none only around that corner, on its side away from
// the body.
TEST(QuadrelDrawing, SixValuesPutEachNameAtItsCornerAfterATurn) {
  const Vec3 corners[] = {kB, kA, kC, kD};
  const auto turned = [&](const std::array<std::string, 4>& names, WindowPoint* seen) {
    QuadrelViewer v;
    v.write_corner_names(1, 0, names);
    v.write_data("\r\n");
    v.show();
    // Away from the viewer at the top, where the unturned B nearly touches the edge.
    for (const ButtonId b : {ButtonId::Rot_Y, ButtonId::Rot_Y, ButtonId::Rot_Y, ButtonId::Rot_X,
                             ButtonId::Rot_X, ButtonId::Rot_X, ButtonId::Rot_Z})
      v.click(b);
    for (std::size_t i = 0; seen != nullptr && i < 4; ++i)
      seen[i] = QuadrelViewer::seen_at(corners[i].x, corners[i].y, corners[i].z);
    return QuadrelViewer::picture();
  };
  WindowPoint seen[4];
  const Image unnamed = turned({"", "", "", ""}, seen);
  const double middle_x = (seen[0].x + seen[1].x + seen[2].x + seen[3].x) / 4;
  for (std::size_t i = 0; i < 4; ++i) {
    std::array<std::string, 4> names{"", "", "", ""};
    names[i] = "WW";
    const Image named = turned(names, nullptr);
    int near = 0;
    int far = 0;
    double side = 0;
    for (int32_t y = 0; y < named.height; ++y)
      for (int32_t x = 0; x < named.width; ++x) {
        if (std::equal(named.pixel(x, y), named.pixel(x, y) + 3, unnamed.pixel(x, y))) continue;
        const double dx = x - seen[i].x;
        const double dy = (named.height - 1 - y) - seen[i].y;
        ++(std::hypot(dx, dy) < 100 ? near : far);
        side += dx;
      }
    EXPECT_GT(near, 40) << "name " << i + 1;
    EXPECT_EQ(far, 0) << "name " << i + 1;
    EXPECT_GT(side * (seen[i].x - middle_x), 0) << "name " << i + 1;
  }
}

// Dots in the table colour of the group rounded half to even, at their own depth.
TEST(QuadrelDrawing, DotsTakeTheirGroupsColour) {
  struct Case {
    double group;
    Colour colour;
  };
  const Case cases[] = {
      {.group = 2.5, .colour = kRed},  {.group = 0, .colour = kBlack},
      {.group = 3.5, .colour = kBlue}, {.group = -0.5, .colour = kBlack},
      {.group = 3, .colour = kGreen},  {.group = 10.4, .colour = {128, 128, 128}}};
  QuadrelViewer v;
  v.write_options(1, 0);
  for (std::size_t i = 0; i < std::size(cases); ++i)
    v.add_point(0.35 + 0.06 * static_cast<double>(i), 0.35, 0.4, cases[i].group);
  v.show();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const WindowPoint w = QuadrelViewer::seen_at(0.35 + 0.06 * static_cast<double>(i), 0.35, 0.4);
    EXPECT_TRUE(near_colour(v.pixel(w.x, w.y), cases[i].colour)) << cases[i].group;
  }
  // Nothing where the point would be at depth 0.
  EXPECT_EQ(v.colour_at(0.35, 0.35), kWhite);
}

TEST(QuadrelDrawing, DotGroupsOutsideTheTableAreErrors) {
  for (const double group : {10.6, -0.6, 11.0}) {
    QuadrelViewer v;
    v.write_options(1, 0);
    v.add_point(0.3, 0.3, 0.3, group);
    EXPECT_EQ(v.show_error(), 9) << group;
    EXPECT_FALSE(v.form().shown()) << group;
  }
}

// Which of four probes around a marker's centre are inked, far enough in to see the shape:
// the centre, right, upper left, below. Triangle YNNY, diamond YYNY, dot YNNN, two
// triangles YYYN.
std::string signature(const QuadrelViewer& v, double x, double y) {
  std::string s;
  for (const auto& [dx, dy] : {std::pair{0.0, 0.0}, {0.008, 0.0}, {-0.009, 0.006}, {0.0, -0.009}}) {
    const WindowPoint w = QuadrelViewer::seen_at(x + dx, y + dy, 0);
    s += v.pixel(w.x, w.y) == kBlack ? 'Y' : 'N';
  }
  return s;
}

TEST(QuadrelDrawing, MarkersByExactGroup) {
  struct Case {
    double x, y, group;
    const char* signature;
  };
  const Case cases[] = {
      {.x = 0.4, .y = 0.45, .group = 1, .signature = "YNNY"},
      {.x = 0.5, .y = 0.45, .group = 2, .signature = "YYNY"},
      {.x = 0.6, .y = 0.45, .group = 3, .signature = "YNNN"},
      {.x = 0.4, .y = 0.55, .group = 4, .signature = "YYYN"},
      {.x = 0.5, .y = 0.55, .group = 2.5, .signature = "NNNN"},
      {.x = 0.6, .y = 0.55, .group = 0, .signature = "NNNN"},
      {.x = 0.5, .y = 0.4, .group = 11, .signature = "NNNN"},
  };
  QuadrelViewer v;
  v.write_options(2, 0);
  for (const Case& c : cases) v.add_point(c.x, c.y, 0, c.group);
  v.show();
  // Close enough for the probes to fall well inside or outside each shape.
  while (v.renderer().m_fieldOfView > 5) v.click(ButtonId::inc_zoom);
  for (const Case& c : cases) EXPECT_EQ(signature(v, c.x, c.y), c.signature) << c.group;
}

}  // namespace
}  // namespace plot::testing
