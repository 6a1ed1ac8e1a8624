// The 3D biplot: the clr principal components in three dimensions, written as the four
// exchange files the plug-in reads while mostrar runs.
#include "../exchange_folder.h"
#include "plot_builders.h"
#include "plot_inputs.h"
#include "stats/pca.h"
#include "stats/view_scaling.h"

namespace {

constexpr int kComponents = 3;
// Room to turn the cloud without leaving the -1.3 to 1.3 view.
constexpr double kHalfView = 0.95;
constexpr double kOutlierLevel = 0.975;

void write_exchange_files(const PrivateProfile& profile, const CompositionTable& table,
                          const PlotRequest& request) {
  const stats::Pca pca = stats::clr_pca(table.parts);
  const stats::ViewCoordinates view = stats::fit_to_view(pca, kComponents, kHalfView);
  const std::vector<bool> outlier =
      request.outliers ? stats::mahalanobis_outliers(pca, kOutlierLevel) : std::vector<bool>();
  const auto rays = static_cast<int>(view.loadings.rows());
  // D parts leave D - 1 components with variability; value j covers the first j.
  const int proportions = rays - 1;

  write_exchange_file(
      profile, plot_havrel_options,
      {legend_groups(table, request), rays, true, request.shapes ? 2 : 1, request.names,
       request.outliers, request.labels, proportions, "PC1", "PC2", "PC3"});

  write_group_names(profile, legend_names(table.groups, request));

  ExchangeWriter cpe(profile, plot_havrel_proportions);
  for (int j = 1; j <= proportions; ++j) cpe.row({pca.cumulative(j - 1)});
  cpe.close();

  ExchangeWriter lines(profile, plot_havrel_rays);
  for (Eigen::Index k = 0; k < view.loadings.rows(); ++k)
    lines.row({view.loadings(k, 0), view.loadings(k, 1), view.loadings(k, 2),
               table.part_names[static_cast<std::size_t>(k)]});
  lines.close();

  ExchangeWriter points(profile, plot_havrel_points);
  for (Eigen::Index i = 0; i < view.scores.rows(); ++i) {
    const auto n = static_cast<std::size_t>(i);
    points.row({view.scores(i, 0), view.scores(i, 1), view.scores(i, 2), table.group[n],
                request.outliers && outlier[n] ? 1 : 0});
  }
  points.close();
}

}  // namespace

void show_biplot3d(const PluginApi& api, const CompositionTable& table,
                   const PlotRequest& request) {
  require_part_range(table, request, 4, PLOT_MAX_3D_RAYS);
  const Eigen::Index fewest = request.outliers ? table.parts.cols() + 1 : 4;
  require_rows(table, request, fewest, PLOT_MAX_3D_OBSERVATIONS,
               request.outliers ? "the outlier test" : "principal components");
  // The folder lives for the call only: the plug-in reads and deletes the files inside
  // mostrar, and the user's own profile is never touched.
  const PrivateProfile profile;
  write_exchange_files(profile, table, request);
  with_data_class(api, "CDades_Havrel", [&](plot_object* data) { api.invoke(data, "mostrar"); });
}
