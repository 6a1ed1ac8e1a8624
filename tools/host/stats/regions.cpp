#include "regions.h"

#include <cmath>
#include <stdexcept>

#include "quantiles.h"
#include "ternary_position.h"

namespace stats {
namespace {

struct Moments {
  Vector mean;
  Matrix covariance;
  double n;
  double p;
};

Moments moments(const Matrix& coordinates) {
  const auto n = coordinates.rows();
  const auto p = coordinates.cols();
  if (n <= p) throw std::invalid_argument("a region needs more rows than coordinates");
  return {column_means(coordinates), sample_covariance(coordinates), static_cast<double>(n),
          static_cast<double>(p)};
}

void require_level(double level) {
  if (!(level > 0 && level < 1)) throw std::invalid_argument("a level lies in (0, 1)");
}

Matrix in_frame(const Matrix& balances) {
  return ternary_positions(ilr_inverse(balances));
}

}  // namespace

Eigen::Index count_outside(const Ellipse& ellipse, const Matrix& coordinates) {
  const Eigen::LLT<Matrix> factor(ellipse.covariance);
  Eigen::Index outside = 0;
  for (Eigen::Index i = 0; i < coordinates.rows(); ++i) {
    const Vector d = coordinates.row(i).transpose() - ellipse.centre;
    outside += d.dot(factor.solve(d)) > ellipse.radius2 ? 1 : 0;
  }
  return outside;
}

Ellipse predictive_region(const Matrix& coordinates, double level) {
  require_level(level);
  const Moments m = moments(coordinates);
  const double f = f_quantile(level, m.p, m.n - m.p);
  return {m.mean, m.covariance, m.p * (m.n + 1) * (m.n - 1) / (m.n * (m.n - m.p)) * f};
}

Ellipse confidence_region(const Matrix& coordinates, double level) {
  require_level(level);
  const Moments m = moments(coordinates);
  const double f = f_quantile(level, m.p, m.n - m.p);
  return {m.mean, m.covariance, m.p * (m.n - 1) / (m.n * (m.n - m.p)) * f};
}

Matrix trace_ellipse(const Ellipse& ellipse, double from, double to, Eigen::Index count) {
  if (ellipse.centre.size() != 2 || count < 2)
    throw std::invalid_argument("an ellipse is traced in a plane, with two points or more");
  const Eigen::LLT<Matrix> cholesky(ellipse.covariance);
  if (cholesky.info() != Eigen::Success)
    throw std::invalid_argument("the covariance is not positive definite");
  const Matrix l = cholesky.matrixL();
  const double r = std::sqrt(ellipse.radius2);
  Matrix points(count, 2);
  for (Eigen::Index i = 0; i < count; ++i) {
    const double t = from + (to - from) * static_cast<double>(i) / static_cast<double>(count - 1);
    const Eigen::Vector2d circle(r * std::cos(t), r * std::sin(t));
    points.row(i) = (ellipse.centre + l * circle).transpose();
  }
  return points;
}

Branches ternary_branches(const Ellipse& ellipse, Eigen::Index count) {
  // Both from angle 0 to angle pi, one over each side.
  return {in_frame(trace_ellipse(ellipse, 0, M_PI, count)),
          in_frame(trace_ellipse(ellipse, 0, -M_PI, count))};
}

Matrix ternary_curve(const Ellipse& ellipse, Eigen::Index count) {
  const double last = 2 * M_PI * static_cast<double>(count - 1) / static_cast<double>(count);
  return in_frame(trace_ellipse(ellipse, 0, last, count));
}

Eigen::RowVector2d ternary_centre(const Ellipse& ellipse) {
  return in_frame(ellipse.centre.transpose());
}

}  // namespace stats
