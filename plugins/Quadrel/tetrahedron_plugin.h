#pragma once

#include "core/com/plugin_builder.h"
#include "tetrahedron_renderer.h"

namespace plot {

using TD_3D = SelfLoadingForm<COpenGL_TD_3D>;

// The host may set these; the tetrahedron takes everything from its two files.
class CDades_Quadrel {
 public:
  std::string graella;
  Boolean formes;
  int16_t nGrups = 0;
  void mostrar() { FormSlot<TD_3D>::get().parametres(); }
};

}  // namespace plot
