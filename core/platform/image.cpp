#include "core/platform/image.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <memory>

namespace plot {

Image read_back_buffer(int32_t width, int32_t height) {
  Image image;
  if (width <= 0 || height <= 0) return image;
  image.width = width;
  image.height = height;
  const auto row = static_cast<std::size_t>(width) * 3;
  std::vector<uint8_t> bottom_up(row * static_cast<std::size_t>(height));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottom_up.data());
  image.rgb.resize(bottom_up.size());
  for (int32_t y = 0; y < height; ++y) {
    const auto from = bottom_up.begin() +
                      static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(height - 1 - y));
    std::copy(from, from + static_cast<std::ptrdiff_t>(row),
              image.rgb.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(y)));
  }
  return image;
}

bool write_png(const Image& image, const std::string& path, std::string& error) {
  if (image.empty()) {
    error = "no picture has been presented";
    return false;
  }
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) {
    error = "cannot open " + path + " for writing";
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, nullptr);
    error = "out of memory";
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    error = "cannot write " + path;
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const auto row = static_cast<std::size_t>(image.width) * 3;
  for (int32_t y = 0; y < image.height; ++y)
    png_write_row(png, image.rgb.data() + row * static_cast<std::size_t>(y));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace plot
