// The predictive-region sample: the host computes the regions of the silty soils in balance
// coordinates and hands them over as two branches each, in the ternary frame.
#include <memory>
#include <vector>

#include "plot_vorn_records.h"
#include "soil_sample.h"
#include "stats/regions.h"
#include "vorn_sample.h"

namespace {

void fill_branch(Punt (&punts)[PLOT_VORN_BRANCH_POINTS], int16_t& count, const stats::Matrix& xy) {
  count = static_cast<int16_t>(xy.rows());
  for (Eigen::Index i = 0; i < xy.rows(); ++i) punts[i] = {xy(i, 0), xy(i, 1), {0, 0, 0}, 0};
}

}  // namespace

void show_vorn_regions(const PluginApi& api) {
  const stats::Matrix balances = stats::ilr(soil_group(2));
  auto regions = std::make_unique<Vector_VORN>();
  const double levels[] = {0.90, 0.95, 0.99};
  regions->nNivells = 3;
  for (int k = 1; k <= 3; ++k) {
    Vector_Punts_VORN& region = regions->VPVORN[k];
    const double level = levels[k - 1];
    region.alpha = static_cast<float>(level);
    const stats::Branches branches =
        stats::ternary_branches(stats::predictive_region(balances, level), PLOT_VORN_BRANCH_POINTS);
    fill_branch(region.Punts1, region.long1, branches.first);
    fill_branch(region.Punts2, region.long2, branches.second);
  }
  const std::vector<plot_string> names = counted_strings(kSoilParts);
  with_data_class(api, "CDades_vorn", [&](plot_object* vorn) {
    const plot_variant arguments[] = {
        record_value(PLOT_VECTOR_VORN_NAME, regions.get(), sizeof(Vector_VORN)),
        strings_value(1, 3, names.data())};
    api.invoke(vorn, "mostrar", arguments, 2);
  });
}
