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
  int32_t upper() const { return lower_ + static_cast<int32_t>(items_.size()) - 1; }

  const std::string& operator()(int32_t index) const {
    if (index < lower_ || index > upper()) raise(ErrorNumber::SubscriptOutOfRange);
    return items_[static_cast<std::size_t>(index - lower_)];
  }

 private:
  int32_t lower_ = 0;
  std::vector<std::string> items_;
};

}  // namespace plot
