#include "havrel_sample.h"

#include "../exchange_folder.h"
#include "biplot_sample_data.h"
#include "stats/pca.h"
#include "stats/view_scaling.h"

namespace {

constexpr int kComponents = 3;
constexpr int kGroups = 3;
// Room to turn the cloud without leaving the -1.3 to 1.3 view.
constexpr double kHalfView = 0.95;
constexpr double kOutlierLevel = 0.975;

struct Options {
  int modeDibuix;  // 1 colours with their legend, 2 shapes
  bool printeixos;
  bool outlier_mark;
  bool labels;
};

// The four files, as the host writes them before it calls mostrar.
void write_exchange_files(const PrivateProfile& profile, const Options& o) {
  const GroupedCompositions sample = biplot_compositions();
  const stats::Pca pca = stats::clr_pca(stats::closure(sample.parts));
  const stats::ViewCoordinates view = stats::fit_to_view(pca, kComponents, kHalfView);
  const std::vector<bool> outlier = stats::mahalanobis_outliers(pca, kOutlierLevel);
  const auto rays = static_cast<int>(view.loadings.rows());
  // D parts leave D - 1 components with variability; value j covers the first j.
  const int proportions = rays - 1;

  ExchangeWriter options(profile.file("\\opcionsBiplot.qvm"));
  options.integer(kGroups).integer(rays).logical(true).integer(o.modeDibuix);
  options.logical(o.printeixos).logical(o.outlier_mark).logical(o.labels).integer(proportions);
  options.text("PC1").text("PC2").text("PC3").end_row();
  options.close();

  ExchangeWriter cpe(profile.file("\\rangBiplot.qvm"));
  for (int j = 1; j <= proportions; ++j) cpe.number(pca.cumulative(j - 1)).end_row();
  cpe.close();

  ExchangeWriter lines(profile.file("\\liniesBiplot.qvm"));
  for (Eigen::Index k = 0; k < view.loadings.rows(); ++k) {
    for (Eigen::Index c = 0; c < kComponents; ++c) lines.number(view.loadings(k, c));
    lines.text(kBiplotPartNames[static_cast<std::size_t>(k)]).end_row();
  }
  lines.close();

  ExchangeWriter points(profile.file("\\puntsBiplot.qvm"));
  for (Eigen::Index i = 0; i < view.scores.rows(); ++i) {
    const auto n = static_cast<std::size_t>(i);
    for (Eigen::Index c = 0; c < kComponents; ++c) points.number(view.scores(i, c));
    points.integer(sample.group[n]).integer(outlier[n] ? 1 : 0).end_row();
  }
  points.close();
}

// The profile folder lives for the call only: the plug-in reads and deletes the files inside
// mostrar, and the user's own profile is never touched.
void show(const PluginApi& api, const Options& options) {
  const PrivateProfile profile;
  write_exchange_files(profile, options);
  plot_object* data = api.make("CDades_Havrel");
  try {
    api.invoke(data, "mostrar");
  } catch (...) {
    api.release(data);
    throw;
  }
  api.release(data);
}

constexpr Options kColours{
    .modeDibuix = 1, .printeixos = true, .outlier_mark = true, .labels = false};

}  // namespace

void show_havrel_colours(const PluginApi& api) {
  show(api, kColours);
}

void show_havrel_colours_turned(const PluginApi& api) {
  show(api, kColours);
  for (const char* button : {"Rot_XX", "Rot_XX", "Rot_XX", "Rot_YY", "Rot_YY", "Rot_YY", "Rot_YY",
                             "Rot_YY", "Rot_YY", "inc_zoom"})
    api.click(button);
}

void show_havrel_shapes(const PluginApi& api) {
  show(api, {.modeDibuix = 2, .printeixos = false, .outlier_mark = false, .labels = false});
}
