// The host's statistics against values worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "stats/compositions.h"
#include "stats/pca.h"
#include "stats/quantiles.h"

namespace {

using stats::Matrix;

Matrix row(std::initializer_list<double> values) {
  Matrix m(1, static_cast<Eigen::Index>(values.size()));
  Eigen::Index j = 0;
  for (double v : values) m(0, j++) = v;
  return m;
}

void expect_row(const Matrix& actual, std::initializer_list<double> expected) {
  ASSERT_EQ(actual.cols(), static_cast<Eigen::Index>(expected.size()));
  Eigen::Index j = 0;
  for (double v : expected) EXPECT_NEAR(actual(0, j++), v, 1e-12) << "column " << j;
}

TEST(Compositions, TransformsOfSmallRows) {
  const double e = std::exp(1.0);
  expect_row(stats::closure(row({1, 2, 1})), {0.25, 0.5, 0.25});
  expect_row(stats::clr(row({1, e, e * e})), {-1, 0, 1});
  expect_row(stats::alr(row({e, 1, 1})), {1, 0});
  expect_row(stats::ilr(row({2, 1, 1})),
             {std::log(2.0) / std::sqrt(2.0), std::log(2.0) / std::sqrt(6.0)});
  // The third balance: ln(x1 x2 x3 / x4^3) / sqrt 12, the same for a scaled row.
  expect_row(stats::ilr(row({e, 1, 1, 1})).rightCols(1), {1 / std::sqrt(12.0)});
  expect_row(stats::ilr(row({100 * e, 100, 100, 100})).rightCols(1), {1 / std::sqrt(12.0)});
  expect_row(stats::ilr_inverse(stats::ilr(row({1, 2, 5, 2}))), {0.1, 0.2, 0.5, 0.2});
  expect_row(stats::multiplicative_replacement(row({0, 1, 3}), 0.1), {0.1, 0.225, 0.675});
  // Parts whose sum overflows a double.
  expect_row(stats::closure(row({1e308, 1e308, 1e308})), {1 / 3.0, 1 / 3.0, 1 / 3.0});
  expect_row(stats::multiplicative_replacement(row({0, 1e308, 3e307}), 0.1),
             {0.1, 0.9 / 1.3, 0.27 / 1.3});
}

TEST(Compositions, NonPositivePartsAreRefused) {
  EXPECT_THROW(stats::closure(row({1, 0, 2})), std::invalid_argument);
  EXPECT_THROW(stats::clr(row({1, -1, -2})), std::invalid_argument);
  EXPECT_THROW(stats::multiplicative_replacement(row({-1, 1, 2}), 0.01), std::invalid_argument);
}

TEST(Pca, ALineOfCompositionsHasOneComponent) {
  // clr rows (t, 0, -t) for t = -1, 0, 1: one direction (1, 0, -1)/sqrt 2, singular value 2.
  const double e = std::exp(1.0);
  Matrix parts(3, 3);
  parts << 1 / e, 1, e, 1, 1, 1, e, 1, 1 / e;
  const stats::Pca pca = stats::clr_pca(parts);
  EXPECT_NEAR(pca.singular_values(0), 2, 1e-12);
  EXPECT_NEAR(std::abs(pca.loadings(0, 0)), 1 / std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(pca.loadings(1, 0), 0, 1e-12);
  EXPECT_NEAR(pca.loadings(0, 0), -pca.loadings(2, 0), 1e-12);
  EXPECT_NEAR(pca.cumulative(0), 1, 1e-12);
  EXPECT_NEAR(std::abs(pca.scores(0, 0)), std::sqrt(2.0), 1e-12);
}

TEST(Pca, SquaredMahalanobisOfASymmetricCross) {
  // (+-1, 0), (0, +-1): covariance 2/3 I, so every distance is 1.5.
  Matrix points(4, 2);
  points << 1, 0, -1, 0, 0, 1, 0, -1;
  const stats::Vector d = stats::squared_mahalanobis(points);
  for (Eigen::Index i = 0; i < 4; ++i) EXPECT_NEAR(d(i), 1.5, 1e-12);
}

TEST(Quantiles, AgainstClosedForms) {
  // Two degrees of freedom: -2 ln(1 - p). F(2, n): (n / 2)((1 - p)^(-2/n) - 1).
  EXPECT_NEAR(stats::chi_square_quantile(0.975, 2), -2 * std::log(0.025), 1e-9);
  EXPECT_NEAR(stats::chi_square_quantile(0.95, 1), 3.841458820694124, 1e-9);
  EXPECT_NEAR(stats::f_quantile(0.95, 2, 10), 5 * (std::pow(0.05, -0.2) - 1), 1e-9);
}

}  // namespace
