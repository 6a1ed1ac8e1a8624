#pragma once

#include <array>
#include <memory>

#include "alr_form.h"
#include "cdades_alr.h"
#include "core/com/plugin_definition.h"
#include "support/plot_viewer.h"

namespace plot::testing {

// One Pellin plot shown off screen through CDades_ALR, as the host would show it.
class PellinViewer : public PlotViewer<PellinViewer> {
 public:
  static constexpr PluginKind kKind = PluginKind::Pellin;
  static constexpr double kFieldOfView = 15;
  static constexpr Vec3 kShift = {0, 0, 0};

  // Each case starts with the viewer closed, as a user would leave it.
  PellinViewer() {
    if (ViewerForm* f = FormSlot<alr>::existing(); f != nullptr && f->shown())
      f->window().user_close();
  }

  pellin::Vector_Punts_arl& record() { return *record_; }
  CDades_ALR data;
  StringArray coor{1, {"X", "Y"}};

  pellin::Punt& add(double x, double y, std::array<float, 3> colour, int16_t forma = 1) {
    pellin::Punt& p = record_->Punts[record_->long_++];
    p = {x, y, {{colour[0], colour[1], colour[2]}}, forma};
    return p;
  }

  void show() { data.mostrar(*record_, coor); }
  static ViewerForm& form() { return *FormSlot<alr>::existing(); }

 private:
  std::unique_ptr<pellin::Vector_Punts_arl> record_ = std::make_unique<pellin::Vector_Punts_arl>();
};

}  // namespace plot::testing
