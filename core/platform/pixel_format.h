#pragma once

#include <cstdint>

namespace plot {

// The fields of the pixel-format request the renderer fills; everything else is zero.
struct PixelFormatDescriptor {
  static constexpr uint32_t kDrawToWindow = 0x04;
  static constexpr uint32_t kSupportOpenGl = 0x20;
  static constexpr uint32_t kDoubleBuffer = 0x01;

  uint16_t size = 40;
  uint16_t version = 1;
  uint32_t flags = kDrawToWindow | kSupportOpenGl | kDoubleBuffer;
  uint8_t pixel_type = 0;  // RGBA
  uint8_t colour_bits = 24;
  uint8_t depth_bits = 16;
  uint8_t layer_type = 0;  // main plane
};

}  // namespace plot
