// A host that knows its groups names them: the soil sample's points on the ternary diagram with
// "Sandy", "Silty" and "Clayey" in the legend instead of "Grup 1" to "Grup 3".
#include "named_groups_sample.h"

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "../plots/plot_inputs.h"
#include "plot_ternary_records.h"
#include "soil_sample.h"
#include "stats/ternary_position.h"

namespace {

struct TernaryRecords {
  Vector_Punts points{};
  Vector_Graella grid{};  // neither drawn with graella "Error"
  Vector_Punts_PC components{};
};

}  // namespace

void show_ternary_named_groups(const PluginApi& api) {
  const CompositionTable table = soil_table({1, 2, 3});
  auto records = std::make_unique<TernaryRecords>();
  const stats::Matrix xy = stats::ternary_positions(table.parts);
  records->points.long_ = static_cast<int16_t>(xy.rows());
  for (Eigen::Index i = 0; i < xy.rows(); ++i) {
    const int g = table.group[static_cast<std::size_t>(i)];
    const auto colour = group_colour(g);
    records->points.Punts[i] = {
        xy(i, 0), xy(i, 1), {colour[0], colour[1], colour[2]}, static_cast<int16_t>(g)};
  }
  const std::vector<std::string> group_names = {"Sandy", "Silty", "Clayey"};
  const std::vector<plot_string> names = counted(group_names);
  const std::vector<std::string> part_names(std::begin(kSoilParts), std::end(kSoilParts));
  const std::vector<plot_string> parts = counted(part_names);
  with_data_class(api, "CDades_Ternary", [&](plot_object* ternary) {
    api.set(ternary, "graella", plot_variant_text("Error"));
    api.set(ternary, "nGrups", plot_variant_i2(kSoilGroups));
    api.set(ternary, "nomsGrups", plot_variant_strings(1, kSoilGroups, names.data()));
    const plot_variant arguments[] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_NAME, &records->points, sizeof(Vector_Punts)),
        plot_variant_record(PLOT_VECTOR_GRAELLA_NAME, &records->grid, sizeof(Vector_Graella)),
        plot_variant_record(PLOT_VECTOR_PUNTS_PC_NAME, &records->components,
                            sizeof(Vector_Punts_PC)),
        plot_variant_strings(1, 3, parts.data())};
    api.invoke(ternary, "mostrar", arguments, 4);
  });
}
