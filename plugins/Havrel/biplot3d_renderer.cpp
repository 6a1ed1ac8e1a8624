#include <cmath>

#include "biplot3d_renderer.h"
#include "core/errors/runtime_error.h"
#include "core/render/gl_scope.h"
#include "plugins/biplot_family/biplot_steps.h"

namespace plot {
namespace {

using Row = std::array<double, 5>;
constexpr int16_t kShapeMode = 2;
constexpr int16_t kColourLegendMode = 1;
// Everything lies exactly at its point: nothing in 3D needs lifting off a plane.
constexpr double kNoLift = 0;

// The group number itself names the shape: 1 to 10 exactly, anything else has none.
int shape_of(double group) {
  for (int k = 1; k <= kMarkerShapeCount; ++k)
    if (group == k) return k;
  return 0;
}

// The nearest whole group (halves to even) picks the colour; there is none outside 0 to 10.
Rgb colour_of(double group) {
  const double nearest = std::nearbyint(group);
  if (!(nearest >= 0 && nearest <= 10)) raise(ErrorNumber::SubscriptOutOfRange);
  return group_colour_table()(static_cast<int32_t>(nearest));
}

biplot::ObservationMark mark_of(const Row& row) {
  return {.at = {row[HavrelTables::X], row[HavrelTables::Y], row[HavrelTables::Z]},
          .shape = shape_of(row[HavrelTables::Group]),
          .outlier = row[HavrelTables::Outlier] == 1.0};
}

}  // namespace

void COpenGL_Havrel::draw_observations() {
  const HavrelTables& t = tables_;
  const auto marking = outlier_mark ? biplot::OutlierMarking::On : biplot::OutlierMarking::Off;
  const auto observation_at = [&](int32_t n) { return mark_of(t.taulaPunts(n)); };
  if (t.modeDibuix == kShapeMode) {
    biplot::draw_observation_shapes(markers(), t.nPunts, observation_at, marking);
    biplot::draw_group_legend(*this, biplot::GroupLegend::Shapes, nGrups, nomsGrups);
    return;
  }
  biplot::draw_observation_dots(
      markers(), t.nPunts, observation_at,
      [&](int32_t n) { return colour_of(t.taulaPunts(n)[HavrelTables::Group]); }, kNoLift, marking);
  if (t.modeDibuix == kColourLegendMode)
    biplot::draw_group_legend(*this, biplot::GroupLegend::Colours, nGrups, nomsGrups);
}

void COpenGL_Havrel::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  const HavrelTables& t = tables_;
  Renderer::DrawAxes(x, y, z);
  const MatrixScope plot;
  if (observation) draw_observations();
  const auto point_at = [&](int32_t n) {
    const Row& row = t.taulaPunts(n);
    return biplot::ModelPoint{row[HavrelTables::X], row[HavrelTables::Y], row[HavrelTables::Z]};
  };
  if (labels) biplot::draw_observation_numbers(*this, t.nPunts, point_at);
  const auto tip_at = [&](int32_t k) {
    const auto& tip = t.taulaLinies(k);
    return biplot::ModelPoint{tip[0], tip[1], tip[2]};
  };
  const auto name_at = [&](int32_t k) -> const std::string& { return t.nomsLinies(k); };
  biplot::draw_rays(t.nLinies, tip_at, kNoLift);
  biplot::draw_ray_labels(*this, t.nLinies, tip_at, name_at, printeixos,
                          biplot::RayLabelPlace::AtTheTip);
  if (!printeixos) biplot::draw_variable_legend(*this, t.nLinies, name_at);
  biplot::draw_cumulative_proportions(*this, t.nRang, [&](int32_t j) { return t.taulaCpe(j); });
  if (outlier_mark) biplot::draw_outliers_legend(*this);
}

}  // namespace plot
