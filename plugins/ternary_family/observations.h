#pragma once

#include <memory>

#include "core/render/boolean.h"
#include "core/render/marker_shapes.h"
#include "plugins/ternary_family/ternary_records.h"

namespace plot {

// The points of a Vector_Punts as the ternary diagram draws them: with `formes` each the black
// marker of its `forma` in the plane of the triangle, else a dot of 5 pixels in its own colour
// just in front of it. A count above the record's 501 points raises at the first point beyond.
void draw_observations(const Vector_Punts& points, Boolean formes, const MarkerLists& markers);

// The observations a region plot may be handed with its curves: none, or the host's record,
// copied whole. A `long` outside 0 to 501 is "Subscript out of range", before anything is
// drawn.
class KeptObservations {
 public:
  void copy(const Vector_Punts* from);
  // Drawn after the curves at the same depth, so that the curves stay on top where they meet.
  void draw(Boolean formes, const MarkerLists& markers) const;
  const Vector_Punts* points() const { return points_.get(); }

 private:
  std::unique_ptr<Vector_Punts> points_;
};

}  // namespace plot
