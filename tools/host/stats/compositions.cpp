#include "compositions.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace stats {
namespace {

void require_positive(const Matrix& parts) {
  for (Eigen::Index i = 0; i < parts.rows(); ++i)
    for (Eigen::Index j = 0; j < parts.cols(); ++j)
      if (!(parts(i, j) > 0) || !std::isfinite(parts(i, j)))
        throw std::invalid_argument("row " + std::to_string(i + 1) + ", part " +
                                    std::to_string(j + 1) + " is not a positive number");
}

// One row to proportions. Parts near the largest double overflow the plain sum (three of 1e308
// would all become 0); scaled by the largest part first, the composition is the same.
Eigen::RowVectorXd closed(const Eigen::RowVectorXd& row) {
  const double sum = row.sum();
  if (std::isfinite(sum)) return row / sum;
  const Eigen::RowVectorXd scaled = row / row.maxCoeff();
  return scaled / scaled.sum();
}

}  // namespace

Matrix closure(const Matrix& parts) {
  require_positive(parts);
  Matrix out(parts.rows(), parts.cols());
  for (Eigen::Index i = 0; i < parts.rows(); ++i) out.row(i) = closed(parts.row(i));
  return out;
}

Matrix multiplicative_replacement(const Matrix& parts, double delta) {
  if (!(delta > 0 && delta < 1)) throw std::invalid_argument("delta must lie in (0, 1)");
  Matrix out(parts.rows(), parts.cols());
  for (Eigen::Index i = 0; i < parts.rows(); ++i) {
    double sum = 0;
    Eigen::Index zeros = 0;
    for (Eigen::Index j = 0; j < parts.cols(); ++j) {
      const double v = parts(i, j);
      if (v < 0 || !std::isfinite(v))
        throw std::invalid_argument("row " + std::to_string(i + 1) + " has a negative part");
      sum += v;
      zeros += v == 0;
    }
    const double kept = 1 - delta * static_cast<double>(zeros);
    if (!(sum > 0) || !(kept > 0))
      throw std::invalid_argument("row " + std::to_string(i + 1) + " has too many zeros");
    const Eigen::RowVectorXd proportions = closed(parts.row(i));
    for (Eigen::Index j = 0; j < parts.cols(); ++j)
      out(i, j) = parts(i, j) == 0 ? delta : proportions(j) * kept;
  }
  return out;
}

Matrix clr(const Matrix& parts) {
  require_positive(parts);
  const Matrix logs = parts.array().log().matrix();
  return logs.colwise() - logs.rowwise().mean();
}

Matrix alr(const Matrix& parts) {
  require_positive(parts);
  const Matrix logs = parts.array().log().matrix();
  const Eigen::Index d = parts.cols();
  return logs.leftCols(d - 1).colwise() - logs.col(d - 1);
}

Matrix ilr_basis(Eigen::Index parts) {
  Matrix v = Matrix::Zero(parts, parts - 1);
  for (Eigen::Index i = 1; i < parts; ++i) {
    const double n = static_cast<double>(i);
    const double scale = std::sqrt(n / (n + 1));
    v.col(i - 1).head(i).setConstant(scale / n);
    v(i, i - 1) = -scale;
  }
  return v;
}

Matrix ilr(const Matrix& parts) {
  return clr(parts) * ilr_basis(parts.cols());
}

Matrix ilr_inverse(const Matrix& balances) {
  const Matrix logs = balances * ilr_basis(balances.cols() + 1).transpose();
  const Matrix e = logs.array().exp().matrix();
  return e.array().colwise() / e.rowwise().sum().array();
}

Vector clr_inverse(const Vector& clr) {
  const Vector e = clr.array().exp();
  return e / e.sum();
}

Vector column_means(const Matrix& data) {
  return data.colwise().mean().transpose();
}

Matrix sample_covariance(const Matrix& data) {
  if (data.rows() < 2) throw std::invalid_argument("a covariance needs two rows or more");
  const Matrix centred = data.rowwise() - data.colwise().mean();
  return centred.transpose() * centred / static_cast<double>(data.rows() - 1);
}

}  // namespace stats
