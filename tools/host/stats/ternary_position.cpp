#include "ternary_position.h"

#include <stdexcept>

namespace stats {

Matrix ternary_positions(const Matrix& compositions) {
  if (compositions.cols() != 3) throw std::invalid_argument("a ternary point has three parts");
  // Not closure(): a point on an edge has a zero part.
  const Matrix c = compositions.array().colwise() / compositions.rowwise().sum().array();
  Matrix xy(c.rows(), 2);
  xy.col(0) = 0.5 * c.col(0) + c.col(2);
  xy.col(1) = kTernaryHeight * c.col(0);
  return xy;
}

}  // namespace stats
