#pragma once

#include <array>
#include <cstdint>

#include "core/errors/runtime_error.h"

namespace plot {

// An array with fixed bounds Lower To Upper whose every index is checked: an index outside
// the bounds is "Subscript out of range", never a stray read or write.
template <typename T, int32_t Lower, int32_t Upper>
class FixedArray {
  static_assert(Upper >= Lower);

 public:
  static constexpr int32_t lower = Lower;
  static constexpr int32_t upper = Upper;
  static constexpr std::size_t size = static_cast<std::size_t>(Upper - Lower + 1);

  T& operator()(int32_t index) { return items_[offset(index)]; }
  const T& operator()(int32_t index) const { return items_[offset(index)]; }

  T* data() { return items_.data(); }
  const T* data() const { return items_.data(); }

 private:
  static std::size_t offset(int32_t index) {
    if (index < Lower || index > Upper) raise(ErrorNumber::SubscriptOutOfRange);
    return static_cast<std::size_t>(index - Lower);
  }

  std::array<T, size> items_{};
};

}  // namespace plot

namespace plot {

// Checked element of a C array declared Lower To Lower + N - 1 (the records the host shares
// with the plug-ins are plain C structs).
template <int32_t Lower = 0, typename T, std::size_t N>
T& element(T (&items)[N], int32_t index) {
  if (index < Lower || index >= Lower + static_cast<int32_t>(N))
    raise(ErrorNumber::SubscriptOutOfRange);
  return items[index - Lower];
}

}  // namespace plot
