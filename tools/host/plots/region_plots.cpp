// The region plots on the ternary diagram, from the balances (ilr coordinates) of three parts:
// the predictive regions of the whole sample at up to three levels, and the confidence region
// of each group's centre.
#include <memory>
#include <sstream>

#include "plot_builders.h"
#include "plot_inputs.h"
#include "plot_ternary_records.h"
#include "plot_vorn_records.h"
#include "plot_vornc_records.h"
#include "stats/regions.h"

namespace {

// Mean and covariance need more rows than the two coordinates.
constexpr Eigen::Index kFewestRows = 3;

void fill_branch(Punt (&punts)[PLOT_VORN_BRANCH_POINTS], int16_t& count, const stats::Matrix& xy) {
  count = static_cast<int16_t>(xy.rows());
  for (Eigen::Index i = 0; i < xy.rows(); ++i) punts[i] = {xy(i, 0), xy(i, 1), {0, 0, 0}, 0};
}

void fill_group(Vector_Punt_VORN_C& group, const stats::Ellipse& region) {
  const stats::Matrix curve = stats::ternary_curve(region, PLOT_VORNC_CURVE_POINTS);
  for (Eigen::Index i = 0; i < curve.rows(); ++i)
    group.Punts[i] = {curve(i, 0), curve(i, 1), {0, 0, 0}, 0};
  const Eigen::RowVector2d centre = stats::ternary_centre(region);
  group.Geom = {centre(0), centre(1), {0, 0, 0}, 0};
}

// The compositions for a third argument of mostrar, when asked for; null otherwise.
std::unique_ptr<Vector_Punts> observations(const CompositionTable& table,
                                           const PlotRequest& request) {
  if (!request.observations) return nullptr;
  require_rows(table, request, 1, PLOT_MAX_POINTS, "the observations");
  auto points = std::make_unique<Vector_Punts>();
  fill_ternary_points(*points, table);
  return points;
}

plot_variant observations_argument(Vector_Punts* points) {
  return points == nullptr
             ? plot_variant{}
             : plot_variant_record(PLOT_VECTOR_PUNTS_NAME, points, sizeof(Vector_Punts));
}

// The rows of group g (1-based).
stats::Matrix rows_of(const CompositionTable& table, int g) {
  std::vector<Eigen::Index> rows;
  for (std::size_t i = 0; i < table.group.size(); ++i)
    if (table.group[i] == g) rows.push_back(static_cast<Eigen::Index>(i));
  return table.parts(rows, Eigen::all);
}

}  // namespace

void show_predictive(const PluginApi& api, const CompositionTable& table,
                     const PlotRequest& request) {
  require_parts(table, request, 3);
  require_rows(table, request, kFewestRows, std::numeric_limits<Eigen::Index>::max(),
               "a predictive region");
  const stats::Matrix balances = stats::ilr(table.parts);
  auto regions = std::make_unique<Vector_VORN>();
  regions->nNivells = static_cast<int16_t>(request.levels.size());
  for (std::size_t k = 1; k <= request.levels.size(); ++k) {
    Vector_Punts_VORN& region = regions->VPVORN[k];
    const double level = request.levels[k - 1];
    region.alpha = static_cast<float>(level);
    const stats::Branches branches =
        stats::ternary_branches(stats::predictive_region(balances, level), PLOT_VORN_BRANCH_POINTS);
    fill_branch(region.Punts1, region.long1, branches.first);
    fill_branch(region.Punts2, region.long2, branches.second);
  }
  const std::vector<plot_string> names = counted(table.part_names);
  const std::unique_ptr<Vector_Punts> points = observations(table, request);
  with_data_class(api, "CDades_vorn", [&](plot_object* vorn) {
    const plot_variant arguments[] = {
        plot_variant_record(PLOT_VECTOR_VORN_NAME, regions.get(), sizeof(Vector_VORN)),
        plot_variant_strings(1, 3, names.data()), observations_argument(points.get())};
    api.invoke(vorn, "mostrar", arguments, points ? 3 : 2);
  });
}

void show_confidence(const PluginApi& api, const CompositionTable& table,
                     const PlotRequest& request) {
  require_parts(table, request, 3);
  auto groups = std::make_unique<Vector_Punts_VORN_C>();
  for (std::size_t g = 1; g <= table.groups.size(); ++g) {
    const stats::Matrix rows = rows_of(table, static_cast<int>(g));
    if (rows.rows() < kFewestRows)
      throw InputError(request.file + ": group \"" + table.groups[g - 1] + "\" has " +
                       std::to_string(rows.rows()) + " rows, too few for a confidence region " +
                       "(at least " + std::to_string(kFewestRows) + ")");
    fill_group(groups->Pgrups[g - 1], stats::confidence_region(stats::ilr(rows), request.level));
  }
  std::ostringstream level;
  level << request.level;
  const std::string alpha = level.str();
  groups->alpha = {alpha.data(), static_cast<int32_t>(alpha.size())};
  const std::vector<plot_string> names = counted(table.part_names);
  const std::unique_ptr<Vector_Punts> points = observations(table, request);
  with_data_class(api, "CDades_VORN_C", [&](plot_object* vornc) {
    api.set(vornc, "formes", plot_variant_bool(request.shapes));
    api.set(vornc, "nGrups", plot_variant_i2(static_cast<int16_t>(table.groups.size())));
    const plot_variant arguments[] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_VORN_C_NAME, groups.get(),
                            sizeof(Vector_Punts_VORN_C)),
        plot_variant_strings(1, 3, names.data()), observations_argument(points.get())};
    api.invoke(vornc, "mostrar", arguments, points ? 3 : 2);
  });
}
