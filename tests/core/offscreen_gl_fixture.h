#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "core/platform/egl_offscreen_surface.h"
#include "core/platform/image.h"

namespace plot::testing {

// A fresh rendering context of W x H pixels on an off-screen surface, current for the test.
template <int32_t W, int32_t H>
class OffscreenGlTest : public ::testing::Test {
 protected:
  static constexpr int32_t kWidth = W;
  static constexpr int32_t kHeight = H;

  void SetUp() override {
    surface_ = std::make_unique<EglOffscreenSurface>(W, H);
    const int format = surface_->choose_pixel_format(PixelFormatDescriptor{});
    ASSERT_NE(format, 0) << "no off-screen OpenGL config";
    ASSERT_TRUE(surface_->set_pixel_format(format));
    context_ = surface_->create_context();
    ASSERT_NE(context_, nullptr);
    ASSERT_TRUE(surface_->make_current(*context_));
    glViewport(0, 0, W, H);
  }

  void TearDown() override {
    if (context_ != nullptr) context_->release_current();
    context_.reset();
    surface_.reset();
  }

  // Model units are window pixels, origin at the lower left.
  static void use_pixel_projection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, W, 0, H, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }

  static void clear(float r, float g, float b) {
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }

  static Image read() {
    glFinish();
    return read_back_buffer(W, H);
  }

  // Raster position in window pixels and whether it is valid.
  static void raster_position(float& x, float& y, bool& valid) {
    GLfloat position[4] = {};
    GLboolean is_valid = GL_FALSE;
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &is_valid);
    x = position[0];
    y = position[1];
    valid = is_valid == GL_TRUE;
  }

 private:
  std::unique_ptr<EglOffscreenSurface> surface_;
  std::unique_ptr<GlContext> context_;
};

// The bounding box of the pixels that are not `background`, in window coordinates (x to the
// right, y up from the bottom row), inclusive; count 0 when there are none.
struct InkBox {
  int count = 0;
  int32_t left = 0, bottom = 0, right = -1, top = -1;
};

inline InkBox ink_box(const Image& image, const uint8_t background[3]) {
  InkBox box;
  for (int32_t row = 0; row < image.height; ++row)
    for (int32_t x = 0; x < image.width; ++x) {
      const uint8_t* p = image.pixel(x, row);
      if (p[0] == background[0] && p[1] == background[1] && p[2] == background[2]) continue;
      const int32_t y = image.height - 1 - row;
      if (box.count++ == 0) {
        box.left = box.right = x;
        box.bottom = box.top = y;
      }
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.bottom = std::min(box.bottom, y);
      box.top = std::max(box.top, y);
    }
  return box;
}

// Whether the pixel at window coordinates (x, y) is not `background`.
inline bool inked(const Image& image, int32_t x, int32_t y, const uint8_t background[3]) {
  const uint8_t* p = image.pixel(x, image.height - 1 - y);
  return p[0] != background[0] || p[1] != background[1] || p[2] != background[2];
}

// Pixels that are not `background` in the window-coordinate box [left, right] x [bottom, top].
inline int ink_in(const Image& image, const uint8_t background[3], int32_t left, int32_t bottom,
                  int32_t right, int32_t top) {
  int count = 0;
  for (int32_t y = std::max(bottom, 0); y <= std::min(top, image.height - 1); ++y)
    for (int32_t x = std::max(left, 0); x <= std::min(right, image.width - 1); ++x)
      if (inked(image, x, y, background)) ++count;
  return count;
}

}  // namespace plot::testing
