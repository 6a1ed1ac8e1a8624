#include "pca.h"

#include <stdexcept>
#include <vector>

#include "quantiles.h"

namespace stats {

Pca clr_pca(const Matrix& parts) {
  if (parts.rows() < 2 || parts.cols() < 2)
    throw std::invalid_argument("principal components need two rows and two parts or more");
  const Matrix x = clr(parts);
  const Matrix centred = x.rowwise() - x.colwise().mean();
  const Eigen::JacobiSVD<Matrix> svd(centred, Eigen::ComputeThinU | Eigen::ComputeThinV);
  Pca pca;
  pca.singular_values = svd.singularValues();
  pca.scores = svd.matrixU() * pca.singular_values.asDiagonal();
  pca.loadings = svd.matrixV();
  const Vector variance = pca.singular_values.array().square();
  const double total = variance.sum();
  pca.cumulative.resize(variance.size());
  double running = 0;
  for (Eigen::Index j = 0; j < variance.size(); ++j) {
    running += variance(j);
    pca.cumulative(j) = total > 0 ? running / total : 0;
  }
  return pca;
}

Vector squared_mahalanobis(const Matrix& coordinates) {
  const Matrix centred = coordinates.rowwise() - coordinates.colwise().mean();
  const Eigen::LDLT<Matrix> inverse(sample_covariance(coordinates));
  if (inverse.info() != Eigen::Success || !inverse.isPositive())
    throw std::invalid_argument("the covariance is singular");
  Vector d(coordinates.rows());
  for (Eigen::Index i = 0; i < coordinates.rows(); ++i) {
    const Vector c = centred.row(i).transpose();
    d(i) = c.dot(inverse.solve(c));
  }
  return d;
}

std::vector<bool> mahalanobis_outliers(const Pca& pca, double level) {
  const Eigen::Index dimensions = pca.loadings.rows() - 1;
  if (pca.scores.rows() <= dimensions)
    throw std::invalid_argument("too few observations for the outlier test");
  const Vector d = squared_mahalanobis(pca.scores.leftCols(dimensions));
  const double limit = chi_square_quantile(level, static_cast<double>(dimensions));
  std::vector<bool> outlier(static_cast<std::size_t>(d.size()));
  for (Eigen::Index i = 0; i < d.size(); ++i) outlier[static_cast<std::size_t>(i)] = d(i) > limit;
  return outlier;
}

}  // namespace stats
