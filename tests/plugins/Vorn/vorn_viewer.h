#pragma once

#include <memory>

#include "predictive_region_plugin.h"
#include "support/form_viewer.h"

namespace plot::testing {

// One predictive-region plot shown off screen through CDades_vorn, as a host shows it.
class VornViewer : public TernaryFrameViewer<VornViewer, COpenGL_VORN> {
 public:
  CDades_vorn data;
  StringArray coor{1, {"A", "B", "C"}};
  Vector_VORN& regions() { return *regions_; }
  std::unique_ptr<Vector_Punts> observations;  // handed over when set

  // Region k's branches through the given points.
  void set_region(int k, std::initializer_list<std::array<double, 2>> first,
                  std::initializer_list<std::array<double, 2>> second) {
    Vector_Punts_VORN& r = regions().VPVORN[k];
    r.long1 = static_cast<int16_t>(first.size());
    r.long2 = static_cast<int16_t>(second.size());
    int i = 0;
    for (const auto& p : first) r.Punts1[i++] = {p[0], p[1], {}, 0};
    i = 0;
    for (const auto& p : second) r.Punts2[i++] = {p[0], p[1], {}, 0};
  }

  void show() { data.mostrar(regions(), coor, observations.get()); }

 private:
  std::unique_ptr<Vector_VORN> regions_ = std::make_unique<Vector_VORN>();
};

}  // namespace plot::testing
