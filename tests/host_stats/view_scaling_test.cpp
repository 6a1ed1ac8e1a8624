// Scaling scores and loadings into a biplot's view, against factors worked out by hand.
#include <gtest/gtest.h>

#include <stdexcept>

#include "stats/view_scaling.h"

namespace {

TEST(ViewScaling, EachBlockGetsItsOwnFactorFromItsWidestKeptCoordinate) {
  stats::Pca pca;
  pca.scores.resize(2, 3);
  pca.scores << 2, -1, 100,  // the third component is left out, so 100 sets no factor
      0.5, -4, 0;
  pca.loadings.resize(2, 3);
  pca.loadings << 0.25, 0.1, 9, -0.5, 0, 0;
  const stats::ViewCoordinates view = stats::fit_to_view(pca, 2, 1.3);
  // Scores by 1.3 / 4 = 0.325, loadings by 1.3 / 0.5 = 2.6.
  stats::Matrix scores(2, 2), loadings(2, 2);
  scores << 0.65, -0.325, 0.1625, -1.3;
  loadings << 0.65, 0.26, -1.3, 0;
  EXPECT_TRUE(view.scores.isApprox(scores, 1e-12));
  EXPECT_TRUE(view.loadings.isApprox(loadings, 1e-12));
}

TEST(ViewScaling, ZeroBlocksStayAndImpossibleComponentCountsAreRefused) {
  stats::Pca pca;
  pca.scores = stats::Matrix::Zero(3, 2);
  pca.loadings = stats::Matrix::Identity(2, 2);
  const stats::ViewCoordinates view = stats::fit_to_view(pca, 1, 1.3);
  EXPECT_TRUE(view.scores.isZero());
  EXPECT_DOUBLE_EQ(view.loadings(0, 0), 1.3);
  EXPECT_THROW(stats::fit_to_view(pca, 0, 1.3), std::invalid_argument);
  EXPECT_THROW(stats::fit_to_view(pca, 3, 1.3), std::invalid_argument);
}

}  // namespace
