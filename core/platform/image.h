#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace plot {

// Leaves bytes uninitialised on resize: a picture's buffer is always written whole.
template <typename T, typename Base = std::allocator<T>>
class UninitialisedAllocator : public Base {
  using Traits = std::allocator_traits<Base>;

 public:
  template <typename U>
  struct rebind {
    using other = UninitialisedAllocator<U, typename Traits::template rebind_alloc<U>>;
  };
  using Base::Base;
  template <typename U>
  void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    Traits::construct(static_cast<Base&>(*this), p, std::forward<Args>(args)...);
  }
};

using PixelBytes = std::vector<uint8_t, UninitialisedAllocator<uint8_t>>;

// An RGB picture, rows top to bottom, three bytes a pixel.
struct Image {
  int32_t width = 0;
  int32_t height = 0;
  PixelBytes rgb;

  bool empty() const { return width == 0 || height == 0; }
  // Empty, keeping the buffer for the next picture.
  void clear() {
    width = 0;
    height = 0;
    rgb.clear();
  }
  const uint8_t* pixel(int32_t x, int32_t y) const {
    return rgb.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)) *
                            3;
  }
};

// Reads the current context's read buffer (the back buffer before a swap), into `image`'s own
// buffer when it is large enough.
void read_back_buffer(int32_t width, int32_t height, Image& image);
Image read_back_buffer(int32_t width, int32_t height);

// What the interface gives of a picture: its size, and its bytes when `capacity` holds them;
// returns the bytes needed.
int32_t copy_picture(const Image& picture, uint8_t* rgb, int32_t capacity, int32_t* width,
                     int32_t* height);

// Returns false with a reason in `error` when the file cannot be written.
bool write_png(const Image& image, const std::string& path, std::string& error);
// The same into an open stream; `name` is the file's, for the reason.
bool write_png(const Image& image, std::FILE* stream, const std::string& name, std::string& error);

}  // namespace plot
