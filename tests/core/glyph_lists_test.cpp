#include "core/text/glyph_lists.h"

#include <gtest/gtest.h>

#include "core/text/glyph_raster.h"
#include "core/text/text_output.h"
#include "tests/core/offscreen_gl_fixture.h"

namespace plot {
namespace {

constexpr uint8_t kBlack[3] = {0, 0, 0};

TEST(GlyphRaster, BoldSansFontAt24PixelEm) {
  const GlyphSet& set = process_glyphs();
  ASSERT_FALSE(set.font_file.empty());
  EXPECT_NE(set.font_file.find("Bold"), std::string::npos) << set.font_file;
  EXPECT_EQ(&set, &process_glyphs()) << "rasterised once per process";

  const GlyphBitmap& h = set.glyph('H');
  ASSERT_TRUE(h.present);
  // Cap height of a sans face is about 0.72 em: 17 pixels at a 24-pixel em.
  EXPECT_GE(h.rows, 16);
  EXPECT_LE(h.rows, 18);
  EXPECT_EQ(h.y_origin, 0) << "H sits on the baseline";
  const GlyphBitmap& p = set.glyph('p');
  ASSERT_TRUE(p.present);
  EXPECT_GT(p.y_origin, 3) << "the descender of p reaches below the baseline";
  // Bold sans advances at 24 pixels: "i" narrow, "W" wide, every digit alike.
  EXPECT_LT(set.glyph('i').advance, set.glyph('W').advance);
  for (uint8_t digit = '1'; digit <= '9'; ++digit)
    EXPECT_EQ(set.glyph(digit).advance, set.glyph('0').advance);
  EXPECT_TRUE(set.glyph(' ').present);
  EXPECT_GT(set.glyph(' ').advance, 0);
}

TEST(GlyphRaster, HighCodesGoThroughWindows1252) {
  const GlyphSet& set = process_glyphs();
  EXPECT_TRUE(set.glyph(0x80).present) << "euro sign";
  EXPECT_TRUE(set.glyph(0x8A).present) << "S with caron";
  EXPECT_TRUE(set.glyph(0xE9).present) << "e with acute";
  EXPECT_FALSE(set.glyph(0x81).present) << "undefined in the code page";
  EXPECT_FALSE(set.glyph(0x7F).present) << "delete has no glyph";
}

class GlyphListTest : public testing::OffscreenGlTest<160, 64> {
 protected:
  void SetUp() override {
    OffscreenGlTest::SetUp();
    if (HasFatalFailure()) return;
    use_pixel_projection();
    clear(0, 0, 0);
    glColor3f(1, 1, 1);
  }
};

TEST_F(GlyphListTest, BitmapsAreUprightAndOnTheBaseline) {
  const GLuint base = glGenLists(224);
  ASSERT_EQ(base, 1u) << "glyphs are the first lists of a fresh context";
  compile_glyph_lists(base, 224);
  glRasterPos2i(10, 20);
  glCallList(base + 'A' - 32);
  const Image image = read();
  const testing::InkBox box = testing::ink_box(image, kBlack);
  const GlyphBitmap& a = process_glyphs().glyph('A');
  ASSERT_GT(box.count, 0);
  EXPECT_EQ(box.bottom, 20) << "the A stands on the raster position's baseline";
  EXPECT_EQ(box.top - box.bottom + 1, a.rows);
  EXPECT_EQ(box.left, 10 - static_cast<int>(a.x_origin));
  // Upright: the apex row is narrower than the row across the feet.
  const int feet = testing::ink_in(image, kBlack, 0, box.bottom, kWidth, box.bottom);
  const int apex = testing::ink_in(image, kBlack, 0, box.top, kWidth, box.top);
  EXPECT_LT(apex, feet);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlyphListTest, MissingCharactersNeitherDrawNorMove) {
  const GLuint base = glGenLists(224);
  compile_glyph_lists(base, 224);
  glRasterPos2i(10, 20);
  glCallList(base + 0x81 - 32);
  glCallList(base + 0x7F - 32);
  float x = 0, y = 0;
  bool valid = false;
  raster_position(x, y, valid);
  EXPECT_TRUE(valid);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(testing::ink_box(read(), kBlack).count, 0);
}

TEST_F(GlyphListTest, WithoutAFontTextDrawsNothing) {
  const GlyphSet none = rasterise_glyphs("/nonexistent/font.ttf");
  ASSERT_TRUE(none.font_file.empty());
  const GLuint base = glGenLists(96);
  compile_glyph_lists(none, base, 96);
  EXPECT_EQ(glGenLists(1), base + 96) << "all lists are made even without a font";
  glRasterPos2i(10, 20);
  print_text(base, 96, "Grup 3 ");
  float x = 0, y = 0;
  bool valid = false;
  raster_position(x, y, valid);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(testing::ink_box(read(), kBlack).count, 0);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlyphListTest, EveryNewContextGetsTheSameGlyphs) {
  const GLuint base = glGenLists(224);
  compile_glyph_lists(base, 224);
  glRasterPos2i(4, 20);
  print_text(base, 224, "Ag€");
  const Image first = read();
  TearDown();
  SetUp();
  const GLuint again = glGenLists(224);
  compile_glyph_lists(again, 224);
  glRasterPos2i(4, 20);
  print_text(again, 224, "Ag€");
  EXPECT_EQ(first.rgb, read().rgb);
  EXPECT_GT(testing::ink_box(first, kBlack).count, 0);
}

}  // namespace
}  // namespace plot
