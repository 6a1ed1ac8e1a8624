#pragma once

#include <cstdint>

namespace plot {

// The host's 16-bit Boolean: true is -1, false is 0. Any non-zero value reads as true.
class Boolean {
 public:
  constexpr Boolean() = default;
  constexpr Boolean(bool value) : value_(value ? -1 : 0) {}  // NOLINT: implicit on purpose
  static constexpr Boolean from_raw(int16_t raw) { return Boolean(raw != 0); }

  constexpr operator bool() const { return value_ != 0; }  // NOLINT
  constexpr int16_t raw() const { return value_; }

 private:
  int16_t value_ = 0;
};

}  // namespace plot
