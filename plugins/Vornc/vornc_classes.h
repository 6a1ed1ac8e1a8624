#pragma once

#include "core/com/plugin_builder.h"

namespace plot {

class COpenGL_VORN_C : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::Vornc;
  COpenGL_VORN_C() : Renderer(profile_of(kKind)) {}
};

class VORN_C : public ViewerForm {
 public:
  VORN_C() : ViewerForm(profile_of(PluginKind::Vornc)) {}
  // FIXME: the region record arrives with the confidence-region drawing.
  void parametres(Boolean formes, int16_t nGrups) {
    ViewerForm::parametres<COpenGL_VORN_C>([&](COpenGL_VORN_C& r) {
      r.formes = formes;
      r.nGrups = nGrups;
    });
  }
};

class CDades_VORN_C {
 public:
  Boolean formes;
  int16_t nGrups = 0;
  void mostrar() { FormSlot<VORN_C>::get().parametres(formes, nGrups); }
};

}  // namespace plot
