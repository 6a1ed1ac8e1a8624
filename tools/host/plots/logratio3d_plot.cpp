// The 3D log-ratio scatter: the plug-in computes the alr or balance coordinates itself from
// the four parts the host writes to its exchange files.
#include "../exchange_folder.h"
#include "plot_builders.h"
#include "plot_inputs.h"

namespace {

std::vector<std::string> axis_names(const CompositionTable& table, const PlotRequest& request) {
  const auto& p = table.part_names;
  if (request.transform == Transform::alr)
    return {"ln(" + p[0] + "/" + p[3] + ")", "ln(" + p[1] + "/" + p[3] + ")",
            "ln(" + p[2] + "/" + p[3] + ")"};
  if (request.short_balance_names) return {"b1", "b2", "b3"};
  // The plug-in's balances: each product of the parts before against the next part.
  return {"ln(" + p[0] + "/" + p[1] + ")/sqrt 2",
          "ln(" + p[0] + "*" + p[1] + "/" + p[2] + "^2)/sqrt 6",
          "ln(" + p[0] + "*" + p[1] + "*" + p[2] + "/" + p[3] + "^3)/sqrt 12"};
}

}  // namespace

void show_logratio3d(const PluginApi& api, const CompositionTable& table,
                     const PlotRequest& request) {
  require_parts(table, request, 4);
  require_rows(table, request, 1, PLOT_MAX_3D_OBSERVATIONS, "a log-ratio plot");
  const PrivateProfile profile;
  const std::vector<std::string> names = axis_names(table, request);
  write_exchange_file(
      profile, plot_tormin_options,
      {request.transform == Transform::alr ? "ALR" : "balances", request.shapes ? 2 : 1,
       legend_groups(table, request), names[0], names[1], names[2]});
  write_group_names(profile, legend_names(table.groups, request));
  write_rows_with_groups(profile, plot_tormin_data, table.parts, table.group);
  with_data_class(api, "CDades_ALR_3D", [&](plot_object* d) { api.invoke(d, "mostrar"); });
}
