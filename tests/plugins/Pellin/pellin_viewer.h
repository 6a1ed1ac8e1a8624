#pragma once

#include <array>
#include <memory>

#include "logratio_plugin.h"
#include "support/form_viewer.h"

namespace plot::testing {

// One Pellin plot shown off screen through CDades_ALR, as the host would show it.
class PellinViewer : public FormViewer<PellinViewer, COpenGL_alr, Leftover::UserClose> {
 public:
  Vector_Punts_arl& record() { return *record_; }
  CDades_ALR data;
  StringArray coor{1, {"X", "Y"}};

  Punt& add(double x, double y, std::array<float, 3> colour, int16_t forma = 1) {
    Punt& p = record_->Punts[record_->long_++];
    p = {x, y, {{colour[0], colour[1], colour[2]}}, forma};
    return p;
  }

  void show() { data.mostrar(*record_, coor); }

 private:
  std::unique_ptr<Vector_Punts_arl> record_ = std::make_unique<Vector_Punts_arl>();
};

}  // namespace plot::testing
