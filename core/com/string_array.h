#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/errors/runtime_error.h"

namespace plot {

// A host's one-dimensional string array with its own bounds (coor declared 1 To 3, 0 To 5...).
class StringArray {
 public:
  StringArray() = default;
  StringArray(int32_t lower, std::vector<std::string> items)
      : lower_(lower), items_(std::move(items)) {}

  int32_t lower() const { return lower_; }
  bool empty() const { return items_.empty(); }
  const std::vector<std::string>& items() const { return items_; }
  // The bounds may lie at either end of the 32-bit range: offsets are taken in 64 bits.
  int32_t upper() const {
    return static_cast<int32_t>(int64_t{lower_} + static_cast<int64_t>(items_.size()) - 1);
  }

  const std::string& operator()(int32_t index) const {
    const int64_t offset = int64_t{index} - int64_t{lower_};
    if (offset < 0 || offset >= static_cast<int64_t>(items_.size()))
      raise(ErrorNumber::SubscriptOutOfRange);
    return items_[static_cast<std::size_t>(offset)];
  }

 private:
  int32_t lower_ = 0;
  std::vector<std::string> items_;
};

}  // namespace plot
