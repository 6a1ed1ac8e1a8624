#include "biplot_sample.h"

#include <cstring>
#include <memory>

#include "biplot_sample_data.h"
#include "plot_biplot_records.h"
#include "stats/pca.h"
#include "stats/view_scaling.h"

namespace {

// Inside the -1.3 to 1.3 view with room for a ray's label below its tip.
constexpr double kHalfView = 1.2;
constexpr double kOutlierLevel = 0.975;

// The legend's colours of groups 1 to 3: black, red, green.
constexpr float kGroupColour[3][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};

struct Biplot {
  std::unique_ptr<Vector_Punts_bi> observations = std::make_unique<Vector_Punts_bi>();
  std::unique_ptr<Vector_Linies> rays = std::make_unique<Vector_Linies>();
};

Biplot make_biplot() {
  const GroupedCompositions sample = biplot_compositions();
  const stats::Pca pca = stats::clr_pca(stats::closure(sample.parts));
  const stats::ViewCoordinates view = stats::fit_to_view(pca, 2, kHalfView);
  const std::vector<bool> outlier = stats::mahalanobis_outliers(pca, kOutlierLevel);

  Biplot plot;
  plot.observations->long_ = static_cast<int16_t>(view.scores.rows());
  for (Eigen::Index i = 0; i < view.scores.rows(); ++i) {
    PuntBi& p = plot.observations->Punts[i];
    const int16_t group = sample.group[static_cast<std::size_t>(i)];
    p.x = view.scores(i, 0);
    p.y = view.scores(i, 1);
    std::memcpy(p.color, kGroupColour[group - 1], sizeof p.color);
    p.forma = group;
    p.outlier = outlier[static_cast<std::size_t>(i)] ? PLOT_TRUE : PLOT_FALSE;
  }
  Vector_Linies& rays = *plot.rays;
  rays.long_ = static_cast<int16_t>(view.loadings.rows());
  for (Eigen::Index k = 0; k < view.loadings.rows(); ++k) {
    rays.Punts[k].x = view.loadings(k, 0);
    rays.Punts[k].y = view.loadings(k, 1);
    const char* name = kBiplotPartNames[static_cast<std::size_t>(k)];
    rays.nomeixos[k] = {name, static_cast<int32_t>(std::strlen(name))};
  }
  // D parts leave D - 1 components with variability; cpe(j) covers the first j.
  rays.rang = static_cast<int16_t>(view.loadings.rows() - 1);
  for (int16_t j = 1; j <= rays.rang; ++j) rays.cpe[j] = static_cast<float>(pca.cumulative(j - 1));
  return plot;
}

struct Flags {
  bool printeixos, observation, outlier_mark, labels, formes;
};

void show(const PluginApi& api, const Flags& flags) {
  Biplot plot = make_biplot();
  const plot_string coor[] = {{"PC1", 3}, {"PC2", 3}, {"PC3", 3}};
  plot_object* data = api.make("CDades_biplot");
  try {
    api.set(data, "printeixos", boolean_value(flags.printeixos));
    api.set(data, "observation", boolean_value(flags.observation));
    api.set(data, "outlier_mark", boolean_value(flags.outlier_mark));
    api.set(data, "labels", boolean_value(flags.labels));
    api.set(data, "formes", boolean_value(flags.formes));
    api.set(data, "nGrups", i2_value(3));
    const plot_variant arguments[] = {
        record_value(PLOT_VECTOR_PUNTS_BI_NAME, plot.observations.get(), sizeof(Vector_Punts_bi)),
        record_value(PLOT_VECTOR_LINIES_NAME, plot.rays.get(), sizeof(Vector_Linies)),
        strings_value(1, 3, coor)};
    api.invoke(data, "mostrar", arguments, 3);
  } catch (...) {
    api.release(data);
    throw;
  }
  api.release(data);
}

}  // namespace

void show_biplot_dots(const PluginApi& api) {
  show(api, {.printeixos = true,
             .observation = true,
             .outlier_mark = true,
             .labels = true,
             .formes = false});
}

void show_biplot_shapes(const PluginApi& api) {
  show(api, {.printeixos = false,
             .observation = true,
             .outlier_mark = false,
             .labels = false,
             .formes = true});
}
