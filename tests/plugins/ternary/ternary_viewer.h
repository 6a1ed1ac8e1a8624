#pragma once

#include <array>
#include <memory>

#include "support/form_viewer.h"
#include "ternary_plugin.h"

namespace plot::testing {

// One ternary diagram shown off screen through CDades_Ternary, as a host shows it, in the
// diagram frame: the triangle (0, 0), (0.5, 0.866), (1, 0).
class TernaryViewer : public TernaryFrameViewer<TernaryViewer, COpenGL_TD> {
 public:
  CDades_Ternary data;
  StringArray coor{1, {"A", "B", "C"}};
  Vector_Punts& points() { return records_->points; }
  Vector_Graella& grid() { return records_->grid; }
  Vector_Punts_PC& components() { return records_->components; }

  Punt& add_point(double x, double y, std::array<float, 3> colour, int16_t forma = 1) {
    Punt& p = points().Punts[points().long_++];
    p = {x, y, {colour[0], colour[1], colour[2]}, forma};
    return p;
  }

  // Grid line i of the pairing family k -> k + 1, from `from` to `to`.
  void set_grid_line(int family, int i, std::array<double, 2> from, std::array<double, 2> to) {
    const int next = family % 3 + 1;
    grid().VPG[family].Punts1[i].X = from[0];
    grid().VPG[family].Punts1[i].Y = from[1];
    grid().VPG[next].Punts2[i].X = to[0];
    grid().VPG[next].Punts2[i].Y = to[1];
  }

  void show() { data.mostrar(points(), grid(), components(), coor); }

 private:
  struct Records {
    Vector_Punts points{};
    Vector_Graella grid{};
    Vector_Punts_PC components{};
  };
  std::unique_ptr<Records> records_ = std::make_unique<Records>();
};

}  // namespace plot::testing
