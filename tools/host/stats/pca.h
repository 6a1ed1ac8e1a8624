#pragma once

#include <vector>

#include "compositions.h"

namespace stats {

// Principal components of the clr-transformed compositions: the singular value decomposition
// of the centred clr matrix X = U S V'.
struct Pca {
  Matrix scores;           // U S: observations in the components, one row each
  Matrix loadings;         // V: the parts' directions, one row per part
  Vector singular_values;  // S, largest first; D - 1 of them carry the variability
  Vector cumulative;       // cumulative(j - 1): proportion explained by the first j
};
Pca clr_pca(const Matrix& parts);

// Squared Mahalanobis distance of each row from the column means, under the sample
// covariance.
Vector squared_mahalanobis(const Matrix& coordinates);

// Rows whose squared distance in the first D - 1 components exceeds the chi-square quantile at
// `level` with D - 1 degrees of freedom.
std::vector<bool> mahalanobis_outliers(const Pca& pca, double level);

}  // namespace stats
