#include "core/com/plugin_builder.h"

namespace plot {

class COpenGL_alr_3D : public Renderer {
 public:
  static constexpr PluginKind kKind = PluginKind::Tormin;
  COpenGL_alr_3D() : Renderer(profile_of(kKind)) {}
  double centreX = 0;
  double centreY = 0;
};

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

const PluginDefinition& plugin_definition() {
  static const PluginDefinition definition =
      make_plugin_definition<CDades_ALR_3D, COpenGL_alr_3D, alr_3D>(
          PluginKind::Tormin,
          [](auto& c) {
            c.property("formes", &CDades_ALR_3D::formes)
                .property("nGrups", &CDades_ALR_3D::nGrups)
                .property("centreX", &CDades_ALR_3D::centreX)
                .property("centreY", &CDades_ALR_3D::centreY)
                .method("mostrar", &CDades_ALR_3D::mostrar);
          },
          [](auto& c) {
            c.property("centreX", &COpenGL_alr_3D::centreX)
                .property("centreY", &COpenGL_alr_3D::centreY);
          });
  return definition;
}

}  // namespace plot
