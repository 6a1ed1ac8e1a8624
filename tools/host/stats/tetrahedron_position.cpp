#include "tetrahedron_position.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace stats {

Matrix tetrahedron_vertices() {
  Matrix v(4, 3);
  v << 0, 0, 0,                    //
      0, double{1.1547005f}, 0,    //
      double{0.8660254f}, 0.5, 0,  //
      double{0.28867513f}, 0.5, 1;
  return v;
}

Matrix tetrahedron_positions(const Matrix& closed) {
  if (closed.cols() != 4)
    throw std::invalid_argument("the tetrahedron takes four parts, not " +
                                std::to_string(closed.cols()));
  for (Eigen::Index i = 0; i < closed.rows(); ++i) {
    const auto row = closed.row(i);
    if (!row.allFinite() || row.minCoeff() < 0 || std::abs(row.sum() - 1) > 1e-9)
      throw std::invalid_argument("row " + std::to_string(i + 1) + " is not a closed composition");
  }
  return closed * tetrahedron_vertices();
}

}  // namespace stats
