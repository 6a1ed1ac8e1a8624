#pragma once

#include "core/com/plugin_builder.h"

namespace plot {

class COpenGL_VORN : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::Vorn;
  COpenGL_VORN() : Renderer(profile_of(kKind)) {}
};

class VORN : public ViewerForm {
 public:
  VORN() : ViewerForm(profile_of(PluginKind::Vorn)) {}
  // FIXME: the region record arrives with the predictive-region drawing.
  void parametres() {
    ViewerForm::parametres<COpenGL_VORN>([](COpenGL_VORN&) {});
  }
};

class CDades_vorn {
 public:
  void mostrar() { FormSlot<VORN>::get().parametres(); }
};

}  // namespace plot
