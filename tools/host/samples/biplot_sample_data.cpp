#include "biplot_sample_data.h"

#include <cmath>

namespace {

constexpr int kGroups = 3;
constexpr int kPerGroup = 50;
constexpr int kParts = static_cast<int>(kBiplotPartNames.size());

// A fixed generator, so every run draws the same picture with any standard library.
class Lcg {
 public:
  double uniform() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return (static_cast<double>(state_ >> 11) + 0.5) / 9007199254740992.0;
  }
  double normal() {
    const double r = std::sqrt(-2.0 * std::log(uniform()));
    return r * std::cos(2.0 * M_PI * uniform());
  }

 private:
  uint64_t state_ = 20261208;
};

}  // namespace

GroupedCompositions biplot_compositions() {
  // Each group's typical composition; parts vary log-normally around it, so the groups
  // separate along the clr directions.
  constexpr double kCentre[kGroups][kParts] = {
      {0.40, 0.25, 0.15, 0.10, 0.10},
      {0.15, 0.40, 0.10, 0.25, 0.10},
      {0.10, 0.10, 0.35, 0.15, 0.30},
  };
  constexpr double kSpread = 0.3;
  Lcg random;
  GroupedCompositions sample;
  sample.parts.resize(kGroups * kPerGroup, kParts);
  for (int g = 0; g < kGroups; ++g)
    for (int i = 0; i < kPerGroup; ++i) {
      const int row = g * kPerGroup + i;
      for (int j = 0; j < kParts; ++j)
        sample.parts(row, j) = kCentre[g][j] * std::exp(kSpread * random.normal());
      sample.group.push_back(static_cast<int16_t>(g + 1));
    }
  return sample;
}
