// Calcul_Dades as the exchange files drive it: the worked values, the one common scale, and
// the host's own log-ratios as an independent check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "stats/compositions.h"
#include "tormin_viewer.h"

namespace plot::testing {
namespace {

const double e = std::exp(1.0);
const double ln2 = std::log(2.0);

std::array<double, 4> alr_parts(double a, double b, double c) {
  return {std::exp(a), std::exp(b), std::exp(c), 1};
}

void expect_point(const Vec3& seen, const Vec3& wanted, const std::string& what) {
  EXPECT_NEAR(seen.x, wanted.x, 1e-12) << what;
  EXPECT_NEAR(seen.y, wanted.y, 1e-12) << what;
  EXPECT_NEAR(seen.z, wanted.z, 1e-12) << what;
}

TEST(TorminCoordinates, WorkedValuesAndTheCommonScale) {
  struct Case {
    std::string what;
    std::string transformacio;
    std::vector<Observation> rows;
    Vec3 last;  // the last observation's plotted point
  };
  const Vec3 balances_of_2111 = {ln2 / std::sqrt(2.0), ln2 / std::sqrt(6.0), ln2 / std::sqrt(12.0)};
  const Case cases[] = {
      {"alr of (e, 1, 1, 1), one observation: s = 1", "ALR", {{{e, 1, 1, 1}}}, {1, 0, 0}},
      {"balances of (2, 1, 1, 1)", "ilr", {{{2, 1, 1, 1}}}, balances_of_2111},
      {"\"alr\" is not \"ALR\": balances", "alr", {{{2, 1, 1, 1}}}, balances_of_2111},
      {"ranges 2.3, 0.7, 1.2: s = 1/3",
       "ALR",
       {{{1, 1, 1, 1}}, {alr_parts(2.3, 0.7, 1.2)}},
       {2.3 / 3, 0.7 / 3, 1.2 / 3}},
      {"ranges 2.6, 0.7, 1.2: s = 1/4",
       "ALR",
       {{{1, 1, 1, 1}}, {alr_parts(2.6, 0.7, 1.2)}},
       {2.6 / 4, 0.7 / 4, 1.2 / 4}},
      {"scaled, not centred: 3 to 5 ends at 1 to 5/3",
       "ALR",
       {{alr_parts(3, 3, 3)}, {alr_parts(5, 5, 5)}},
       {5.0 / 3, 5.0 / 3, 5.0 / 3}},
  };
  for (const Case& c : cases) {
    TorminViewer v;
    v.write({.transformacio = c.transformacio}, c.rows);
    ASSERT_EQ(v.show_error(), 0) << c.what;
    const COpenGL_alr_3D& r = v.renderer();
    ASSERT_EQ(r.observation_count(), static_cast<int16_t>(c.rows.size())) << c.what;
    expect_point(r.coordinates(r.observation_count() - 1), c.last, c.what);
  }
}

// The host's alr and balances, scaled by 1 / the largest rounded range.
stats::Matrix expected_points(const stats::Matrix& coordinates) {
  double widest = 0;
  for (Eigen::Index k = 0; k < 3; ++k) {
    const double range = coordinates.col(k).maxCoeff() - coordinates.col(k).minCoeff();
    widest = std::max(widest, std::nearbyint(range + 0.9999));
  }
  return coordinates / widest;
}

TEST(TorminCoordinates, BothTransformsAgreeWithTheHostWhateverTheUnitOfTheParts) {
  constexpr int kCompositions = 12;
  stats::Matrix parts(2 * kCompositions, 4);
  std::vector<Observation> rows;
  for (int i = 0; i < kCompositions; ++i) {
    const double t = i + 1;
    parts.row(i) << 0.1 * t, 1.0 / t, 0.3 + 0.05 * t, 0.2 + 0.01 * t * t;
    // The same composition in percent.
    parts.row(kCompositions + i) = 100 * parts.row(i);
  }
  for (Eigen::Index i = 0; i < parts.rows(); ++i)
    rows.push_back({{parts(i, 0), parts(i, 1), parts(i, 2), parts(i, 3)}});

  for (const std::string transform : {"ALR", "ilr"}) {
    TorminViewer v;
    v.write({.transformacio = transform}, rows);
    ASSERT_EQ(v.show_error(), 0) << transform;
    const stats::Matrix host =
        expected_points(transform == "ALR" ? stats::alr(parts) : stats::ilr(parts));
    for (int i = 0; i < kCompositions; ++i) {
      const std::string what = transform + " row " + std::to_string(i);
      expect_point(v.renderer().coordinates(i), {host(i, 0), host(i, 1), host(i, 2)}, what);
      expect_point(v.renderer().coordinates(kCompositions + i), v.renderer().coordinates(i),
                   what + " in percent");
    }
  }
}

}  // namespace
}  // namespace plot::testing
