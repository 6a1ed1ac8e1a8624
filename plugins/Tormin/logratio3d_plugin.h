#pragma once

#include "core/com/plugin_builder.h"
#include "logratio3d_renderer.h"

namespace plot {

using alr_3D = SelfLoadingForm<COpenGL_alr_3D>;

// The host may set these; the 3D plot takes its settings from the options file.
class CDades_ALR_3D {
 public:
  Boolean formes;
  int16_t nGrups = 0;
  double centreX = 0;
  double centreY = 0;
  void mostrar() { FormSlot<alr_3D>::get().parametres(); }
};

}  // namespace plot
