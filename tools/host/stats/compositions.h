#pragma once

#include <Eigen/Dense>

// The host's statistics on compositions: one observation per row, one part per column.
namespace stats {

using Matrix = Eigen::MatrixXd;
using Vector = Eigen::VectorXd;

// Each row divided by its sum. Every part must be positive and finite
// (std::invalid_argument otherwise).
Matrix closure(const Matrix& parts);

// Zeros replaced by `delta` (a proportion of the closed row) and the other parts shrunk so the
// row still sums to 1: the multiplicative replacement. 0 < delta < 1; negative parts are
// refused.
Matrix multiplicative_replacement(const Matrix& parts, double delta);

// Centred log-ratios: ln(x_j / g(x)), g the geometric mean of the row.
Matrix clr(const Matrix& parts);

// Additive log-ratios against the last part: ln(x_j / x_D), D - 1 columns.
Matrix alr(const Matrix& parts);

// The orthonormal balances z_i = sqrt(i / (i + 1)) ln(g(x_1..x_i) / x_(i+1)), i = 1 to D - 1:
// ln(x1/x2)/sqrt 2, ln(x1 x2/x3^2)/sqrt 6, ln(x1 x2 x3/x4^3)/sqrt 12, ...
Matrix ilr(const Matrix& parts);
// Closed compositions back from balances (D = columns + 1).
Matrix ilr_inverse(const Matrix& balances);
// The D x (D - 1) contrast matrix V with ilr(x) = clr(x) V.
Matrix ilr_basis(Eigen::Index parts);

// The closed composition at clr coordinates `clr` (any length): the inverse of clr.
Vector clr_inverse(const Vector& clr);

// Column means and the sample covariance (divisor n - 1).
Vector column_means(const Matrix& data);
Matrix sample_covariance(const Matrix& data);

}  // namespace stats
