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
  require_rows(table, request, 1, kMaxExchangeRows, "a tetrahedron");
  const PrivateProfile profile;
  ExchangeWriter options(profile.file("\\opcionsTernary.qvm"));
  // The labels stand where the ternary diagram has them: over the top (by the second part),
  // left of the first, and far right (toward the third). The fourth, above, has none.
  const auto& p = table.part_names;
  options.integer(request.shapes ? kShapeMode : kDotMode)
      .integer(static_cast<int>(table.groups.size()))
      .text(p[1])
      .text(p[0])
      .text(p[2])
      .end_row();
  options.close();

  write_rows_with_groups(profile.file("\\dadesTernary.qvm"),
                         stats::tetrahedron_positions(table.parts), table.group);
  with_data_class(api, "CDades_Quadrel", [&](plot_object* d) { api.invoke(d, "mostrar"); });
}
