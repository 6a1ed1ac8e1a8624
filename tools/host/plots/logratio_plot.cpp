// The 2D log-ratio scatter: alr coordinates ln(x1/x3), ln(x2/x3) or the balances of three
// parts, computed here; points and centre share one scale that brings the widest coordinate to
// 0.95.
#include <algorithm>
#include <cmath>
#include <memory>

#include "plot_builders.h"
#include "plot_inputs.h"
#include "plot_logratio_records.h"
#include "stats/compositions.h"

namespace {

std::vector<std::string> axis_names(const CompositionTable& table, Transform transform) {
  const auto& p = table.part_names;
  if (transform == Transform::alr)
    return {"ln(" + p[0] + "/" + p[2] + ")", "ln(" + p[1] + "/" + p[2] + ")"};
  return {"ln(" + p[0] + "/" + p[1] + ")/sqrt 2",
          "ln(" + p[0] + "*" + p[1] + "/" + p[2] + "^2)/sqrt 6"};
}

}  // namespace

void show_logratio(const PluginApi& api, const CompositionTable& table,
                   const PlotRequest& request) {
  require_parts(table, request, 3);
  require_rows(table, request, 1, PLOT_LOGRATIO_POINTS, "a log-ratio plot");
  const stats::Matrix z =
      request.transform == Transform::alr ? stats::alr(table.parts) : stats::ilr(table.parts);
  const stats::Vector centre = stats::column_means(z);
  const double widest = std::max(z.cwiseAbs().maxCoeff(), 1e-12);
  const double scale = 0.95 / widest;

  auto record = std::make_unique<Vector_Punts_arl>();
  for (Eigen::Index i = 0; i < z.rows(); ++i) {
    Punt& p = record->Punts[i];
    p.x = z(i, 0) * scale;
    p.y = z(i, 1) * scale;
    const int g = table.group[static_cast<std::size_t>(i)];
    const auto colour = group_colour(g);
    std::copy(colour.begin(), colour.end(), p.color.color);
    p.forma = static_cast<int16_t>(g);
  }
  record->long_ = static_cast<int16_t>(z.rows());

  const std::vector<std::string> names = axis_names(table, request.transform);
  const std::vector<plot_string> items = counted(names);
  with_data_class(api, "CDades_ALR", [&](plot_object* data) {
    api.set(data, "formes", plot_variant_bool(request.shapes));
    api.set(data, "nGrups", plot_variant_i2(legend_groups(table, request)));
    set_group_names(api, data, legend_names(table.groups, request));
    api.set(data, "centreX", plot_variant_r8(centre(0) * scale));
    api.set(data, "centreY", plot_variant_r8(centre(1) * scale));
    const plot_variant arguments[] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_ARL_NAME, record.get(), sizeof(Vector_Punts_arl)),
        plot_variant_strings(1, 2, items.data())};
    api.invoke(data, "mostrar", arguments, 2);
  });
}
