// The confidence-region sample: per soil group, the region of its centre traced as 60 points
// in the ternary frame, and the closed geometric mean as the centre.
#include <memory>
#include <string>
#include <vector>

#include "plot_vornc_records.h"
#include "soil_sample.h"
#include "stats/regions.h"
#include "vornc_sample.h"

namespace {

void fill_group(Vector_Punt_VORN_C& group, const stats::Ellipse& region) {
  const stats::Matrix curve = stats::ternary_curve(region, PLOT_VORNC_CURVE_POINTS);
  for (Eigen::Index i = 0; i < curve.rows(); ++i)
    group.Punts[i] = {curve(i, 0), curve(i, 1), {0, 0, 0}, 0};
  const Eigen::RowVector2d centre = stats::ternary_centre(region);
  group.Geom = {centre(0), centre(1), {0, 0, 0}, 0};
}

void show_vornc(const PluginApi& api, bool formes) {
  auto groups = std::make_unique<Vector_Punts_VORN_C>();
  for (int g = 1; g <= kSoilGroups; ++g)
    fill_group(groups->Pgrups[g - 1], stats::confidence_region(stats::ilr(soil_group(g)), 0.95));
  const std::string alpha = "0.95";
  groups->alpha = {alpha.data(), static_cast<int32_t>(alpha.size())};
  const std::vector<plot_string> names = counted_strings(kSoilParts);
  with_data_class(api, "CDades_VORN_C", [&](plot_object* vornc) {
    api.set(vornc, "formes", boolean_value(formes));
    api.set(vornc, "nGrups", i2_value(kSoilGroups));
    const plot_variant arguments[] = {
        record_value(PLOT_VECTOR_PUNTS_VORN_C_NAME, groups.get(), sizeof(Vector_Punts_VORN_C)),
        strings_value(1, 3, names.data())};
    api.invoke(vornc, "mostrar", arguments, 2);
  });
}

}  // namespace

void show_vornc_dots(const PluginApi& api) {
  show_vornc(api, false);
}
void show_vornc_markers(const PluginApi& api) {
  show_vornc(api, true);
}
