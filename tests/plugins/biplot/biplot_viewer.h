#pragma once

#include <array>
#include <memory>
#include <string>

#include "biplot_plugin.h"
#include "support/form_viewer.h"

namespace plot::testing {

// One 2D biplot shown off screen through CDades_biplot, as the host would show it.
class BiplotViewer : public FormViewer<BiplotViewer, COpenGL_biplot, Leftover::UserClose> {
 public:
  CDades_biplot data;
  StringArray coor{1, {"PC1", "PC2", "PC3"}};
  Vector_Punts_bi& observations() { return records_->observations; }
  Vector_Linies& rays() { return records_->rays; }

  PuntBi& add(double x, double y, std::array<float, 3> colour, int16_t forma = 1,
              bool outlier = false) {
    PuntBi& p = observations().Punts[observations().long_++];
    p = {x, y, {colour[0], colour[1], colour[2]}, forma, outlier ? PLOT_TRUE : PLOT_FALSE};
    return p;
  }

  // A ray to (x, y) named `name`; the name's bytes live as long as the viewer.
  void add_ray(double x, double y, const std::string& name) {
    const int16_t k = rays().long_++;
    rays().Punts[k].x = x;
    rays().Punts[k].y = y;
    names_[static_cast<std::size_t>(k)] = name;
    rays().nomeixos[k] = {names_[static_cast<std::size_t>(k)].data(),
                          static_cast<int32_t>(name.size())};
  }
  std::string& name_bytes(int k) { return names_[static_cast<std::size_t>(k)]; }

  void show() { data.mostrar(observations(), rays(), coor); }

 private:
  struct Records {
    Vector_Punts_bi observations{};
    Vector_Linies rays{};
  };
  std::unique_ptr<Records> records_ = std::make_unique<Records>();
  std::array<std::string, PLOT_BIPLOT_RAYS> names_;
};

}  // namespace plot::testing
