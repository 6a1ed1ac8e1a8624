#include "view_scaling.h"

#include <stdexcept>

namespace stats {
namespace {

Matrix fitted(const Matrix& block, double half_extent) {
  const double widest = block.size() > 0 ? block.cwiseAbs().maxCoeff() : 0;
  return widest > 0 ? Matrix(block * (half_extent / widest)) : block;
}

}  // namespace

ViewCoordinates fit_to_view(const Pca& pca, Eigen::Index components, double half_extent) {
  if (components < 1 || components > pca.scores.cols() || components > pca.loadings.cols())
    throw std::invalid_argument("more components asked for than the analysis has");
  return {fitted(pca.scores.leftCols(components), half_extent),
          fitted(pca.loadings.leftCols(components), half_extent)};
}

}  // namespace stats
