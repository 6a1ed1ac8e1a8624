#pragma once

#include <cstdint>

#include "copengl_alr.h"
#include "core/form/viewer_form.h"
#include "plot_logratio_records.h"

namespace plot {

// The viewer form of the 2D log-ratio plot.
class alr : public ViewerForm {
 public:
  alr() : ViewerForm(profile_of(COpenGL_alr::kKind)) {}

  // The entry sequence with the plot's hand-over: the observations and names first, then
  // the flags in the order centreX, centreY, formes, nGrups.
  void parametres(Vector_Punts_arl& VPt, double centreX, double centreY, Boolean formes,
                  int16_t nGrups, StringArray& coor);
};

}  // namespace plot
