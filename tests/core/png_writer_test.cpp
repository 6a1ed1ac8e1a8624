// The PNG files pictures are written to: any decoder gives back the exact pixels.
#include <png.h>

#include <filesystem>

#include "core/offscreen_gl_fixture.h"

namespace plot {
namespace {

using PngWriter = testing::OffscreenGlTest<61, 37>;

TEST_F(PngWriter, DecodesToTheReadBackPixels) {
  use_pixel_projection();
  clear(1, 1, 1);
  glColor3f(1, 0, 0);
  glRectf(5, 4, 40, 30);
  glColor3f(0, 0.5f, 1);
  glBegin(GL_LINES);
  glVertex2f(0, 20.5f);
  glVertex2f(61, 20.5f);
  glEnd();
  const Image picture = read();
  const auto path = std::filesystem::temp_directory_path() / "plot-png-writer-test.png";
  std::string error;
  ASSERT_TRUE(write_png(picture, path.string(), error)) << error;

  png_image decoded{};
  decoded.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&decoded, path.c_str())) << decoded.message;
  decoded.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(decoded));
  ASSERT_TRUE(png_image_finish_read(&decoded, nullptr, rgb.data(), 0, nullptr)) << decoded.message;
  std::filesystem::remove(path);
  EXPECT_EQ(static_cast<int32_t>(decoded.width), kWidth);
  EXPECT_EQ(static_cast<int32_t>(decoded.height), kHeight);
  EXPECT_TRUE(std::equal(rgb.begin(), rgb.end(), picture.rgb.begin(), picture.rgb.end()));
  // Rows top first: the line near the top, the rectangle's lower edge near the bottom.
  EXPECT_EQ(picture.pixel(30, kHeight - 1 - 20)[2], 255);
  EXPECT_EQ(picture.pixel(6, kHeight - 1 - 5)[0], 255);
  EXPECT_EQ(picture.pixel(6, kHeight - 1 - 5)[1], 0);
}

}  // namespace
}  // namespace plot
