#pragma once

#include "pca.h"

namespace stats {

// Scores and loadings of the first `components` components, each scaled by a factor of its
// own so that its largest absolute coordinate is `half_extent`: a biplot that fills a view of
// -half_extent to half_extent. An all-zero block is left unscaled.
struct ViewCoordinates {
  Matrix scores;    // one row per observation
  Matrix loadings;  // one row per part
};
ViewCoordinates fit_to_view(const Pca& pca, Eigen::Index components, double half_extent);

}  // namespace stats
