// The ternary diagram: the compositions as points, over a 10 % grid, over the first two
// principal components of the clr coordinates (mapped back to the simplex as curves), or alone.
#include <cstdio>
#include <cstring>
#include <memory>

#include "plot_builders.h"
#include "plot_inputs.h"
#include "plot_ternary_records.h"
#include "stats/pca.h"
#include "stats/ternary_position.h"

namespace {

void place(Punt& p, double first, double second, double third) {
  stats::Matrix c(1, 3);
  c << first, second, third;
  const stats::Matrix xy = stats::ternary_positions(c);
  p.X = xy(0, 0);
  p.Y = xy(0, 1);
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
    place(bottom.Punts1[i], 0, 1 - v, v);  // part 3 = v, to the right edge
    place(right.Punts2[i], 1 - v, 0, v);
    place(left.Punts1[i], 1 - v, v, 0);  // part 2 = v, to the bottom edge
    place(bottom.Punts2[i], 0, v, 1 - v);
    place(right.Punts1[i], v, 0, 1 - v);  // part 1 = v, across to the left edge
    place(left.Punts2[i], v, 1 - v, 0);
  }
  for (int k = 0; k < 4; ++k) grid.VPG[k].long_ = 9;
}

// The two principal axes of the clr coordinates through the sample's centre, as 151-point
// curves in the simplex.
void fill_components(Vector_Punts_PC& pc, const CompositionTable& table) {
  const stats::Pca pca = stats::clr_pca(table.parts);
  const stats::Vector centre = stats::column_means(stats::clr(table.parts));
  pc.cpe[0] = static_cast<float>(pca.cumulative(0));
  pc.cpe[1] = static_cast<float>(pca.cumulative(1));
  std::array<stats::Vector, 2> axes = {pca.loadings.col(0), pca.loadings.col(1)};
  for (int k = 0; k < 2; ++k) {
    stats::Vector& axis = axes[static_cast<std::size_t>(k)];
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
      const stats::Vector c = stats::clr_inverse(centre + t * axes[static_cast<std::size_t>(k)]);
      place(k == 0 ? pc.Punts1[i] : pc.Punts2[i], c(0), c(1), c(2));
    }
  }
}

// The numbers the picture prints beside the components, said in words.
void describe_components(const Vector_Punts_PC& pc, const CompositionTable& table) {
  const auto& p = table.part_names;
  std::printf("cumulative proportion of the clr variance explained: PC1 %g, PC1 and PC2 %g\n",
              static_cast<double>(pc.cpe[0]), static_cast<double>(pc.cpe[1]));
  const char* lines[] = {"red, solid", "blue, dashed"};
  for (int k = 0; k < 2; ++k)
    std::printf("PC%d (%s line): clr loadings %s %g, %s %g, %s %g\n", k + 1, lines[k], p[0].c_str(),
                static_cast<double>(pc.pc[3 * k]), p[1].c_str(),
                static_cast<double>(pc.pc[3 * k + 1]), p[2].c_str(),
                static_cast<double>(pc.pc[3 * k + 2]));
}

const char* graella_of(TernaryOverlay overlay) {
  switch (overlay) {
    case TernaryOverlay::grid:
      return "";
    case TernaryOverlay::components:
      return "pc";
    case TernaryOverlay::none:
      break;
  }
  return "Error";  // neither grid nor components
}

struct TernaryRecords {
  Vector_Punts points{};
  Vector_Graella grid{};
  Vector_Punts_PC components{};
};

}  // namespace

void fill_ternary_points(Vector_Punts& vp, const CompositionTable& table) {
  const stats::Matrix xy = stats::ternary_positions(table.parts);
  vp.long_ = static_cast<int16_t>(xy.rows());
  for (Eigen::Index i = 0; i < xy.rows(); ++i) {
    Punt& p = vp.Punts[i];
    p.X = xy(i, 0);
    p.Y = xy(i, 1);
    const int g = table.group[static_cast<std::size_t>(i)];
    const auto colour = group_colour(g);
    std::copy(colour.begin(), colour.end(), p.Color);
    p.forma = static_cast<int16_t>(g);
  }
}

void show_ternary(const PluginApi& api, const CompositionTable& table, const PlotRequest& request) {
  require_parts(table, request, 3);
  require_rows(table, request, request.overlay == TernaryOverlay::components ? 3 : 1,
               PLOT_MAX_POINTS, "the principal components");
  auto records = std::make_unique<TernaryRecords>();
  fill_ternary_points(records->points, table);
  fill_grid(records->grid);
  if (request.overlay == TernaryOverlay::components) {
    fill_components(records->components, table);
    describe_components(records->components, table);
  }
  const std::vector<plot_string> names = counted(table.part_names);

  with_data_class(api, "CDades_Ternary", [&](plot_object* ternary) {
    api.set(ternary, "graella", plot_variant_text(graella_of(request.overlay)));
    api.set(ternary, "formes", plot_variant_bool(request.shapes));
    api.set(ternary, "nGrups", plot_variant_i2(legend_groups(table, request)));
    set_group_names(api, ternary, legend_names(table.groups, request));
    const plot_variant arguments[] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_NAME, &records->points, sizeof(Vector_Punts)),
        plot_variant_record(PLOT_VECTOR_GRAELLA_NAME, &records->grid, sizeof(Vector_Graella)),
        plot_variant_record(PLOT_VECTOR_PUNTS_PC_NAME, &records->components,
                            sizeof(Vector_Punts_PC)),
        plot_variant_strings(1, 3, names.data())};
    api.invoke(ternary, "mostrar", arguments, 4);
  });
}
