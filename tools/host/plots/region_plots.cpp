// The region plots on the ternary diagram, from the balances (ilr coordinates) of three parts:
// the predictive regions of the whole sample at up to three levels, and the confidence region
// of each group's centre.
#include <cstdio>
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

// Group g's curve and centre, in its colour wherever it is drawn in the record.
void fill_group(Vector_Punt_VORN_C& group, const stats::Ellipse& region, int g) {
  const auto [r, gr, b] = group_colour(g);
  const stats::Matrix curve = stats::ternary_curve(region, PLOT_VORNC_CURVE_POINTS);
  for (Eigen::Index i = 0; i < curve.rows(); ++i)
    group.Punts[i] = {curve(i, 0), curve(i, 1), {r, gr, b}, 0};
  const Eigen::RowVector2d centre = stats::ternary_centre(region);
  group.Geom = {centre(0), centre(1), {r, gr, b}, 0};
}

// The compositions for a third argument of mostrar, when asked for; null otherwise.
std::unique_ptr<Vector_Punts> observations(const CompositionTable& table,
                                           const PlotRequest& request) {
  if (!request.observations) return nullptr;
  if (table.parts.rows() > PLOT_MAX_POINTS) {
    std::fprintf(stderr, "plot_host: the %td observations are not drawn: a plot holds %d at most\n",
                 table.parts.rows(), PLOT_MAX_POINTS);
    return nullptr;
  }
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
    const stats::Ellipse ellipse = stats::predictive_region(balances, level);
    const stats::Branches branches = stats::ternary_branches(ellipse, PLOT_VORN_BRANCH_POINTS);
    std::printf("level %g: %td of %td observations outside the region\n", level,
                stats::count_outside(ellipse, balances), balances.rows());
    fill_branch(region.Punts1, region.long1, branches.first);
    fill_branch(region.Punts2, region.long2, branches.second);
  }
  const std::vector<plot_string> names = counted(table.part_names);
  const std::unique_ptr<Vector_Punts> points = observations(table, request);
  with_data_class(api, "CDades_vorn", [&](plot_object* vorn) {
    if (points) {
      api.set(vorn, "nGrups", plot_variant_i2(legend_groups(table, request)));
      set_group_names(api, vorn, legend_names(table.groups, request));
    }
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
  // A group too small for a region is left out; the others keep their colours.
  std::vector<std::string> drawn;
  std::string too_small;
  for (std::size_t g = 1; g <= table.groups.size(); ++g) {
    const stats::Matrix rows = rows_of(table, static_cast<int>(g));
    const std::string& label = table.groups[g - 1];
    if (rows.rows() < kFewestRows) {
      too_small += (too_small.empty() ? "" : ", ") + ("\"" + label + "\"");
      std::fprintf(stderr,
                   "plot_host: group \"%s\" left out: %td rows are too few for a confidence "
                   "region (at least %td)\n",
                   label.c_str(), rows.rows(), kFewestRows);
      continue;
    }
    fill_group(groups->Pgrups[drawn.size()],
               stats::confidence_region(stats::ilr(rows), request.level), static_cast<int>(g));
    drawn.push_back(label);
  }
  if (drawn.empty())
    throw InputError(request.file + ": no group has the " + std::to_string(kFewestRows) +
                     " rows a confidence region needs (" + too_small + ")");
  std::ostringstream level;
  level << request.level;
  const std::string alpha = level.str();
  groups->alpha = {alpha.data(), static_cast<int32_t>(alpha.size())};
  const std::vector<plot_string> names = counted(table.part_names);
  const std::unique_ptr<Vector_Punts> points = observations(table, request);
  with_data_class(api, "CDades_VORN_C", [&](plot_object* vornc) {
    api.set(vornc, "formes", plot_variant_bool(request.shapes));
    api.set(vornc, "nGrups", plot_variant_i2(static_cast<int16_t>(drawn.size())));
    set_group_names(api, vornc, legend_names(drawn, request));
    // Each group's curve in its colour; the drawn groups take the first colours.
    if (request.input.group) api.set(vornc, "corbesColor", plot_variant_bool(true));
    const plot_variant arguments[] = {
        plot_variant_record(PLOT_VECTOR_PUNTS_VORN_C_NAME, groups.get(),
                            sizeof(Vector_Punts_VORN_C)),
        plot_variant_strings(1, 3, names.data()), observations_argument(points.get())};
    api.invoke(vornc, "mostrar", arguments, points ? 3 : 2);
  });
}
