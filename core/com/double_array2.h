#pragma once

#include <cstdint>
#include <new>
#include <vector>

#include "core/errors/runtime_error.h"

namespace plot {

// A two-dimensional array of doubles with the bounds its owner declared (Dades is 1 To 6000,
// 1 To 4). Every index is checked: one outside the bounds is "Subscript out of range".
class DoubleArray2 {
 public:
  // Rows and columns lower To upper, all items 0; an upper bound below its lower one - 1 is
  // refused.
  DoubleArray2(int32_t row_lower, int32_t row_upper, int32_t column_lower, int32_t column_upper)
      : row_lower_(row_lower),
        row_upper_(row_upper),
        column_lower_(column_lower),
        column_upper_(column_upper) {
    if (rows() < 0 || columns() < 0) raise(ErrorNumber::SubscriptOutOfRange);
    // The count must not wrap: an empty table with wide bounds would be indexed past its end.
    if (columns() > 0 && rows() > static_cast<int64_t>(items_.max_size()) / columns())
      throw std::bad_alloc();
    items_.assign(static_cast<std::size_t>(rows()) * static_cast<std::size_t>(columns()), 0.0);
  }

  int64_t rows() const { return int64_t{row_upper_} - row_lower_ + 1; }
  int64_t columns() const { return int64_t{column_upper_} - column_lower_ + 1; }

  double& operator()(int32_t row, int32_t column) { return items_[offset(row, column)]; }
  double operator()(int32_t row, int32_t column) const { return items_[offset(row, column)]; }

  // Row by row, as the C interface lays them out.
  double* data() { return items_.data(); }

 private:
  std::size_t offset(int32_t row, int32_t column) const {
    if (row < row_lower_ || row > row_upper_ || column < column_lower_ || column > column_upper_)
      raise(ErrorNumber::SubscriptOutOfRange);
    return static_cast<std::size_t>((int64_t{row} - row_lower_) * columns() +
                                    (int64_t{column} - column_lower_));
  }

  int32_t row_lower_;
  int32_t row_upper_;
  int32_t column_lower_;
  int32_t column_upper_;
  std::vector<double> items_;
};

}  // namespace plot
