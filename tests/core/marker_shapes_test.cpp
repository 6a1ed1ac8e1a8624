#include "core/render/marker_shapes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/platform/image.h"
#include "core/text/glyph_lists.h"
#include "core/text/text_output.h"
#include "tests/core/offscreen_gl_fixture.h"

namespace plot {
namespace {

constexpr uint8_t kWhite[3] = {255, 255, 255};

// 0.01 model units are 20 pixels, so the shapes' 0.005 steps fall on whole pixels.
constexpr int kScale = 2000;
constexpr int kSize = 120;

class MarkerShapesTest : public testing::OffscreenGlTest<kSize, kSize> {
 protected:
  void SetUp() override {
    OffscreenGlTest::SetUp();
    if (HasFatalFailure()) return;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double half = kSize / 2.0 / kScale;
    glOrtho(-half, half, -half, half, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    clear(1, 1, 1);
    glColor3f(0, 0, 0);
  }

  static Image draw_alone(const MarkerLists& markers, int shape) {
    clear(1, 1, 1);
    glPointSize(1);
    call_marker(markers, shape);
    return read();
  }
};

// Expected pixel box of each shape around the centre (60, 60), from its vertices.
struct Expected {
  int shape;
  int half_width;
  int half_height;
  bool filled_centre;
};

TEST_F(MarkerShapesTest, EachShapeCoversItsBox) {
  const MarkerLists markers = compile_marker_lists(5, false);
  const Expected table[] = {{1, 20, 20, true},  {2, 20, 20, true},  {3, 2, 2, true},
                            {4, 20, 20, true},  {5, 16, 16, false}, {6, 20, 20, true},
                            {7, 20, 20, false}, {8, 20, 20, false}, {9, 20, 20, false},
                            {10, 20, 20, true}};
  const int centre = kSize / 2;
  for (const Expected& e : table) {
    const Image image = draw_alone(markers, e.shape);
    const testing::InkBox box = testing::ink_box(image, kWhite);
    ASSERT_GT(box.count, 0) << "shape " << e.shape;
    // Rasterisation leaves off the pixels of a filled tip.
    EXPECT_NEAR(box.left, centre - e.half_width, 2) << "shape " << e.shape;
    EXPECT_NEAR(box.right, centre + e.half_width, 2) << "shape " << e.shape;
    EXPECT_NEAR(box.bottom, centre - e.half_height, 2) << "shape " << e.shape;
    EXPECT_NEAR(box.top, centre + e.half_height, 2) << "shape " << e.shape;
    EXPECT_EQ(testing::inked(image, centre, centre - 3, kWhite),
              e.filled_centre && e.shape != 3 && e.shape != 6)
        << "shape " << e.shape;
  }
  // Triangle 1 points up: its top row is narrow, its bottom row wide.
  const Image triangle = draw_alone(markers, 1);
  const testing::InkBox box = testing::ink_box(triangle, kWhite);
  EXPECT_LT(testing::ink_in(triangle, kWhite, 0, box.top, kSize, box.top),
            testing::ink_in(triangle, kWhite, 0, box.bottom + 1, kSize, box.bottom + 1));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(MarkerShapesTest, ShapesOutsideOneToTenAndUnmadeListsDrawNothing) {
  const MarkerLists markers = compile_marker_lists(5, true);
  for (const int shape : {0, 11, -1, 235})
    EXPECT_EQ(testing::ink_box(draw_alone(markers, shape), kWhite).count, 0) << shape;
  // A renderer that stopped before its markers: list 1 may then be anything, here a block.
  const GLuint other = glGenLists(1);
  glNewList(other, GL_COMPILE);
  glRectf(-0.02f, -0.02f, 0.02f, 0.02f);
  glEndList();
  MarkerLists unmade;
  unmade.shapes[0] = other;
  EXPECT_EQ(testing::ink_box(draw_alone(unmade, 1), kWhite).count, 0);
  clear(1, 1, 1);
  call_outlier_mark(unmade);
  call_outlier_mark(compile_marker_lists(5, false));
  EXPECT_EQ(testing::ink_box(read(), kWhite).count, 0);
}

TEST_F(MarkerShapesTest, DotSetsThePointSizeForTheRestOfTheFrame) {
  const MarkerLists markers = compile_marker_lists(8, true);
  clear(1, 1, 1);
  call_outlier_mark(markers);
  const Image before = read();
  // With point size 1 the mark's centre is a single pixel inside its hollow square.
  EXPECT_EQ(testing::ink_in(before, kWhite, 50, 50, 70, 70), 1);
  const testing::InkBox square = testing::ink_box(before, kWhite);
  EXPECT_NEAR(square.right - square.left, 80, 1);

  clear(1, 1, 1);
  glPushMatrix();
  glTranslatef(-0.02f, 0.02f, 0);
  call_marker(markers, 3);
  glPopMatrix();
  glBegin(GL_POINTS);
  glVertex2f(0.02f, -0.02f);
  glEnd();
  const Image after = read();
  EXPECT_EQ(testing::ink_in(after, kWhite, 0, kSize / 2, kSize / 2, kSize), 64) << "the dot";
  EXPECT_EQ(testing::ink_in(after, kWhite, kSize / 2, 0, kSize, kSize / 2), 64) << "a later point";
}

// Draws all ten shapes and a legend line, for a look at PLOT_MARKER_PNG when it is set.
class MarkerSheetTest : public testing::OffscreenGlTest<480, 100> {};

TEST_F(MarkerSheetTest, AllShapesAndALineOfText) {
  const GLuint glyphs = glGenLists(224);
  compile_glyph_lists(glyphs, 224);
  const MarkerLists markers = compile_marker_lists(5, true);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 0.24, 0, 0.05, -1, 1);  // 2000 pixels a unit
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  clear(1, 1, 1);
  glColor3f(0, 0, 0);
  for (int k = 1; k <= kMarkerShapeCount + 1; ++k) {
    glPushMatrix();
    glTranslatef(0.02f * static_cast<float>(k) - 0.01f, 0.035f, 0);
    if (k <= kMarkerShapeCount)
      call_marker(markers, k);
    else
      call_outlier_mark(markers);
    glPopMatrix();
  }
  glColor3f(0.6f, 0, 0);
  glRasterPos2f(0.005f, 0.004f);
  print_text(glyphs, 224, "Grup 3 Sílice 0,75 1E-05 Fe₂O₃ é€");
  const Image image = read();
  for (int k = 1; k <= kMarkerShapeCount + 1; ++k)
    EXPECT_GT(testing::ink_in(image, kWhite, 40 * k - 30, 50, 40 * k - 10, 90), 0) << k;
  EXPECT_GT(testing::ink_in(image, kWhite, 0, 0, kWidth, 30), 200) << "the text";
  if (const char* path = std::getenv("PLOT_MARKER_PNG")) {
    std::string error;
    EXPECT_TRUE(write_png(image, path, error)) << error;
  }
}

}  // namespace
}  // namespace plot
