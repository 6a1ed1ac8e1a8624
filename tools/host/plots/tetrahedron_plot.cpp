// The tetrahedron: four-part compositions placed in the plug-in's frame as the barycentric
// combination of its vertices, written to the two exchange files the plug-in reads.
#include "../exchange_folder.h"
#include "plot_builders.h"
#include "plot_inputs.h"
#include "stats/tetrahedron_position.h"

namespace {

constexpr int kShapeMode = 2;
constexpr int kDotMode = 1;

}  // namespace

void show_tetrahedron(const PluginApi& api, const CompositionTable& table,
                      const PlotRequest& request) {
  require_parts(table, request, 4);
  require_rows(table, request, 1, PLOT_MAX_3D_OBSERVATIONS, "a tetrahedron");
  const PrivateProfile profile;
  // The labels name B, A and C, the corners of the second, first and third parts; by default
  // they stand where the ternary diagram has them and the fourth part's corner, D, has none.
  // With corner names the fourth names D and each stands at its corner.
  const auto& p = table.part_names;
  const int mode = request.shapes ? kShapeMode : kDotMode;
  const int groups = legend_groups(table, request);
  if (request.corner_names)
    write_exchange_file(profile, plot_quadrel_options, {mode, groups, p[1], p[0], p[2], p[3]});
  else
    write_exchange_file(profile, plot_quadrel_options, {mode, groups, p[1], p[0], p[2]});

  write_group_names(profile, legend_names(table.groups, request));
  write_rows_with_groups(profile, plot_quadrel_data, stats::tetrahedron_positions(table.parts),
                         table.group);
  with_data_class(api, "CDades_Quadrel", [&](plot_object* d) { api.invoke(d, "mostrar"); });
}
