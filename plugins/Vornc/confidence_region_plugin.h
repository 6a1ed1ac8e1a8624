#pragma once

#include <cstdint>

#include "confidence_region_renderer.h"
#include "core/com/plugin_definition.h"
#include "core/form/viewer_form.h"

namespace plot {

// The confidence-region viewer: caption "VORN_Confidence", the exit button only. Its renderer
// goes with the window when the window is closed.
class VORN_C : public ViewerForm {
 public:
  VORN_C() : ViewerForm(profile_of(COpenGL_VORN_C::kKind)) {}

  void parametres(Vector_Punts_VORN_C& VVORNC, Boolean formes, int16_t nGrups, StringArray& coor) {
    ViewerForm::parametres<COpenGL_VORN_C>([&](COpenGL_VORN_C& r) {
      r.Passar_Punts(VVORNC, coor);
      r.formes = formes;
      r.nGrups = nGrups;
    });
  }
};

// The class the host uses: the display flags and mostrar. No logic of its own.
class CDades_VORN_C {
 public:
  Boolean formes;      // marker shapes instead of coloured dots for the centres
  int16_t nGrups = 0;  // groups drawn, 1 to 10

  void mostrar(Vector_Punts_VORN_C& VPVORNt, StringArray& coor) {
    FormSlot<VORN_C>::get().parametres(VPVORNt, formes, nGrups, coor);
  }
};

}  // namespace plot
