#include "plugins/ternary_family/observations.h"

#include "core/errors/runtime_error.h"
#include "core/render/point_marks.h"

namespace plot {

void draw_observations(const Vector_Punts& points, Boolean formes, const MarkerLists& markers) {
  const auto point = [&](int32_t i) {
    const Punt& p = element(points.Punts, i);
    return PointMark{p.X, p.Y, p.Color, p.forma};
  };
  // 32-bit counts: a count of -32768 draws nothing rather than overflowing.
  if (formes)
    draw_point_markers(markers, points.long_, point);
  else
    draw_point_dots(points.long_, 5, 0.001f, point);
}

void KeptObservations::copy(const Vector_Punts* from) {
  if (from == nullptr) {
    points_.reset();
    return;
  }
  if (from->long_ < 0 || from->long_ > PLOT_MAX_POINTS)
    throw RuntimeError(ErrorNumber::SubscriptOutOfRange,
                       "Subscript out of range: the observations' long is " +
                           std::to_string(from->long_) + ", not 0 to " +
                           std::to_string(PLOT_MAX_POINTS));
  points_ = std::make_unique<Vector_Punts>(*from);
}

void KeptObservations::draw(Boolean formes, const MarkerLists& markers) const {
  if (points_ != nullptr) draw_observations(*points_, formes, markers);
}

}  // namespace plot
