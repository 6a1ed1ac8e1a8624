#pragma once

#include <cmath>
#include <memory>
#include <string>

#include "confidence_region_plugin.h"
#include "support/form_viewer.h"

namespace plot::testing {

// One confidence-region plot shown off screen through CDades_VORN_C, as a host shows it.
class VorncViewer : public TernaryFrameViewer<VorncViewer, COpenGL_VORN_C> {
 public:
  CDades_VORN_C data;
  StringArray coor{1, {"A", "B", "C"}};
  std::string alpha = "0.95";
  Vector_Punts_VORN_C& groups() { return *groups_; }
  std::unique_ptr<Vector_Punts> observations;  // handed over when set

  // Group g's centre at (x, y) and its 60 points on an arc of `turn` radians from angle 0.
  void set_group(int g, double x, double y, double radius, double turn = 2 * M_PI * 59 / 60) {
    Vector_Punt_VORN_C& group = groups().Pgrups[g - 1];
    group.Geom = {x, y, {0, 0, 1}, 7};  // colour and shape the drawing must ignore
    for (int d = 0; d < 60; ++d) {
      const double t = turn * d / 59;
      group.Punts[d] = {x + radius * std::cos(t), y + radius * std::sin(t), {}, 0};
    }
  }

  void show() {
    groups().alpha = {alpha.data(), static_cast<int32_t>(alpha.size())};
    data.mostrar(groups(), coor, observations.get());
  }

 private:
  std::unique_ptr<Vector_Punts_VORN_C> groups_ = std::make_unique<Vector_Punts_VORN_C>();
};

}  // namespace plot::testing
