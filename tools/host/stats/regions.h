#pragma once

#include "compositions.h"

// Probability regions of three-part compositions, as ellipses in balance (ilr) coordinates
// mapped back to the simplex.
namespace stats {

// The points z of the ilr plane with (z - centre)' covariance^-1 (z - centre) = radius2.
struct Ellipse {
  Vector centre;
  Matrix covariance;
  double radius2;
};

// Where a new observation falls with probability `level`, from a sample's ilr coordinates (one
// row each) with mean m and covariance S over n rows, p columns:
// radius2 = p (n + 1)(n - 1) / (n (n - p)) F(p, n - p; level).
Ellipse predictive_region(const Matrix& coordinates, double level);

// Where the sample's centre lies with confidence `level`:
// n (m - mu)' S^-1 (m - mu) = p (n - 1) / (n - p) F(p, n - p; level).
Ellipse confidence_region(const Matrix& coordinates, double level);

// How many of the rows lie outside the ellipse.
Eigen::Index count_outside(const Ellipse& ellipse, const Matrix& coordinates);

// `count` points of a two-coordinate ellipse, from angle `from` to `to` inclusive (radians of the
// circle the Cholesky factor of the covariance maps onto it), one row each.
Matrix trace_ellipse(const Ellipse& ellipse, double from, double to, Eigen::Index count);

// A region as the predictive-region plot takes it, in the ternary frame: two branches of `count`
// points, one each side, that start at the same point and end at the same point.
struct Branches {
  Matrix first;
  Matrix second;
};
Branches ternary_branches(const Ellipse& ellipse, Eigen::Index count);

// A region as a closed curve of `count` points in the ternary frame, the first not repeated.
Matrix ternary_curve(const Ellipse& ellipse, Eigen::Index count);

// The closed geometric mean of the ellipse's centre, in the ternary frame.
Eigen::RowVector2d ternary_centre(const Ellipse& ellipse);

}  // namespace stats
