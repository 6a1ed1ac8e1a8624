#pragma once

#include "core/com/plugin_definition.h"
#include "core/form/viewer_form.h"
#include "predictive_region_renderer.h"

namespace plot {

// The predictive-region viewer: caption "VORN_Predictive", the exit button only. Its renderer
// goes with the window when the window is closed.
class VORN : public ViewerForm {
 public:
  VORN() : ViewerForm(profile_of(COpenGL_VORN::kKind)) {}

  void parametres(Vector_VORN& VVORN, StringArray& coor) {
    ViewerForm::parametres<COpenGL_VORN>([&](COpenGL_VORN& r) { r.Passar_Punts(VVORN, coor); });
  }
};

// The class the host uses; it has no properties.
class CDades_vorn {
 public:
  void mostrar(Vector_VORN& VPVORNt, StringArray& coor) {
    FormSlot<VORN>::get().parametres(VPVORNt, coor);
  }
};

}  // namespace plot
