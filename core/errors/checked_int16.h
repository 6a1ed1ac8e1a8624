#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/errors/runtime_error.h"

namespace plot {

// 16-bit integer arithmetic that raises Overflow instead of wrapping, as the host's own
// integer type does.
inline int16_t to_int16(int32_t value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
    raise(ErrorNumber::Overflow);
  return static_cast<int16_t>(value);
}

inline int16_t add16(int16_t a, int16_t b) {
  return to_int16(int32_t{a} + int32_t{b});
}
inline int16_t sub16(int16_t a, int16_t b) {
  return to_int16(int32_t{a} - int32_t{b});
}
inline int16_t mul16(int16_t a, int16_t b) {
  return to_int16(int32_t{a} * int32_t{b});
}

// Nearest 16-bit integer, halves to the even neighbour; NaN and values out of range overflow.
inline int16_t round_to_int16(double value) {
  if (!(value > -32768.5 && value < 32767.5)) raise(ErrorNumber::Overflow);
  return static_cast<int16_t>(std::nearbyint(value));
}

}  // namespace plot
