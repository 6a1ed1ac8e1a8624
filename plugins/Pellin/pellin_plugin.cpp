#include "core/com/plugin_builder.h"

namespace plot {

class COpenGL_alr : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::Pellin;
  COpenGL_alr() : Renderer(profile_of(kKind)) {}
  double centreX = 0;
  double centreY = 0;
};

class alr : public ViewerForm {
 public:
  alr() : ViewerForm(profile_of(PluginKind::Pellin)) {}
  // FIXME: the observation record arrives with the log-ratio drawing.
  void parametres(double centreX, double centreY, Boolean formes, int16_t nGrups) {
    ViewerForm::parametres<COpenGL_alr>([&](COpenGL_alr& r) {
      r.centreX = centreX;
      r.centreY = centreY;
      r.formes = formes;
      r.nGrups = nGrups;
    });
  }
};

class CDades_ALR {
 public:
  Boolean formes;
  int16_t nGrups = 0;
  double centreX = 0;
  double centreY = 0;
  void mostrar() { FormSlot<alr>::get().parametres(centreX, centreY, formes, nGrups); }
};

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition = make_plugin_definition<CDades_ALR, COpenGL_alr, alr>(
      PluginKind::Pellin,
      [](auto& c) {
        c.property("formes", &CDades_ALR::formes)
            .property("nGrups", &CDades_ALR::nGrups)
            .property("centreX", &CDades_ALR::centreX)
            .property("centreY", &CDades_ALR::centreY)
            .method("mostrar", &CDades_ALR::mostrar);
      },
      [](auto& c) {
        c.property("centreX", &COpenGL_alr::centreX).property("centreY", &COpenGL_alr::centreY);
      });
  return definition;
}

}  // namespace plot
