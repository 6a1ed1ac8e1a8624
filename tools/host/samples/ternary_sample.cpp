// The ternary samples: a three-part sample closed to proportions, drawn over a 10 % grid, over
// its first two principal components, and over nothing.
#include <Eigen/Dense>

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "plot_ternary_records.h"
#include "stats/ternary_position.h"
#include "ternary_sample.h"

namespace {

using Composition = std::array<double, 3>;

Composition closed(const Composition& parts) {
  const double sum = parts[0] + parts[1] + parts[2];
  return {parts[0] / sum, parts[1] / sum, parts[2] / sum};
}

void place(Punt& p, const Composition& c) {
  const Eigen::RowVector3d parts(c[0], c[1], c[2]);
  const stats::Matrix xy = stats::ternary_positions(parts);
  p.X = xy(0, 0);
  p.Y = xy(0, 1);
}

// A fixed generator, so every run draws the same picture.
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
  uint64_t state_ = 20240917;
};

struct Group {
  Composition centre;
  double spread;  // of the log-ratios
};

// 150 compositions in three groups of 50.
std::vector<std::pair<Composition, int16_t>> sample_compositions() {
  const std::array<Group, 3> groups = {
      {{{0.6, 0.25, 0.15}, 0.25}, {{0.2, 0.6, 0.2}, 0.3}, {{0.15, 0.25, 0.6}, 0.2}}};
  Lcg random;
  std::vector<std::pair<Composition, int16_t>> sample;
  for (int16_t g = 0; g < 3; ++g)
    for (int i = 0; i < 50; ++i) {
      Composition parts;
      for (int j = 0; j < 3; ++j)
        parts[j] = groups[g].centre[j] * std::exp(groups[g].spread * random.normal());
      sample.push_back({closed(parts), static_cast<int16_t>(g + 1)});
    }
  return sample;
}

void fill_points(Vector_Punts& vp) {
  // The legend's colours of groups 1 to 3: black, red, green.
  static const std::array<std::array<float, 3>, 3> colours = {{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}};
  const auto sample = sample_compositions();
  vp.long_ = static_cast<int16_t>(sample.size());
  for (std::size_t i = 0; i < sample.size(); ++i) {
    Punt& p = vp.Punts[i];
    place(p, sample[i].first);
    const auto& colour = colours[static_cast<std::size_t>(sample[i].second - 1)];
    p.Color[0] = colour[0];
    p.Color[1] = colour[1];
    p.Color[2] = colour[2];
    p.forma = sample[i].second;
  }
}

// Nine lines per family at 10 % steps. Family 1 holds the ends on the bottom edge, 2 on the
// right edge, 3 on the left edge; the plug-in joins family k's first ends to family k + 1's
// second ends.
void fill_grid(Vector_Graella& grid) {
  grid.nPuntsGrid = 9;
  for (int i = 1; i <= 9; ++i) {
    const double v = i / 10.0;
    Vector_Punts_Graella& bottom = grid.VPG[1];
    Vector_Punts_Graella& right = grid.VPG[2];
    Vector_Punts_Graella& left = grid.VPG[3];
    place(bottom.Punts1[i], {0, 1 - v, v});  // part 3 = v, to the right edge
    place(right.Punts2[i], {1 - v, 0, v});
    place(left.Punts1[i], {1 - v, v, 0});  // part 2 = v, to the bottom edge
    place(bottom.Punts2[i], {0, v, 1 - v});
    place(right.Punts1[i], {v, 0, 1 - v});  // part 1 = v, across to the left edge
    place(left.Punts2[i], {v, 1 - v, 0});
  }
  for (int k = 0; k < 4; ++k) grid.VPG[k].long_ = 9;
}

// Principal components of the centred log-ratios: the two axes through the sample's centre,
// mapped back to the simplex as 151-point curves.
void fill_components(Vector_Punts_PC& pc) {
  const auto sample = sample_compositions();
  const auto n = static_cast<Eigen::Index>(sample.size());
  Eigen::MatrixXd clr(n, 3);
  for (Eigen::Index i = 0; i < n; ++i) {
    const Composition& c = sample[static_cast<std::size_t>(i)].first;
    const Eigen::Vector3d logs(std::log(c[0]), std::log(c[1]), std::log(c[2]));
    clr.row(i) = (logs.array() - logs.mean()).matrix().transpose();
  }
  const Eigen::RowVector3d centre = clr.colwise().mean();
  const Eigen::MatrixXd centred = clr.rowwise() - centre;
  const Eigen::Matrix3d covariance = centred.transpose() * centred / static_cast<double>(n - 1);
  const Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> solver(covariance);
  // Eigen orders the eigenvalues upwards.
  const Eigen::Vector3d values = solver.eigenvalues();
  const double total = values.sum();
  pc.cpe[0] = static_cast<float>(values(2) / total);
  pc.cpe[1] = static_cast<float>((values(2) + values(1)) / total);
  std::array<Eigen::Vector3d, 2> axes = {solver.eigenvectors().col(2),
                                         solver.eigenvectors().col(1)};
  for (int k = 0; k < 2; ++k) {
    Eigen::Vector3d& axis = axes[static_cast<std::size_t>(k)];
    Eigen::Index largest = 0;
    axis.cwiseAbs().maxCoeff(&largest);
    if (axis(largest) < 0) axis = -axis;  // one sign for every run
    for (int j = 0; j < 3; ++j) pc.pc[3 * k + j] = static_cast<float>(axis(j));
  }

  constexpr int kCurvePoints = 151;
  constexpr double kReach = 5.0;  // in clr units: the curves run out close to the edges
  pc.long1 = kCurvePoints;
  pc.long2 = kCurvePoints;
  for (int i = 0; i < kCurvePoints; ++i) {
    const double t = -kReach + 2 * kReach * i / (kCurvePoints - 1);
    for (int k = 0; k < 2; ++k) {
      const Eigen::Vector3d clr_point = centre.transpose() + t * axes[static_cast<std::size_t>(k)];
      const Composition c =
          closed({std::exp(clr_point(0)), std::exp(clr_point(1)), std::exp(clr_point(2))});
      place(k == 0 ? pc.Punts1[i] : pc.Punts2[i], c);
    }
  }
}

struct TernaryData {
  Vector_Punts points{};
  Vector_Graella grid{};
  Vector_Punts_PC components{};
};

void show_ternary(const PluginApi& api, const char* graella, bool formes) {
  auto data = std::make_unique<TernaryData>();
  fill_points(data->points);
  fill_grid(data->grid);
  fill_components(data->components);
  static const char* const names[] = {"Part A", "Part B", "Part C"};
  const std::vector<plot_string> items = counted_strings(names);

  with_data_class(api, "CDades_Ternary", [&](plot_object* ternary) {
    api.set(ternary, "graella", string_value(graella));
    api.set(ternary, "formes", boolean_value(formes));
    api.set(ternary, "nGrups", i2_value(3));
    const plot_variant arguments[] = {
        record_value(PLOT_VECTOR_PUNTS_NAME, &data->points, sizeof(Vector_Punts)),
        record_value(PLOT_VECTOR_GRAELLA_NAME, &data->grid, sizeof(Vector_Graella)),
        record_value(PLOT_VECTOR_PUNTS_PC_NAME, &data->components, sizeof(Vector_Punts_PC)),
        strings_value(1, 3, items.data())};
    api.invoke(ternary, "mostrar", arguments, 4);
  });
}

}  // namespace

void show_ternary_grid(const PluginApi& api) {
  show_ternary(api, "", false);
}
void show_ternary_components(const PluginApi& api) {
  show_ternary(api, "pc", true);
}
void show_ternary_points_only(const PluginApi& api) {
  show_ternary(api, "Error", false);
}
