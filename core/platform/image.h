#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plot {

// An RGB picture, rows top to bottom, three bytes a pixel.
struct Image {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgb;

  bool empty() const { return width == 0 || height == 0; }
  const uint8_t* pixel(int32_t x, int32_t y) const {
    return rgb.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)) *
                            3;
  }
};

// Reads the current context's read buffer (the back buffer before a swap).
Image read_back_buffer(int32_t width, int32_t height);

// Returns false with a reason in `error` when the file cannot be written.
bool write_png(const Image& image, const std::string& path, std::string& error);

}  // namespace plot
