#include "biplot_renderer.h"

#include <GL/gl.h>

#include "core/errors/checked_int16.h"
#include "core/render/gl_scope.h"

namespace plot {
namespace {

using biplot::OutlierMarking;

// Dots and ray tips lie this far in front of the plane z = 0.
constexpr double kLift = 0.001;

// Items 0 to `long` - 1; that last index is 16-bit arithmetic, so the smallest count
// overflows where it is used.
int32_t count_of(int16_t long_) {
  return int32_t{sub16(long_, 1)} + 1;
}

}  // namespace

void COpenGL_biplot::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  Renderer::DrawAxes(x, y, z);
  const MatrixScope plot;
  const Vector_Punts_bi& observations = records_.observations;
  const auto& rays = records_.rays;
  const auto observation_i = [this](int32_t i) { return observation_at(i); };
  const auto position = [this](int32_t i) { return observation_at(i).at; };
  const auto tip = [this](int32_t k) { return tip_at(k); };
  const auto name = [&](int32_t k) -> const std::string& { return rays.nomeixos(k); };
  const OutlierMarking marking = outlier_mark ? OutlierMarking::On : OutlierMarking::Off;

  if (observation) {
    const int32_t count = count_of(observations.long_);
    if (formes) {
      biplot::draw_observation_shapes(markers(), count, observation_i, marking);
      biplot::draw_group_legend(*this, biplot::GroupLegend::Shapes, nGrups, nomsGrups);
    } else {
      const auto colour = [&](int32_t i) {
        const float* c = element(observations.Punts, i).color;
        return Rgb{c[0], c[1], c[2]};
      };
      biplot::draw_observation_dots(markers(), count, observation_i, colour, kLift, marking);
      if (nGrups != 0)
        biplot::draw_group_legend(*this, biplot::GroupLegend::Colours, nGrups, nomsGrups);
    }
  }
  if (labels) biplot::draw_observation_numbers(*this, count_of(observations.long_), position);

  biplot::draw_rays(count_of(rays.long_), tip, kLift);
  biplot::draw_ray_labels(*this, count_of(rays.long_), tip, name, printeixos,
                          biplot::RayLabelPlace::OffTheTip);
  if (!printeixos) biplot::draw_variable_legend(*this, count_of(rays.long_), name);
  biplot::draw_cumulative_proportions(*this, rays.rang,
                                      [&](int32_t j) { return element(rays.cpe, j); });
  if (outlier_mark) biplot::draw_outliers_legend(*this);
}

biplot::ObservationMark COpenGL_biplot::observation_at(int32_t i) const {
  const PuntBi& p = element(records_.observations.Punts, i);
  return {.at = {p.x, p.y, 0}, .shape = p.forma, .outlier = p.outlier != 0};
}

biplot::ModelPoint COpenGL_biplot::tip_at(int32_t k) const {
  const PuntBi& p = element(records_.rays.Punts, k);
  return {p.x, p.y, 0};
}

}  // namespace plot
