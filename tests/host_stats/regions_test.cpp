// The two regions users confuse: the predictive one holds about `level` of the observations,
// the confidence one shrinks around the centre as the sample grows.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "stats/regions.h"
#include "stats/ternary_position.h"

namespace {

using stats::Matrix;

// n balances from a normal distribution with correlated coordinates, centre (0.4, -0.3).
Matrix simulated(Eigen::Index n, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<double> normal;
  Matrix z(n, 2);
  for (Eigen::Index i = 0; i < n; ++i) {
    const double a = normal(random);
    const double b = normal(random);
    z(i, 0) = 0.4 + 0.5 * a;
    z(i, 1) = -0.3 + 0.3 * a + 0.2 * b;
  }
  return z;
}

// Even-odd rule against the closed polygon through `corners` (rows x, y).
bool inside(const Matrix& corners, double x, double y) {
  bool in = false;
  for (Eigen::Index i = 0, j = corners.rows() - 1; i < corners.rows(); j = i++) {
    const double xi = corners(i, 0), yi = corners(i, 1);
    const double xj = corners(j, 0), yj = corners(j, 1);
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
  }
  return in;
}

// Shoelace area of a closed polygon.
double area(const Matrix& corners) {
  double twice = 0;
  for (Eigen::Index i = 0, j = corners.rows() - 1; i < corners.rows(); j = i++)
    twice += corners(j, 0) * corners(i, 1) - corners(i, 0) * corners(j, 1);
  return std::abs(twice) / 2;
}

TEST(Regions, RadiiOfASmallSampleByHand) {
  // n = 10, p = 2: F(2, 8; 0.95) = 4 (0.05^(-1/4) - 1) = 4.458971...
  const Matrix z = simulated(10, 3);
  const double f = 4 * (std::pow(0.05, -0.25) - 1);
  EXPECT_NEAR(stats::predictive_region(z, 0.95).radius2, 2.0 * 11 * 9 / (10 * 8) * f, 1e-9);
  EXPECT_NEAR(stats::confidence_region(z, 0.95).radius2, 2.0 * 9 / (10 * 8) * f, 1e-9);
}

TEST(Regions, BranchesMeetAtBothEnds) {
  const Matrix z = simulated(50, 4);
  const stats::Ellipse e = stats::predictive_region(z, 0.9);
  const stats::Branches b = stats::ternary_branches(e, 101);
  ASSERT_EQ(b.first.rows(), 101);
  ASSERT_EQ(b.second.rows(), 101);
  EXPECT_LT((b.first.row(0) - b.second.row(0)).norm(), 1e-12);
  EXPECT_LT((b.first.row(100) - b.second.row(100)).norm(), 1e-12);
  // The two sides differ in between.
  EXPECT_GT((b.first.row(50) - b.second.row(50)).norm(), 0.01);
}

TEST(Regions, PredictiveRegionHoldsItsLevelOfNewObservations) {
  const Matrix sample = simulated(2000, 5);
  const stats::Branches b = stats::ternary_branches(stats::predictive_region(sample, 0.95), 101);
  // The closed curve: the first branch out, the second back.
  Matrix curve(202, 2);
  curve.topRows(101) = b.first;
  curve.bottomRows(101) = b.second.colwise().reverse();
  const Matrix fresh = stats::ternary_positions(stats::ilr_inverse(simulated(20000, 6)));
  int held = 0;
  for (Eigen::Index i = 0; i < fresh.rows(); ++i) held += inside(curve, fresh(i, 0), fresh(i, 1));
  EXPECT_NEAR(held / 20000.0, 0.95, 0.01);
}

TEST(Regions, ConfidenceRegionShrinksAsTheSampleGrows) {
  const Matrix small = simulated(25, 7);
  const Matrix large = simulated(400, 8);
  const double small_area = area(stats::ternary_curve(stats::confidence_region(small, 0.95), 60));
  const double large_area = area(stats::ternary_curve(stats::confidence_region(large, 0.95), 60));
  // About n-fold: sixteen times as many rows, a sixteenth of the area.
  EXPECT_LT(large_area, small_area / 8);
  // The predictive region of the same large sample does not shrink so.
  EXPECT_GT(area(stats::ternary_curve(stats::predictive_region(large, 0.95), 60)), 50 * large_area);
}

}  // namespace
