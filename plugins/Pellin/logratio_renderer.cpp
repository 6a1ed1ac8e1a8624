#include "logratio_renderer.h"

#include "core/errors/checked_int16.h"

namespace plot {
namespace {

// The dots lie in front of the axes, which lie in the plane z = 0.
constexpr float kFront = 0.001f;

// The observations drawn: 0 to `long` - 1, that bound taken in 16 bits, so the smallest
// count overflows.
int32_t observation_count(const Vector_Punts_arl& record) {
  return int32_t{sub16(record.long_, 1)} + 1;
}

}  // namespace

void COpenGL_alr::DrawAxes(int32_t& x, int32_t& y, int32_t& z) {
  Renderer::DrawAxes(x, y, z);
  draw_logratio_scene(*this,
                      {.third_axis = {0, 0, 0},
                       .names = {records_.coor.data(), records_.coor.size},
                       .marks = formes ? ObservationMarks::GroupShapes : ObservationMarks::Dots,
                       .count = observation_count(records_.observations),
                       .dot_front = kFront,
                       .observation = [this](int32_t i) { return observation(i); },
                       .centre_x = centreX,
                       .centre_y = centreY,
                       .groups = nGrups,
                       .group_names = nomsGrups,
                       .legend = kLogRatioLegend},
                      x, y, z);
}

PointMark COpenGL_alr::observation(int32_t i) const {
  const Punt& p = element(records_.observations.Punts, i);
  return {p.x, p.y, p.color.color, p.forma};
}

}  // namespace plot
