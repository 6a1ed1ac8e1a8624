// Compositions placed in the tetrahedron frame, against points worked out by hand.
#include <gtest/gtest.h>

#include <stdexcept>

#include "stats/tetrahedron_position.h"

namespace {

using stats::Matrix;

TEST(TetrahedronPositions, BarycentricPlaces) {
  struct Case {
    double parts[4];
    double x, y, z;
  };
  const Case cases[] = {
      {.parts = {1, 0, 0, 0}, .x = 0, .y = 0, .z = 0},                 // A
      {.parts = {0, 0, 0, 1}, .x = 0.28867513, .y = 0.5, .z = 1},      // D
      {.parts = {0.5, 0, 0.5, 0}, .x = 0.4330127, .y = 0.25, .z = 0},  // middle of A-C
      {.parts = {0.25, 0.25, 0.25, 0.25}, .x = 0.28867513, .y = 0.5386751, .z = 0.25},  // centre
  };
  Matrix closed(4, 4);
  for (Eigen::Index i = 0; i < 4; ++i)
    for (Eigen::Index j = 0; j < 4; ++j) closed(i, j) = cases[i].parts[j];
  const Matrix frame = stats::tetrahedron_positions(closed);
  ASSERT_EQ(frame.cols(), 3);
  for (Eigen::Index i = 0; i < 4; ++i) {
    EXPECT_NEAR(frame(i, 0), cases[i].x, 1e-7) << i;
    EXPECT_NEAR(frame(i, 1), cases[i].y, 1e-7) << i;
    EXPECT_NEAR(frame(i, 2), cases[i].z, 1e-12) << i;
  }
}

TEST(TetrahedronPositions, RowsThatAreNotClosedAreRefused) {
  EXPECT_THROW(stats::tetrahedron_positions(Matrix::Constant(1, 3, 1.0 / 3)),
               std::invalid_argument);
  Matrix row(1, 4);
  row << 0.3, 0.3, 0.3, 0.3;  // sums to 1.2
  EXPECT_THROW(stats::tetrahedron_positions(row), std::invalid_argument);
}

}  // namespace
