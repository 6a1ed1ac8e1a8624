#include "core/text/text_output.h"

#include <gtest/gtest.h>

#include <string_view>

#include "core/text/glyph_lists.h"
#include "core/text/glyph_raster.h"
#include "core/text/windows1252.h"
#include "tests/core/offscreen_gl_fixture.h"

namespace plot {
namespace {

constexpr uint8_t kBlack[3] = {0, 0, 0};

// Sum of the glyph advances of a Windows-1252 text.
float advance_of(std::string_view codes) {
  float total = 0;
  for (const char c : codes) total += process_glyphs().glyph(static_cast<uint8_t>(c)).advance;
  return total;
}

class TextOutputTest : public testing::OffscreenGlTest<400, 64> {
 protected:
  void SetUp() override {
    OffscreenGlTest::SetUp();
    if (HasFatalFailure()) return;
    use_pixel_projection();
    clear(0, 0, 0);
    glColor3f(1, 1, 1);
  }

  // Glyph lists as a plug-in with `count` glyphs makes them, then a list right after them
  // that draws a block and moves far, as the first marker or a world list might.
  void make_lists(int count) {
    base_ = glGenLists(count);
    compile_glyph_lists(base_, count);
    const GLuint next = glGenLists(1);
    ASSERT_EQ(next, base_ + static_cast<GLuint>(count));
    static const uint8_t block[8 * 8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    glNewList(next, GL_COMPILE);
    glBitmap(8, 8, 0, 0, 100, 0, block);
    glEndList();
    count_ = count;
  }

  float print_from(int x, std::string_view text) {
    glRasterPos2i(x, kBaseline);
    print_text(base_, count_, text);
    float rx = 0, ry = 0;
    bool valid = false;
    raster_position(rx, ry, valid);
    EXPECT_TRUE(valid);
    EXPECT_EQ(ry, kBaseline);
    return rx;
  }

  static constexpr int kBaseline = 24;
  GLuint base_ = 0;
  int count_ = 0;
};

TEST_F(TextOutputTest, LegendTextDrawsEveryCharacterAndEndsAfterTheBlank) {
  make_lists(224);
  const float end = print_from(10, "Grup 3 ");
  EXPECT_EQ(end, 10 + advance_of("Grup 3 "));
  const Image image = read();
  // Each visible character inks its own cell.
  float pen = 10;
  for (const char c : std::string_view("Grup 3 ")) {
    const float next = pen + advance_of(std::string_view(&c, 1));
    if (c != ' ') {
      EXPECT_GT(testing::ink_in(image, kBlack, static_cast<int>(pen), 0, static_cast<int>(next) - 1,
                                kHeight),
                0)
          << "character '" << c << "'";
    }
    pen = next;
  }
  EXPECT_EQ(testing::ink_in(image, kBlack, static_cast<int>(pen), 0, kWidth, kHeight), 0);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextOutputTest, EmptyTextIssuesNoGlCall) {
  make_lists(224);
  EXPECT_EQ(print_from(37, ""), 37);
  // State calls between glBegin and glEnd are errors, so any call would show here.
  glBegin(GL_POINTS);
  print_text(base_, count_, "");
  glEnd();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  glBegin(GL_POINTS);
  print_text(base_, count_, "x");
  glEnd();
  EXPECT_NE(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "the probe itself works";
}

TEST_F(TextOutputTest, CodesWithoutGlyphsNeverReachTheListsBeyond) {
  make_lists(96);
  // "é" and "€" are codes 233 and 128 of the code page; control codes too lie outside.
  EXPECT_EQ(print_from(10, "aé€\tb\x01"), 10 + advance_of("ab"));
  const Image image = read();
  EXPECT_EQ(
      testing::ink_in(image, kBlack, static_cast<int>(10 + advance_of("ab")), 0, kWidth, kHeight),
      0)
      << "the list after the glyphs was called";
  // Nothing drawable at all: nothing happens.
  EXPECT_EQ(print_from(50, "é€"), 50);
}

TEST_F(TextOutputTest, AccentedAndUnrepresentableCharactersIn224Glyphs) {
  make_lists(224);
  EXPECT_EQ(print_from(10, "Sílice "), 10 + advance_of(utf8_to_cp1252("Sílice ")));
  EXPECT_EQ(utf8_to_cp1252("Fe₂O₃"), "Fe?O?");
  clear(0, 0, 0);
  EXPECT_EQ(print_from(10, "Fe₂O₃"), 10 + advance_of("Fe?O?"));
  const Image subscript = read();
  clear(0, 0, 0);
  print_from(10, "Fe?O?");
  EXPECT_EQ(subscript.rgb, read().rgb);
}

}  // namespace
}  // namespace plot
