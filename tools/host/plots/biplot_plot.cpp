// The 2D biplot: the clr principal components of the compositions, observations and rays each
// scaled to the view, the cumulative proportions, and Mahalanobis outliers.
#include <cmath>
#include <memory>

#include "plot_biplot_records.h"
#include "plot_builders.h"
#include "plot_inputs.h"
#include "stats/pca.h"
#include "stats/view_scaling.h"

namespace {

// Inside the view and left of the legends, which start at x = 1.
constexpr double kHalfView = 0.95;
constexpr double kOutlierLevel = 0.975;

struct Biplot {
  std::unique_ptr<Vector_Punts_bi> observations = std::make_unique<Vector_Punts_bi>();
  std::unique_ptr<Vector_Linies> rays = std::make_unique<Vector_Linies>();
};

Biplot make_biplot(const CompositionTable& table, bool outliers) {
  const stats::Pca pca = stats::clr_pca(table.parts);
  const stats::ViewCoordinates view = stats::fit_to_view(pca, 2, kHalfView);
  const std::vector<bool> outlier =
      outliers ? stats::mahalanobis_outliers(pca, kOutlierLevel) : std::vector<bool>();

  Biplot plot;
  plot.observations->long_ = static_cast<int16_t>(view.scores.rows());
  for (Eigen::Index i = 0; i < view.scores.rows(); ++i) {
    PuntBi& p = plot.observations->Punts[i];
    const int group = table.group[static_cast<std::size_t>(i)];
    p.x = view.scores(i, 0);
    p.y = view.scores(i, 1);
    const auto colour = group_colour(group);
    std::copy(colour.begin(), colour.end(), p.color);
    p.forma = static_cast<int16_t>(group);
    p.outlier = outliers && outlier[static_cast<std::size_t>(i)] ? PLOT_TRUE : PLOT_FALSE;
  }
  Vector_Linies& rays = *plot.rays;
  rays.long_ = static_cast<int16_t>(view.loadings.rows());
  for (Eigen::Index k = 0; k < view.loadings.rows(); ++k) {
    rays.Punts[k].x = view.loadings(k, 0);
    rays.Punts[k].y = view.loadings(k, 1);
    const std::string& name = table.part_names[static_cast<std::size_t>(k)];
    rays.nomeixos[k] = {name.data(), static_cast<int32_t>(name.size())};
  }
  // D parts leave D - 1 components with variability; cpe(j) covers the first j.
  rays.rang = static_cast<int16_t>(view.loadings.rows() - 1);
  for (int16_t j = 1; j <= rays.rang; ++j) rays.cpe[j] = static_cast<float>(pca.cumulative(j - 1));
  return plot;
}

// The plug-in's fixed layout: the group legend's rows from (1, 1) down by 0.08, its text 24
// pixels high, and a view of 10 tan 7.5 degrees each side of the centre vertically.
constexpr double kLegendLeft = 1.0;
constexpr double kLegendTop = 1.0;
constexpr double kLegendRowStep = 0.08;
constexpr double kHalfViewHeight = 1.3165;
constexpr double kTextPixels = 24;
constexpr double kWidestGlyphPixels = 15;  // of the bold face, a little above its widest average
constexpr int kDefaultHeight = 734;

// The factor that keeps every ray's name, printed from its tip, left of the group legend where
// the two could meet: the names keep their size in pixels while the view follows the height.
double ray_factor(const Biplot& plot, int groups, int height_pixels) {
  if (groups == 0) return 1.0;
  const double unit = height_pixels / 2.0 / kHalfViewHeight;  // pixels per view unit
  const double text_height = kTextPixels / unit;
  const double legend_bottom = kLegendTop - kLegendRowStep * (groups - 1) - text_height / 2;
  double factor = 1.0;
  const Vector_Linies& rays = *plot.rays;
  for (int k = 0; k < rays.long_; ++k) {
    const double x = rays.Punts[k].x;
    const double y = rays.Punts[k].y;
    const double width = kWidestGlyphPixels * (rays.nomeixos[k].length + 1) / unit;
    if (x > 0 && y + text_height > legend_bottom && x + width > kLegendLeft)
      factor = std::min(factor, std::max(0.3, (kLegendLeft - width) / x));
  }
  return factor;
}

}  // namespace

void show_biplot(const PluginApi& api, const CompositionTable& table, const PlotRequest& request) {
  require_part_range(table, request, 3, PLOT_BIPLOT_RAYS);
  // The outlier test needs more observations than the D - 1 components it measures in.
  const Eigen::Index fewest = request.outliers ? table.parts.cols() + 1 : 3;
  require_rows(table, request, fewest, PLOT_BIPLOT_POINTS,
               request.outliers ? "the outlier test" : "principal components");
  const Biplot plot = make_biplot(table, request.outliers);
  if (request.names) {
    const double factor = ray_factor(plot, legend_groups(table, request),
                                     request.size ? (*request.size)[1] : kDefaultHeight);
    for (int k = 0; k < plot.rays->long_; ++k) {
      plot.rays->Punts[k].x *= factor;
      plot.rays->Punts[k].y *= factor;
    }
  }
  const plot_string coor[] = {{"PC1", 3}, {"PC2", 3}, {"PC3", 3}};
  with_data_class(api, "CDades_biplot", [&](plot_object* data) {
    api.set(data, "printeixos", plot_variant_bool(request.names));
    api.set(data, "observation", plot_variant_bool(true));
    api.set(data, "outlier_mark", plot_variant_bool(request.outliers));
    api.set(data, "labels", plot_variant_bool(request.labels));
    api.set(data, "formes", plot_variant_bool(request.shapes));
    api.set(data, "nGrups", plot_variant_i2(legend_groups(table, request)));
    set_group_names(api, data, legend_names(table.groups, request));
    const plot_variant arguments[] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_BI_NAME, plot.observations.get(),
                            sizeof(Vector_Punts_bi)),
        plot_variant_record(PLOT_VECTOR_LINIES_NAME, plot.rays.get(), sizeof(Vector_Linies)),
        plot_variant_strings(1, 3, coor)};
    api.invoke(data, "mostrar", arguments, 3);
  });
}
