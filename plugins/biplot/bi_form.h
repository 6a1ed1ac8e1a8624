#pragma once

#include <cstdint>

#include "biplot_renderer.h"
#include "core/form/viewer_form.h"

namespace plot {

// The viewer form of the 2D biplot.
class bi : public ViewerForm {
 public:
  bi() : ViewerForm(profile_of(COpenGL_biplot::kKind)) {}

  // The entry sequence with the biplot's hand-over: the records and names first, then the
  // six flags in the host's order.
  void parametres(Vector_Punts_bi& VPt, Vector_Linies& VLt, Boolean printeixos, Boolean observation,
                  Boolean outlier_mark, Boolean labels, Boolean formes, int16_t nGrups,
                  StringArray& coor);
};

}  // namespace plot
